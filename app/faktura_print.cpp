// "Drukuj": the document on screen printed once per copy, previewed, or sent
// by e-mail as a PDF.

#include "Tfaktura_f.h"

#include "Tfont_f.h"
#include "bill_mail.h"
#include "bill_printout.h"
#include "bevels.h"
#include "dbl_click_line_edit.h"
#include "output_file.h"
#include "paged_document.h"
#include "pdf_document.h"
#include "printer_canvas.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QShortcut>
#include <QToolButton>

using namespace kw;

BillPrintout Tfaktura_f::printoutFromWindow() const
{
    BillPrintout bill;
    bill.place = ui.miejscowosc->text();
    bill.issueDate = ui.data_wystawienia->text();
    bill.number = ui.numerator->text();
    bill.numberSuffix = ui.rozszerzenie->text();
    bill.buyerLines = {ui.odbiorca1->text(), ui.odbiorca2->text(), ui.odbiorca3->text(), ui.odbiorca4->text()};
    bill.buyerTaxId = ui.nip_odbiorcy->text();
    bill.paymentMethod = ui.forma_zaplaty->currentText();
    bill.paymentTerm = ui.termin_zaplaty->currentText();
    bill.serviceDate = ui.data_uslugi->text();
    bill.signature = ui.podpis->text();
    bill.copyLabel = ui.Label13->text();
    bill.footnote = ui.Label14->text();
    bill.correctedRef = ui.Label24->text();
    bill.document = working_;
    bill.seller = company_;
    bill.lettering = font_f->printFont().lettering();
    return bill;
}

void Tfaktura_f::connectPrintExtras()
{
    auto* preview = new QAction(QStringLiteral("Podgląd wydruku…"), ui.SpeedButton20);
    preview->setObjectName(QStringLiteral("printPreviewAction"));
    connect(preview, &QAction::triggered, this, &Tfaktura_f::showPrintPreview);
    auto* mail = new QAction(QStringLiteral("Wyślij e-mailem…"), ui.SpeedButton20);
    mail->setObjectName(QStringLiteral("mailAction"));
    connect(mail, &QAction::triggered, this, &Tfaktura_f::mailShownBill);
    ui.SpeedButton20->addAction(preview);
    ui.SpeedButton20->addAction(mail);
    ui.SpeedButton20->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")), this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        if (ui.SpeedButton20->isEnabled() && ui.Panel1->isEnabled())
            showPrintPreview();
    });
}

QStringList Tfaktura_f::protectedOutputFolders() const
{
    return protectedFolders({dataFolder_, startFolder_, currentFolder_});
}

void Tfaktura_f::printToPdfFile(const BillPrintout& bill, const QString& pdfFile)
{
    if (copyCount_ <= 0)
        return;
    PdfDocument pdf(billTitle(bill));
    pdf.addBill(bill, copyCount_);
    writeOutputFile(platform_.files, pdfFile, OutputKind::Pdf, pdf.finish(), protectedOutputFolders());
}

void Tfaktura_f::SpeedButton20Click()
{
    QPrinter printer(QPrinter::HighResolution);
    // The dialog's "print to file" offers the bill's own name in the data
    // folder; the printer itself stays the system's default.
    const QPrinter::OutputFormat format = printer.outputFormat();
    printer.setOutputFileName(dataFolder_ + QLatin1Char('/') + billPdfFileName(printoutFromWindow()));
    printer.setOutputFormat(format);
    if (!platform_.dialogs.choosePrinter(this, printer))
        return;
    guarded([&] {
        font_f->CzytajFonty(printFontFileName);
        const BillPrintout bill = printoutFromWindow();
        if (printer.outputFormat() == QPrinter::PdfFormat)
            printToPdfFile(bill, printer.outputFileName());
        else
            printBill(bill, copyCount_, [&](int) { return std::make_unique<PrinterCanvas>(printer); });
    });
}

void Tfaktura_f::paintPreviewPages(QPrinter& printer)
{
    guarded([&] {
        font_f->CzytajFonty(printFontFileName);
        const BillPrintout bill = printoutFromWindow();
        // Printing to a file from the preview goes the checked way too.
        if (printer.outputFormat() == QPrinter::PdfFormat && printer.paintEngine()->type() == QPaintEngine::Pdf) {
            printToPdfFile(bill, printer.outputFileName());
            return;
        }
        PagedDocument document(printer, QStringLiteral("podglądu wydruku"));
        printBill(bill, copyCount_, document.pages());
        document.finish();
    });
}

void Tfaktura_f::showPrintPreview()
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
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
        mailBill(platform_.files, printoutFromWindow(), QString());
    });
}
