#include "print/printed_amounts.h"
#include "tests/print/bill_fixture.h"

#include "editing/amount_text.h"
#include "editing/number_words.h"
#include "tests/support/money_printer.h"

#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

namespace kw {
namespace {

Money amount(const char* typed) { return readAmount(QString::fromLatin1(typed)); }

TEST(PrintedAmounts, CorrectiveBillPaysTheDifferenceOfItsTables)
{
    const PrintedAmounts amounts = printedAmounts(sampleCorrectiveBill().document);
    EXPECT_EQ(amounts.beforeCorrection, amount("50"));
    EXPECT_EQ(amounts.afterCorrection, amount("30"));
    EXPECT_EQ(amounts.payable, amount("-20"));
}

TEST(PrintedAmounts, BillPaysItsOwnTotalWhateverTheCorrectionTableHolds)
{
    BillPrintout bill = sampleBill();
    setLine(bill.document, LineTable::Correction, 1, {"x", "", "", "", "", "   99.00"});
    EXPECT_EQ(printedAmounts(bill.document).payable, amount("12.5"));
}

TEST(PrintedAmounts, AmountsAreTwelveWideWithPln)
{
    EXPECT_EQ(printedAmount(amount("12.5")), QStringLiteral("       12.50 PLN"));
    EXPECT_EQ(printedAmount(amount("-20")), QStringLiteral("      -20.00 PLN"));
    EXPECT_EQ(printedAmount(amount("0")), QStringLiteral("        0.00 PLN"));
    EXPECT_EQ(printedAmount(amount("-149.985")), QStringLiteral("     -149.99 PLN"));
}

// The words say the amount exactly as the figures print it.
TEST(PrintedWordsLine, WordsFollowTheRoundedFigure)
{
    EXPECT_EQ(printedWordsLine(amount("0.125")), QStringLiteral("Słownie :     ") + numberInWords(13, u"groszy"));
    EXPECT_EQ(printedWordsLine(amount("12.9975")),
              QStringLiteral("Słownie :    ") + numberInWords(13, u"złotych") + " ");
    // Shows as 0.00, so it is not "minus" anything.
    EXPECT_EQ(printedAmount(amount("-0.004")), QStringLiteral("        0.00 PLN"));
    EXPECT_EQ(printedWordsLine(amount("-0.004")), QStringLiteral("Słownie :     "));
    EXPECT_EQ(printedWordsLine(amount("-0.5")), QStringLiteral("Słownie :   minus  ") + numberInWords(50, u"groszy"));
    // Half a grosz rounds away from zero either side.
    EXPECT_EQ(printedWordsLine(amount("-0.005")), QStringLiteral("Słownie :   minus  ") + numberInWords(1, u"grosz"));
    EXPECT_EQ(printedWordsLine(amount("149.985")),
              QStringLiteral("Słownie :    ") + numberInWords(149, u"złotych") + " " + numberInWords(99, u"groszy"));
}

TEST(PrintedWordsLine, AmountsBeyondTheWordsRangeHaveNoWords)
{
    EXPECT_EQ(printedWordsLine(amount("3e9")), QStringLiteral("Słownie :     "));
    EXPECT_EQ(printedWordsLine(amount("-3e9")), QStringLiteral("Słownie :   minus  "));
    EXPECT_EQ(printedWordsLine(Money::limit()), QStringLiteral("Słownie :     "));
    EXPECT_EQ(printedWordsLine(-Money::limit()), QStringLiteral("Słownie :   minus  "));
}

} // namespace
} // namespace kw
