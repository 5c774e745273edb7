#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_error.h"
#include "app/cli/cli_output.h"
#include "app/cli/month_pages.h"
#include "app/cli/stored_printout.h"
#include "print/pdf_document.h"
#include "store/document_file.h"
#include "store/output_file.h"

namespace kw {

namespace {

void writePdf(FileOps& ops, const DataPaths& paths, const QString& startFolder, PdfDocument& pdf,
              const QString& pdfFile)
{
    writeOutputFile(ops, pdfFile, pdfOutputKind(), pdf.finish(), protectedFolders({paths.folder(), startFolder}));
    printLine(QStringLiteral("Zapisano plik %1 (stron: %2).").arg(pdfFile).arg(pdf.pageCount()));
}

} // namespace

BillPrintout storedDocumentPrintout(FileOps& ops, const DataPaths& paths, const QString& startFolder,
                                    std::optional<qint64> position)
{
    const qint64 chosen = storedPosition(ops, paths.documentFile(), position);
    const DocumentRecord document = DocumentFile(ops, paths).read(chosen);
    return storedPrintout(document, readPrintSources(ops, paths, startFolder));
}

void exportDocument(FileOps& ops, const DataPaths& paths, const QString& startFolder, std::optional<qint64> position,
                    const QString& pdfFile, std::optional<QDate> duplicateIssued)
{
    BillPrintout bill = storedDocumentPrintout(ops, paths, startFolder, position);
    bill.duplicateIssued = duplicateIssued;
    PdfDocument pdf(billTitle(bill));
    pdf.addBill(bill);
    writePdf(ops, paths, startFolder, pdf, pdfFile);
}

void exportMonth(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& month,
                 const QString& pdfFile)
{
    storedDocumentCount(ops, paths.documentFile());
    const PrintSources sources = readPrintSources(ops, paths, startFolder);

    PdfDocument pdf(QStringLiteral("Rachunki z miesiąca %1").arg(month));
    if (drawMonthPages(ops, paths.documentFile(), month, sources, pdf) == 0)
        throw CommandLineError(
            QStringLiteral("Brak rachunków wystawionych w miesiącu %1; nie zapisano pliku %2.").arg(month, pdfFile));
    writePdf(ops, paths, startFolder, pdf, pdfFile);
}

} // namespace kw
