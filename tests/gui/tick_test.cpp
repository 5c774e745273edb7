#include "tests/gui/document_window_test.h"

#include <QTest>

using namespace kw;

namespace {

class TickTest : public DocumentWindowTest
{};

TEST_F(TickTest, TotalsAndWordsFollowTheGrid)
{
    struct Case {
        const char* name;
        QStringList quantities, prices; // rows 1..3
        QStringList totals;             // column 6 after the tick
        const char* label17;
        const char* zloty;
        const char* grosz;
    };
    const Case cases[] = {
        {"empty grid", {"", "", ""}, {"", "", ""}, {"", "", ""}, "        0.00 PLN", "", ""},
        {"2 x 10",
         {"2", "", ""},
         {"10", "", ""},
         {"    20.00", "", ""},
         "       20.00 PLN",
         "dwadzieścia  złotych",
         ""},
        {"1.00", {"1", "", ""}, {"1", "", ""}, {"     1.00", "", ""}, "        1.00 PLN", "jeden złoty", ""},
        {"2.50 over two lines",
         {"1", "1", ""},
         {"2", "0.5", ""},
         {"     2.00", "     0.50", ""},
         "        2.50 PLN",
         "dwa złote",
         "pięćdziesiąt  groszy"},
        {"12.01",
         {"1", "", ""},
         {"12.01", "", ""},
         {"    12.01", "", ""},
         "       12.01 PLN",
         "dwanaście złotych",
         "jeden grosz"},
        {"22.00",
         {"2", "", ""},
         {"11", "", ""},
         {"    22.00", "", ""},
         "       22.00 PLN",
         "dwadzieścia dwa złote",
         ""},
        {"0.5 x 0.25 shows and says 0.13",
         {"0.5", "", ""},
         {"0.25", "", ""},
         {"     0.13", "", ""},
         "        0.13 PLN",
         "",
         "trzynaście groszy"},
        {"3 x 4.3325 shows and says 12.99, as it is stored: 3.00 x 4.33",
         {"3", "", ""},
         {"4.3325", "", ""},
         {"    12.99", "", ""},
         "       12.99 PLN",
         "dwanaście złotych",
         "dziewięćdziesiąt dziewięć groszy"},
        {"3 x 4,3325 + 300 shows 312.99 from the first tick",
         {"3", "1", ""},
         {"4,3325", "300", ""},
         {"    12.99", "   300.00", ""},
         "      312.99 PLN",
         "trzysta dwanaście złotych",
         "dziewięćdziesiąt dziewięć groszy"},
        {"1,5 x 99,99 = 149,985 rounds the half grosz up",
         {"1,5", "", ""},
         {"99,99", "", ""},
         {"   149.99", "", ""},
         "      149.99 PLN",
         "sto czterdzieści dziewięć złotych",
         "dziewięćdziesiąt dziewięć groszy"},
        {"a negative half grosz rounds away from zero",
         {"-1,5", "1,5", ""},
         {"99,99", "0,01", ""},
         {"  -149.99", "     0.02", ""},
         "     -149.97 PLN",
         "",
         ""},
        {"quantity and price count with two decimals, as stored",
         {"0,005", "2,675", ""},
         {"100", "1", ""},
         {"     1.00", "     2.68", ""},
         "        3.68 PLN",
         "trzy złote",
         "sześćdziesiąt osiem groszy"},
        {"decimal comma", {"1,5", "", ""}, {"2", "", ""}, {"     3.00", "", ""}, "        3.00 PLN", "trzy złote", ""},
        {"negative total has no words",
         {"-2", "", "1"},
         {"10", "", "5"},
         {"   -20.00", "", "     5.00"},
         "      -15.00 PLN",
         "",
         ""},
        {"zero product keeps column 6",
         {"", "x", ""},
         {"5", "5", ""},
         {"typed", "typed", "typed"},
         "        0.00 PLN",
         "",
         ""},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int r = 1; r <= 3; ++r) {
            setCell(r, 4, c.quantities[r - 1]);
            setCell(r, 5, c.prices[r - 1]);
            setCell(r, 6, QStringLiteral("typed"));
        }
        window->Timer2Timer();
        for (int r = 1; r <= 3; ++r)
            EXPECT_EQ(cell(r, 6), c.totals[r - 1].isEmpty() ? QStringLiteral("typed") : c.totals[r - 1]) << r;
        EXPECT_EQ(ui().Label17->text(), QString::fromUtf8(c.label17));
        EXPECT_EQ(window->billTotalText(), QString::fromUtf8(c.label17).chopped(4));
        EXPECT_EQ(ui().Label19->text(), QString::fromUtf8(c.zloty));
        EXPECT_EQ(ui().Label58->text(), QString::fromUtf8(c.grosz));
    }
    EXPECT_EQ(cell(2, 0), "2");
}

TEST_F(TickTest, TheRealTimerRunsTheTick)
{
    start();
    setCell(2, 4, "2");
    setCell(2, 5, "10");
    QTRY_COMPARE(cell(2, 6), QStringLiteral("    20.00"));
    QTRY_COMPARE(ui().Label17->text(), QStringLiteral("       20.00 PLN"));
}

TEST_F(TickTest, CashForcesTheTermToTheIssueDateOnEveryTick)
{
    start();
    ui().SpeedButton6->click();
    ui().forma_zaplaty->setEditText(QStringLiteral("Gotówka"));
    ui().termin_zaplaty->setEditText(QStringLiteral("14 dni"));
    window->Timer2Timer();
    EXPECT_EQ(ui().termin_zaplaty->currentText(), "2009-03-05");
    ui().termin_zaplaty->setEditText(QStringLiteral("7 dni"));
    window->Timer2Timer();
    EXPECT_EQ(ui().termin_zaplaty->currentText(), "2009-03-05");

    ui().forma_zaplaty->setEditText(QStringLiteral("Przelew"));
    ui().termin_zaplaty->setEditText(QStringLiteral("7 dni"));
    window->Timer2Timer();
    EXPECT_EQ(ui().termin_zaplaty->currentText(), "7 dni");
    ui().forma_zaplaty->setEditText(QStringLiteral("gotówka")); // only the exact text counts
    window->Timer2Timer();
    EXPECT_EQ(ui().termin_zaplaty->currentText(), "7 dni");

    // What is stored is the forced term.
    ui().forma_zaplaty->setEditText(QStringLiteral("Gotówka"));
    window->Timer2Timer();
    store();
    EXPECT_EQ(stored(2).get(doc::PaymentMethod), QStringLiteral("Gotówka"));
    EXPECT_EQ(stored(2).get(doc::PaymentTerm), "2009-03-05");
}

// Re-storing an old cash bill keeps the term it was issued with.
TEST_F(TickTest, AStoredCashBillKeepsItsTerm)
{
    DocumentRecord old = bill("13", "Kowalski");
    old.set(doc::IssueDate, QStringLiteral("2009-05-20"));
    old.set(doc::PaymentMethod, QStringLiteral("Gotówka"));
    old.set(doc::PaymentTerm, QStringLiteral("2009-05-20"));
    writeDocuments({sentinel(), old});
    start();
    window->Timer2Timer();
    EXPECT_EQ(ui().termin_zaplaty->currentText(), "2009-05-20");
    ui().odbiorca2->setText(QStringLiteral("ul. Nowa 2"));
    store();
    EXPECT_EQ(stored(2).get(doc::PaymentTerm), "2009-05-20");
    EXPECT_EQ(stored(2).get(doc::BuyerLine2), QStringLiteral("ul. Nowa 2"));
}

// The figures shown, stored and reloaded agree: 3 x 4,3325 is stored as
// 3.00 x 4.33 with the line total 12.99, and 12.99 is what the tick showed.
TEST_F(TickTest, StoringComputesTheLineTotalsFromTheStoredFigures)
{
    start();
    ui().SpeedButton6->click();
    setCell(1, 4, "3");
    setCell(1, 5, "4.3325");
    setCell(2, 4, "1");
    setCell(2, 5, "30");
    window->Timer2Timer();
    EXPECT_EQ(cell(1, 6), "    12.99");
    EXPECT_EQ(ui().Label17->text(), "       42.99 PLN");
    store();
    const DocumentRecord r = stored(2);
    EXPECT_EQ(r.get(lineCell(LineTable::Bill, 5, 1)), "    4.33");
    EXPECT_EQ(r.get(lineCell(LineTable::Bill, 6, 1)), "    12.99");
    EXPECT_EQ(r.get(lineCell(LineTable::Bill, 6, 2)), "    30.00");
    window->Timer2Timer();
    EXPECT_EQ(cell(1, 6), "    12.99");
    EXPECT_EQ(ui().Label17->text(), "       42.99 PLN");
}

TEST_F(TickTest, CommandsFollowTheDocumentState)
{
    struct Expected {
        const char* state;
        bool insertTemplate, saveTemplate, print, summary, save, remove; // enabled
        bool templatesShown, noteShown, beforeAfterShown;
    };
    const auto check = [&](const Expected& e) {
        SCOPED_TRACE(e.state);
        window->Timer2Timer();
        EXPECT_EQ(ui().SpeedButton22->isEnabled(), e.insertTemplate);
        EXPECT_EQ(ui().SpeedButton21->isEnabled(), e.saveTemplate);
        EXPECT_EQ(ui().SpeedButton20->isEnabled(), e.print);
        EXPECT_EQ(ui().SpeedButton17->isEnabled(), e.summary);
        EXPECT_EQ(ui().SpeedButton2->isEnabled(), e.save);
        EXPECT_EQ(ui().SpeedButton8->isEnabled(), e.remove);
        EXPECT_EQ(ui().SpeedButton22->isVisibleTo(window.get()), e.templatesShown);
        EXPECT_EQ(ui().SpeedButton21->isVisibleTo(window.get()), e.templatesShown);
        EXPECT_EQ(ui().Label26->isVisibleTo(window.get()), e.noteShown);
        EXPECT_EQ(ui().SpeedButton15->isVisibleTo(window.get()), e.beforeAfterShown);
        EXPECT_EQ(ui().SpeedButton16->isVisibleTo(window.get()), e.beforeAfterShown);
    };
    DocumentRecord correction = bill("3", "Nowak", "K");
    correction.set(doc::CorrectedRef, QStringLiteral("2/2009"));
    writeDocuments({sentinel(), bill("2", "Kowalski"), correction});
    start();
    check({"loaded corrective bill", false, true, true, true, true, true, false, true, true});
    loadFromList(1);
    check({"loaded bill", false, true, true, true, true, true, true, false, false});
    ui().SpeedButton6->click();
    check({"new bill", true, false, false, false, true, false, true, false, false});
    store();
    check({"stored new bill", false, true, true, true, true, true, true, false, false});

    EXPECT_FALSE(ui().SpeedButton19->isEnabled());
    ui().lata->setEditText(QStringLiteral("2009"));
    window->Timer2Timer();
    EXPECT_TRUE(ui().SpeedButton19->isEnabled());
    expectNoErrors();
}

} // namespace
