#include "print/printed_amounts.h"
#include "tests/print/bill_fixture.h"

#include "editing/number_words.h"

#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

namespace kw {
namespace {

TEST(PrintedAmounts, CorrectiveBillPaysTheDifferenceOfItsTables)
{
    const PrintedAmounts amounts = printedAmounts(sampleCorrectiveBill().document);
    EXPECT_DOUBLE_EQ(amounts.beforeCorrection, 50.0);
    EXPECT_DOUBLE_EQ(amounts.afterCorrection, 30.0);
    EXPECT_DOUBLE_EQ(amounts.payable, -20.0);
}

TEST(PrintedAmounts, BillPaysItsOwnTotalWhateverTheCorrectionTableHolds)
{
    BillPrintout bill = sampleBill();
    setLine(bill.document, LineTable::Correction, 1, {"x", "", "", "", "", "   99.00"});
    EXPECT_DOUBLE_EQ(printedAmounts(bill.document).payable, 12.5);
}

TEST(PrintedAmounts, AmountsAreTwelveWideWithPln)
{
    EXPECT_EQ(printedAmount(12.5), QStringLiteral("       12.50 PLN"));
    EXPECT_EQ(printedAmount(-20.0), QStringLiteral("      -20.00 PLN"));
    EXPECT_EQ(printedAmount(0.0), QStringLiteral("        0.00 PLN"));
}

// The words say the amount exactly as the figures print it.
TEST(PrintedWordsLine, WordsFollowTheRoundedFigure)
{
    EXPECT_EQ(printedWordsLine(0.125), QStringLiteral("Słownie :     ") + numberInWords(13, u"groszy"));
    EXPECT_EQ(printedWordsLine(12.9975), QStringLiteral("Słownie :    ") + numberInWords(13, u"złotych") + " ");
    // Shows as 0.00, so it is not "minus" anything.
    EXPECT_EQ(printedAmount(-0.004), QStringLiteral("        0.00 PLN"));
    EXPECT_EQ(printedWordsLine(-0.004), QStringLiteral("Słownie :     "));
    EXPECT_EQ(printedWordsLine(-0.5), QStringLiteral("Słownie :   minus  ") + numberInWords(50, u"groszy"));
}

TEST(PrintedWordsLine, AmountsBeyondTheWordsRangeHaveNoWords)
{
    EXPECT_EQ(printedWordsLine(3e9), QStringLiteral("Słownie :     "));
    EXPECT_EQ(printedWordsLine(-3e9), QStringLiteral("Słownie :   minus  "));
}

} // namespace
} // namespace kw
