// The whole printout of a fuzzed document with a fuzzed print font, settings
// and seller: on the recording canvas at a fuzzed resolution, and on a PDF
// canvas. Input: font record, document record, seller record, settings
// record, each cut or padded to its size, then the resolution.

#include "app/cli/stored_printout.h"
#include "app/platform/printer_canvas.h"
#include "fuzz/fuzz_folder.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/gui_application.h"
#include "print/bill_printout.h"
#include "print/print_error.h"
#include "print/recording_canvas.h"
#include "store/io_error.h"

#include <QPrinter>

#include <cstdint>

using namespace kw;

namespace {

void printOnPdf(const BillPrintout& bill, const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printBill(bill, 1, [&printer](int) { return std::make_unique<PrinterCanvas>(printer); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureGuiApplication();
    fuzz::FuzzInput input(data, size);
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::instance();
    folder.write(folder.path() + QStringLiteral("/FONT/") + printFontFileName, input.bytes(PrintFontRecord::Size));
    PrintSources sources;
    const DocumentRecord document = DocumentRecord::fromBytes(input.bytes(DocumentRecord::Size));
    sources.seller = CompanyRecord::fromBytes(input.bytes(CompanyRecord::Size));
    sources.settings = SettingsRecord::fromBytes(input.bytes(SettingsRecord::Size));
    const int dpiX = input.word() % 2400 + 1;
    const int dpiY = input.word() % 2400 + 1;
    PrintFont font(systemFileOps());
    try {
        font.CzytajFonty(printFontFileName, folder.path());
    } catch (const IoError&) {
        // A font file shorter than its record prints in the default lettering.
    }
    sources.lettering = font.lettering();
    const BillPrintout bill = storedPrintout(document, sources);

    RecordingCanvas recording(dpiX, dpiY);
    drawBillPage(recording, bill);
    recording.log(true);
    try {
        printOnPdf(bill, folder.path() + QStringLiteral("/rachunek.pdf"));
    } catch (const PrintError&) {}
    return 0;
}
