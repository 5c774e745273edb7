// "Drukuj": the document on screen printed once per copy, previewed, sent by
// e-mail as a PDF, or printed again as stored as a duplicate.

#include "app/Tfaktura_f.h"

#include "app/Tfont_f.h"
#include "app/platform/bill_mail.h"
#include "app/platform/printer_canvas.h"
#include "app/widgets/bevels.h"
#include "print/bill_printout.h"
#include "print/paged_document.h"
#include "print/pdf_document.h"
#include "print/printed_copies.h"
#include "store/module_options.h"
#include "store/output_file.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QShortcut>
#include <QToolButton>

using namespace kw;

namespace {

// The print dialog's "print to file" leaves a PDF printer with a file name; a
// printer's queue has none.
bool printsToFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// `bill` as the module's options print it; read at every print, so a change
// made in "Ustawienia" counts at once.
BillPrintout withModuleOptions(BillPrintout bill, FileOps& files, const DataPaths& paths)
{
    bill.transferCode = readModuleOptions(files, paths.moduleOptionsFile()).transferCode;
    return bill;
}

} // namespace

BillPrintout Tfaktura_f::printoutFromWindow() const
{
    BillPrintout bill;
    bill.head = headFromWindow();
    bill.copyLabel = ui.Label13->text();
    bill.footnote = ui.Label14->text();
    bill.correctedRef = session_.correctedReference();
    bill.document = session_.working();
    bill.seller = company_;
    bill.lettering = font_f->printFont().lettering();
    return bill;
}

BillPrintout Tfaktura_f::duplicatePrintout(const DocumentRecord& stored, QDate issued) const
{
    BillPrintout bill = printoutFromWindow();
    takeStoredDocument(bill, stored);
    bill.duplicateIssued = issued;
    return bill;
}

bool Tfaktura_f::printOffered()
{
    offerCommands();
    return ui.SpeedButton20->isEnabled() && ui.Panel1->isEnabled();
}

void Tfaktura_f::connectPrintExtras()
{
    // A menu of its own, not the button's actions: those would turn "Drukuj"
    // into a drop-down button whose long press opens the menu instead of
    // printing.
    auto* menu = new QMenu(ui.SpeedButton20);
    menu->setObjectName(QStringLiteral("printMenu"));
    QAction* preview = menu->addAction(QStringLiteral("Podgląd wydruku…"));
    preview->setObjectName(QStringLiteral("printPreviewAction"));
    connect(preview, &QAction::triggered, this, &Tfaktura_f::showPrintPreview);
    QAction* duplicate = menu->addAction(QStringLiteral("Drukuj duplikat…"));
    duplicate->setObjectName(QStringLiteral("duplicateAction"));
    connect(duplicate, &QAction::triggered, this, &Tfaktura_f::printDuplicate);
    connect(menu, &QMenu::aboutToShow, this, [this, duplicate] { duplicate->setEnabled(printOffered()); });
    QAction* mail = menu->addAction(QStringLiteral("Wyślij e-mailem…"));
    mail->setObjectName(QStringLiteral("mailAction"));
    connect(mail, &QAction::triggered, this, &Tfaktura_f::mailShownBill);
    ui.SpeedButton20->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui.SpeedButton20, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint& at) { menu->popup(ui.SpeedButton20->mapToGlobal(at)); });

    auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")), this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        if (printOffered())
            showPrintPreview();
    });
}

QStringList Tfaktura_f::protectedOutputFolders() const
{
    return protectedFolders({dataFolder_, startFolder_, currentFolder_});
}

void Tfaktura_f::printToPdfFile(const BillPrintout& bill, const QStringList& copyLabels, const QString& pdfFile)
{
    PdfDocument pdf(billTitle(bill));
    pdf.addBill(bill, copyLabels);
    writeOutputFile(platform_.files, pdfFile, pdfOutputKind(), pdf.finish(), protectedOutputFolders());
}

void Tfaktura_f::prepareBillPrinter(QPrinter& printer, const BillPrintout& bill) const
{
    // Queue viewers and cups-pdf show the job by this name.
    printer.setDocName(billTitle(bill));
    // The dialog's "print to file" offers the bill's own name in the data
    // folder; the printer itself stays the system's default.
    const QPrinter::OutputFormat format = printer.outputFormat();
    printer.setOutputFileName(dataFolder_ + QLatin1Char('/') + billPdfFileName(bill));
    printer.setOutputFormat(format);
}

void Tfaktura_f::SpeedButton20Click()
{
    printThroughDialog([this] { return printoutFromWindow(); });
}

// The window's edits are not part of a duplicate: it shows the bill as it
// was issued, so it is printed from the file, and only while the file still
// holds the bill as it was loaded.
void Tfaktura_f::printDuplicate()
{
    if (!printOffered())
        return;
    guarded([&] {
        const DocumentRecord stored = session_.storedShown();
        const QDate issued = platform_.clock.today();
        printThroughDialog([&] { return duplicatePrintout(stored, issued); });
    });
}

void Tfaktura_f::printThroughDialog(const std::function<BillPrintout()>& printout)
{
    QPrinter printer(QPrinter::HighResolution);
    prepareBillPrinter(printer, printout());
    printer.setCopyCount(offeredCopies(copyCount_));
    if (!platform_.dialogs.choosePrinter(this, printer))
        return;
    const int copies = printer.copyCount();
    // Every copy is a job of its own, so the queue must not multiply them.
    printer.setCopyCount(1);
    guarded([&] {
        font_f->CzytajFonty(printFontFileName);
        const BillPrintout bill = withModuleOptions(printout(), platform_.files, paths());
        const QStringList labels = copyLabels(bill.copyLabel, copyCount_, copies);
        if (printsToFile(printer))
            printToPdfFile(bill, labels, printer.outputFileName());
        else
            printBill(bill, labels,
                      [&](int) { return std::make_unique<PrinterCanvas>(printer, platform_.printQueue); });
    });
}

void Tfaktura_f::paintPreviewPages(QPrinter& printer)
{
    guarded([&] {
        font_f->CzytajFonty(printFontFileName);
        const BillPrintout bill = withModuleOptions(printoutFromWindow(), platform_.files, paths());
        const QStringList labels = copyLabels(bill.copyLabel, copyCount_, offeredCopies(copyCount_));
        // Printing to a file from the preview goes the checked way too.
        if (printer.outputFormat() == QPrinter::PdfFormat && printer.paintEngine()->type() == QPaintEngine::Pdf) {
            printToPdfFile(bill, labels, printer.outputFileName());
            return;
        }
        PagedDocument document(printer, QStringLiteral("podglądu wydruku"));
        printBill(bill, labels, document.pages());
        document.finish();
    });
}

void Tfaktura_f::showPrintPreview()
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    prepareBillPrinter(*printer, printoutFromWindow());
    auto* dialog = new QPrintPreviewDialog(printer, this);
    dialog->setObjectName(QStringLiteral("printPreview"));
    dialog->setWindowTitle(QStringLiteral("Podgląd wydruku"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QObject::destroyed, this, [printer] { delete printer; });
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { paintPreviewPages(*p); });
    dialog->open();
}

void Tfaktura_f::mailShownBill()
{
    guarded([&] {
        font_f->CzytajFonty(printFontFileName);
        mailBill(platform_.files, withModuleOptions(printoutFromWindow(), platform_.files, paths()), QString());
    });
}
