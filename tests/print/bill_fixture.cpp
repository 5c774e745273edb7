#include "tests/print/bill_fixture.h"

namespace kw {

void setLine(DocumentRecord& document, LineTable table, int line, const LineCellsText& cells)
{
    for (int column = 1; column <= 6; ++column)
        document.set(lineCell(table, column, line), cells[column - 1]);
}

BillPrintout sampleBill()
{
    BillPrintout bill;
    bill.head.place = QStringLiteral("Kraków");
    bill.head.issueDate = QStringLiteral("2009-03-05");
    bill.head.number = QStringLiteral("7");
    bill.head.numberSuffix = QStringLiteral("2009");
    bill.head.buyerLines = {QStringLiteral("Jan Kowalski"), QStringLiteral("ul. Krótka 1"),
                            QStringLiteral("30-001 Kraków"), QString()};
    bill.head.buyerTaxId = QStringLiteral("123-456-78-90");
    bill.head.paymentMethod = QStringLiteral("gotówka");
    bill.head.paymentTerm = QStringLiteral("2009-03-12");
    bill.head.serviceDate = QStringLiteral("2009-03-04");
    bill.head.signature = QStringLiteral("Anna Nowak");
    bill.copyLabel = QStringLiteral("ORYGINAŁ / KOPIA");
    bill.footnote = QStringLiteral("Zwolnione z VAT");

    bill.document.set(doc::DocKind, QStringLiteral("F"));
    bill.document.set(doc::BuyerLine1, QStringLiteral("Jan Kowalski"));
    setLine(bill.document, LineTable::Bill, 1,
            {QStringLiteral("Strzyżenie"), QStringLiteral("96.02.10"), QStringLiteral("szt"), QStringLiteral("1"),
             QStringLiteral("10.00"), QStringLiteral("    10.00")});
    setLine(bill.document, LineTable::Bill, 2,
            {QStringLiteral("Mycie głowy"), QString(), QStringLiteral("szt"), QStringLiteral("1"),
             QStringLiteral("2.50"), QStringLiteral("     2.50")});

    bill.seller.set(company::SellerLine1, QStringLiteral("Zakład Fryzjerski Grzywka"));
    bill.seller.set(company::SellerLine2, QStringLiteral("ul. Długa 5"));
    bill.seller.set(company::SellerLine3, QStringLiteral("00-950 Warszawa"));
    bill.seller.set(company::SellerTaxId, QStringLiteral("525-000-11-22"));
    bill.seller.set(company::SellerBank, QStringLiteral("PKO BP"));
    bill.seller.set(company::SellerAccount, QStringLiteral("12 1020 0000 0000 0000 0000 0000"));

    bill.lettering = {QStringLiteral("Arial"), 10, QColor(Qt::black)};
    return bill;
}

BillPrintout sampleCorrectiveBill()
{
    BillPrintout bill = sampleBill();
    bill.head.number = QStringLiteral("1");
    bill.head.numberSuffix = QStringLiteral("K/2009");
    bill.correctedRef = QStringLiteral("7/2009");
    bill.document.set(doc::DocKind, QStringLiteral("K"));
    bill.document.set(doc::CorrectedRef, QStringLiteral("7/2009"));
    setLine(bill.document, LineTable::Bill, 1,
            {QStringLiteral("Strzyżenie"), QString(), QStringLiteral("szt"), QStringLiteral("1"),
             QStringLiteral("30.00"), QStringLiteral("    30.00")});
    setLine(bill.document, LineTable::Bill, 2,
            {QStringLiteral("Farbowanie"), QString(), QStringLiteral("szt"), QStringLiteral("1"),
             QStringLiteral("20.00"), QStringLiteral("    20.00")});
    setLine(bill.document, LineTable::Correction, 1,
            {QStringLiteral("Strzyżenie"), QString(), QStringLiteral("szt"), QStringLiteral("1"),
             QStringLiteral("30.00"), QStringLiteral("    30.00")});
    return bill;
}

} // namespace kw
