// "Drukuj": the document on screen printed once per copy.

#include "Tfaktura_f.h"

#include "Tfont_f.h"
#include "bill_printout.h"
#include "dbl_click_line_edit.h"
#include "printer_canvas.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>

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

void Tfaktura_f::SpeedButton20Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!platform_.dialogs.choosePrinter(this, printer))
        return;
    guarded([&] {
        font_f->CzytajFonty(printFontFileName);
        printBill(printoutFromWindow(), copyCount_,
                  [&](int) { return std::make_unique<PrinterCanvas>(printer); });
    });
}
