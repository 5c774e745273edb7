#include "tests/desktop/desktop_test.h"

#include "store/cp1250.h"

#include <QThread>

using namespace kw;

namespace {

QString cell(const DocumentRecord& r, int column, int row) { return r.get(lineCell(LineTable::Bill, column, row)); }

// New bill, the buyer from the client list, two services from the service
// list, a quantity with a decimal comma, stored: all without the mouse.
TEST_F(DesktopTest, AWholeBillFromTheKeyboard)
{
    session->key(QStringLiteral("ctrl+n"));
    // From the place of issue to the buyer's first line.
    session->keys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab")});
    chooseFromList(QStringLiteral("stali.kli"), 2);
    // On through the buyer's block and the right column to the grid.
    for (int i = 0; i < 9; ++i)
        session->key(QStringLiteral("Tab"));
    chooseFromList(QStringLiteral("cennik.usl"), 1);
    session->key(QStringLiteral("Down"));
    chooseFromList(QStringLiteral("cennik.usl"), 2);
    // To the quantity of line 1, then of line 2 typed and stored at once.
    session->keys({QStringLiteral("Up"), QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Right")});
    session->type(QStringLiteral("2,5"));
    session->keys({QStringLiteral("Return"), QStringLiteral("Down")});
    session->type(QStringLiteral("3"));
    storeWithKeys();

    const QByteArray bytes = storedBytes(storedBillPosition);
    ASSERT_EQ(bytes.size(), doc::Size);
    const DocumentRecord bill = DocumentRecord::fromBytes(bytes);
    EXPECT_EQ(bill.get(doc::DocKind), "F");
    EXPECT_EQ(bill.get(doc::DocNumber), "8");
    EXPECT_EQ(bill.get(doc::IssueDate), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    const StringField buyer[] = {doc::BuyerLine1, doc::BuyerLine2, doc::BuyerLine3, doc::BuyerLine4};
    for (int line = 1; line <= 4; ++line)
        EXPECT_EQ(bill.get(buyer[line - 1]), client(3, line));
    EXPECT_EQ(bill.get(doc::BuyerTaxId), "111-222-33-3");
    const QStringList expected[] = {
        {service(2), "62.02", "godz", "   2.50", "   20.50", "    51.25"},
        {service(3), "62.03", "godz", "   3.00", "   30.50", "    91.50"},
    };
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 6; ++column)
            EXPECT_EQ(cell(bill, column, row), expected[row - 1][column - 1]) << row << ", " << column;
    EXPECT_EQ(cell(bill, 1, 3), "");
    // Quantity 2.50 as its length byte and characters.
    EXPECT_EQ(bytes.mid(lineCell(LineTable::Bill, 4, 1).offset, 8), QByteArray("\x07   2.50", 8));
}

// Cells typed into at 30 ms per key right after they are clicked, the
// current cell among them, keep exactly what was typed; Polish letters
// arrive as the same letters in code page 1250.
TEST_F(DesktopTest, ClickAndTypeAtOnceIntoGridCellsAndFields)
{
    session->key(QStringLiteral("ctrl+n"));
    session->click(130, 138); // the buyer's first line
    session->type(QStringLiteral("Zażółć gęślą jaźń ŻÓŁW"));
    clickCellAndType(1, 1, QStringLiteral("Mycie okien, Śródmieście"));
    clickCellAndType(1, 3, QStringLiteral("szt"));
    clickCellAndType(2, 3, QStringLiteral("kg"));
    session->key(QStringLiteral("Return"));
    // The current cell clicked again, later than a double-click would be:
    // the typing replaces its text at once.
    QThread::msleep(600);
    clickCellAndType(2, 3, QStringLiteral("m2"));
    clickCellAndType(1, 4, QStringLiteral("2"));
    clickCellAndType(1, 5, QStringLiteral("10,5"));
    clickCellAndType(2, 4, QStringLiteral("1"));
    clickCellAndType(2, 5, QStringLiteral("4,3325"));
    session->key(QStringLiteral("Return"));
    storeWithKeys();

    const QByteArray bytes = storedBytes(storedBillPosition);
    const DocumentRecord bill = DocumentRecord::fromBytes(bytes);
    EXPECT_EQ(bill.get(doc::BuyerLine1), QStringLiteral("Zażółć gęślą jaźń ŻÓŁW"));
    const QByteArray buyer = QByteArray(1, char(22)) + toCp1250(QStringLiteral("Zażółć gęślą jaźń ŻÓŁW"));
    EXPECT_EQ(bytes.mid(doc::BuyerLine1.offset, buyer.size()), buyer);
    EXPECT_EQ(buyer.mid(1, 6), QByteArray("Za\xBF\xF3\xB3\xE6"));
    EXPECT_EQ(cell(bill, 1, 1), QStringLiteral("Mycie okien, Śródmieście"));
    EXPECT_EQ(cell(bill, 3, 1), "szt");
    EXPECT_EQ(cell(bill, 3, 2), "m2");
    EXPECT_EQ(cell(bill, 6, 1), "    21.00");
    // 1 x 4.3325 is stored as 4.33, and so is its line total.
    EXPECT_EQ(cell(bill, 5, 2), "    4.33");
    EXPECT_EQ(cell(bill, 6, 2), "     4.33");
}

} // namespace
