#include "editing/amount_text.h"
#include "editing/amount_words.h"
#include "editing/bill_totals.h"
#include "tests/editing/qstring_printer.h"
#include "tests/support/money_printer.h"

#include <gtest/gtest.h>

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(AmountWords, StateTheAmountAsShown)
{
    struct Case {
        const char* amount;
        const char* zloty;
        const char* grosz;
    };
    const Case cases[] = {
        {"0", "", ""},
        {"1", "jeden złoty", ""},
        {"2.5", "dwa złote", "pięćdziesiąt  groszy"},
        {"12.01", "dwanaście złotych", "jeden grosz"},
        {"22", "dwadzieścia dwa złote", ""},
        {"24.22", "dwadzieścia cztery złote", "dwadzieścia dwa grosze"},
        {"0.125", "", "trzynaście groszy"},    // shown as 0.13
        {"12.9975", "trzynaście złotych", ""}, // shown as 13.00
        {"149.985", "sto czterdzieści dziewięć złotych", "dziewięćdziesiąt dziewięć groszy"},
        {"0.9975", "jeden złoty", ""},
        {"0.004", "", ""},
        {"2147483647.5",
         "dwa miliardy sto czterdzieści siedem milionów czterysta "
         "osiemdziesiąt trzy tysiące sześćset czterdzieści siedem złotych",
         "pięćdziesiąt  groszy"},
    };
    for (const Case& c : cases) {
        const kw::AmountWords words = kw::amountWords(kw::readAmount(text(c.amount)));
        EXPECT_EQ(words.zloty, text(c.zloty)) << "amount " << c.amount;
        EXPECT_EQ(words.grosz, text(c.grosz)) << "amount " << c.amount;
    }
}

TEST(AmountWords, NoneForNegativeOrOutOfRangeAmounts)
{
    for (const kw::Money amount : {kw::readAmount(u"-0.01"), kw::readAmount(u"-5"), kw::readAmount(u"-2147483648"),
                                   kw::readAmount(u"2147483647.996"), kw::readAmount(u"2147483648"),
                                   kw::readAmount(u"1e14"), kw::Money::limit(), -kw::Money::limit()}) {
        const kw::AmountWords words = kw::amountWords(amount);
        EXPECT_TRUE(words.zloty.isEmpty()) << "amount " << amount.units();
        EXPECT_TRUE(words.grosz.isEmpty()) << "amount " << amount.units();
    }
}

kw::BillTotals oneLine(const char* quantity, const char* price)
{
    return kw::computeBillTotals({kw::LineCells{text(quantity), text(price)}, {}, {}});
}

TEST(BillTotals, EmptyGridShowsZeroWithoutWords)
{
    const kw::BillTotals totals = kw::computeBillTotals({});
    for (const kw::LineTotal& line : totals.lines) {
        EXPECT_EQ(line.product, kw::Money());
        EXPECT_FALSE(line.writeTotal);
    }
    EXPECT_EQ(totals.total, kw::Money());
    EXPECT_EQ(totals.totalText, text("        0.00"));
    EXPECT_EQ(totals.totalLabel, text("        0.00 PLN"));
    EXPECT_TRUE(totals.zlotyWords.isEmpty());
    EXPECT_TRUE(totals.groszWords.isEmpty());
}

TEST(BillTotals, OneLine)
{
    const kw::BillTotals totals = oneLine("2", "10");
    EXPECT_EQ(totals.lines[0].quantity, kw::readAmount(u"2"));
    EXPECT_EQ(totals.lines[0].price, kw::readAmount(u"10"));
    EXPECT_EQ(totals.lines[0].totalText, text("    20.00"));
    EXPECT_TRUE(totals.lines[0].writeTotal);
    EXPECT_FALSE(totals.lines[1].writeTotal);
    EXPECT_EQ(totals.totalLabel, text("       20.00 PLN"));
    EXPECT_EQ(totals.zlotyWords, text("dwadzieścia  złotych"));
    EXPECT_TRUE(totals.groszWords.isEmpty());
}

TEST(BillTotals, TotalsAndWordsFollowTheRoundedFigure)
{
    struct Case {
        const char* quantity;
        const char* price;
        const char* label;
        const char* zloty;
        const char* grosz;
    };
    const Case cases[] = {
        {"1", "1.00", "        1.00 PLN", "jeden złoty", ""},
        {"1", "2,50", "        2.50 PLN", "dwa złote", "pięćdziesiąt  groszy"},
        {"1", "12.01", "       12.01 PLN", "dwanaście złotych", "jeden grosz"},
        {"2", "11", "       22.00 PLN", "dwadzieścia dwa złote", ""},
        {"0.5", "0.25", "        0.13 PLN", "", "trzynaście groszy"},
        // Quantities and prices count as they are stored, with two decimals.
        {"3", "4.3325", "       12.99 PLN", "dwanaście złotych", "dziewięćdziesiąt dziewięć groszy"},
        {"0,005", "100", "        1.00 PLN", "jeden złoty", ""},
        {"0,00495", "100", "        0.00 PLN", "", ""},
        {"1,5", "99,99", "      149.99 PLN", "sto czterdzieści dziewięć złotych", "dziewięćdziesiąt dziewięć groszy"},
        {"-1,5", "99,99", "     -149.99 PLN", "", ""},
        {"1,5", "-99,99", "     -149.99 PLN", "", ""},
        {"-2", "10", "      -20.00 PLN", "", ""},
        {"3e9", "1", "3000000000.00 PLN", "", ""},
        // Beyond what Money holds: the product stays at the limit.
        {"999999999999", "999999999999", "922337203685477.58 PLN", "", ""},
        {"-999999999999", "999999999999", "-922337203685477.58 PLN", "", ""},
    };
    for (const Case& c : cases) {
        const kw::BillTotals totals = oneLine(c.quantity, c.price);
        EXPECT_EQ(totals.totalLabel, text(c.label)) << c.quantity << " x " << c.price;
        EXPECT_EQ(totals.zlotyWords, text(c.zloty)) << c.quantity << " x " << c.price;
        EXPECT_EQ(totals.groszWords, text(c.grosz)) << c.quantity << " x " << c.price;
    }
}

TEST(BillTotals, SumsTheProductsBeforeRounding)
{
    const kw::BillTotals totals = kw::computeBillTotals(
        {kw::LineCells{text("0.5"), text("0.25")}, {text("0,5"), text("0,25")}, {text("x"), text("9")}});
    EXPECT_EQ(totals.lines[0].totalText, text("     0.13"));
    EXPECT_EQ(totals.lines[1].totalText, text("     0.13"));
    EXPECT_FALSE(totals.lines[2].writeTotal);
    EXPECT_EQ(totals.total, kw::readAmount(u"0.25"));
    EXPECT_EQ(totals.totalText, text("        0.25"));
    EXPECT_EQ(totals.groszWords, text("dwadzieścia pięć groszy"));
}

// 3 x 4,3325 + 300: the first tick shows the 312.99 that storing keeps.
TEST(BillTotals, TotalFollowsTheFiguresAsStored)
{
    const kw::BillTotals totals =
        kw::computeBillTotals({kw::LineCells{text("3"), text("4,3325")}, {text("1"), text("300")}, {}});
    EXPECT_EQ(totals.lines[0].price, kw::readAmount(u"4.33"));
    EXPECT_EQ(totals.lines[0].totalText, text("    12.99"));
    EXPECT_EQ(totals.totalLabel, text("      312.99 PLN"));
    EXPECT_EQ(totals.zlotyWords, text("trzysta dwanaście złotych"));
    EXPECT_EQ(totals.groszWords, text("dziewięćdziesiąt dziewięć groszy"));
}

TEST(BillTotals, NegativeLineInAPositiveBill)
{
    const kw::BillTotals totals =
        kw::computeBillTotals({kw::LineCells{text("-1"), text("5")}, {text("10"), text("1")}, {}});
    EXPECT_EQ(totals.lines[0].totalText, text("    -5.00"));
    EXPECT_TRUE(totals.lines[0].writeTotal);
    EXPECT_EQ(totals.totalLabel, text("        5.00 PLN"));
    EXPECT_EQ(totals.zlotyWords, text("pięć złotych"));
}

} // namespace
