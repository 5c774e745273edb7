#include "documents/yearly_summary.h"
#include "editing/amount_text.h"
#include "tests/documents/document_builder.h"
#include "tests/support/file_bytes.h"
#include "tests/support/money_printer.h"
#include "tests/support/temp_data_folder.h"

#include <gtest/gtest.h>

#include <limits>

namespace kw {
namespace {

Money amount(const char* typed) { return readAmount(QString::fromLatin1(typed)); }

const QString zeroLabel = QStringLiteral("        0.00 PLN");
const QString zeroBasisLabel = QStringLiteral("        0.00 PLN = 100%");

class YearlySummaryTest : public ::testing::Test
{
protected:
    YearlySummary summarise(const QList<DocumentRecord>& documents, const QString& year,
                            const QString& client = anyClient())
    {
        writeFileBytes(path(), documentFileBytes(documents));
        return computeYearlySummary(systemFileOps(), path(), year, client);
    }
    QString path() const { return folder.paths().documentFile(); }

    TempDataFolder folder;
};

void expectNothingCounted(const YearlySummary& s)
{
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(s.totals[m], Money()) << "month " << m + 1;
        EXPECT_EQ(s.totalLabels[m], zeroLabel) << "month " << m + 1;
        EXPECT_EQ(s.barPositions[m], 0) << "month " << m + 1;
    }
    EXPECT_EQ(s.basisLabel, zeroBasisLabel);
    EXPECT_EQ(s.barMaximum, 0);
    EXPECT_FALSE(s.title.has_value());
    EXPECT_FALSE(s.clientLabel.has_value());
}

TEST_F(YearlySummaryTest, BillsAddTheirLineTotalsToTheirMonth)
{
    const YearlySummary s =
        summarise({billRecord("2009-01-10", "ABC", {"     10.00", "      5.25", ""}),
                   billRecord("2009-01-31", "XYZ", {"   1219.25"}), billRecord("2009-12-01", "XYZ", {"12,50"})},
                  "2009");
    EXPECT_EQ(s.totals[0], amount("1234.5"));
    EXPECT_EQ(s.totals[11], amount("12.5"));
    EXPECT_EQ(s.totalLabels[0], QStringLiteral("     1234.50 PLN"));
    EXPECT_EQ(s.totalLabels[11], QStringLiteral("       12.50 PLN"));
    EXPECT_EQ(s.totalLabels[5], zeroLabel);
    EXPECT_EQ(s.basisLabel, QStringLiteral("     1234.50 PLN = 100%"));
    EXPECT_EQ(s.title, QStringLiteral("Podliczenie dokumentów dla wszystkich klientów"));
    EXPECT_FALSE(s.clientLabel.has_value());
}

TEST_F(YearlySummaryTest, YearIsMatchedAsPartOfTheIssueDate)
{
    const QList<DocumentRecord> documents = {
        billRecord("2009-02-01", "A", {"1"}), billRecord("2010-02-01", "A", {"10"}),
        billRecord("2019-02-01", "A", {"100"}), billRecord("2020-02-01", "A", {"1000"})};
    EXPECT_EQ(summarise(documents, "201").totals[1], amount("110"));
    EXPECT_EQ(summarise(documents, "2009").totals[1], amount("1"));
    EXPECT_EQ(summarise(documents, "02").totals[1], amount("1111"));
    expectNothingCounted(summarise(documents, "2011"));
}

TEST_F(YearlySummaryTest, SentinelAndEmptyTextsNeverMatch)
{
    // The sentinel's issue date is empty and its buyer is "Początek bloczka rachunkowego".
    expectNothingCounted(summarise({}, "2"));
    expectNothingCounted(summarise({}, "2", "Początek"));
    expectNothingCounted(summarise({billRecord("2009-02-01", "ABC", {"5"})}, ""));
    expectNothingCounted(summarise({billRecord("2009-02-01", "ABC", {"5"})}, "2009", ""));
}

TEST_F(YearlySummaryTest, ClientIsMatchedAsCaseSensitivePartOfTheFirstBuyerLine)
{
    const QList<DocumentRecord> documents = {
        billRecord("2009-03-01", "ABC", {"1"}), billRecord("2009-03-02", "ABCD Sp. z o.o.", {"10"}),
        billRecord("2009-03-03", "abc", {"100"}), billRecord("2009-03-04", "Zakład Łódź", {"1000"})};
    const YearlySummary abc = summarise(documents, "2009", "ABC");
    EXPECT_EQ(abc.totals[2], amount("11"));
    EXPECT_EQ(abc.title, QStringLiteral("Podliczenie dokumentów dla wybranego klienta"));
    EXPECT_EQ(abc.clientLabel, QStringLiteral("ABC"));

    EXPECT_EQ(summarise(documents, "2009", "Łódź").totals[2], amount("1000"));
    EXPECT_EQ(summarise(documents, "2009", anyClient()).totals[2], amount("1111"));
    // "dowolny" is a client text like any other, not the choice of every buyer.
    expectNothingCounted(summarise(documents, "2009", "dowolny"));
    // A character the code page cannot hold occurs in no record.
    expectNothingCounted(summarise(documents, "2009", QStringLiteral("ABC\u4e00")));
}

TEST_F(YearlySummaryTest, CorrectiveBillAddsItsChangeToItsOwnMonth)
{
    const YearlySummary s = summarise({billRecord("2009-03-15", "ABC", {"    100.00"}),
                                       correctiveRecord("2009-04-02", "ABC", {"    100.00"}, {"     80.00"})},
                                      "2009");
    EXPECT_EQ(s.totals[2], amount("100"));
    EXPECT_EQ(s.totals[3], amount("-20"));
    EXPECT_EQ(s.totalLabels[3], QStringLiteral("      -20.00 PLN"));
    EXPECT_EQ(s.barPositions[3], 0);
    EXPECT_EQ(s.barPositions[2], 100);
}

TEST_F(YearlySummaryTest, NoPositiveMonthGivesZeroBasisAndEmptyBars)
{
    const YearlySummary s = summarise({correctiveRecord("2009-05-02", "A", {"100", "50"}, {"80"}),
                                       correctiveRecord("2009-06-02", "A", {"10"}, {"10"})},
                                      "2009");
    EXPECT_EQ(s.totals[4], amount("-70"));
    EXPECT_EQ(s.totalLabels[4], QStringLiteral("      -70.00 PLN"));
    EXPECT_EQ(s.basis, Money());
    EXPECT_EQ(s.basisLabel, zeroBasisLabel);
    EXPECT_EQ(s.barMaximum, 0);
    for (int bar : s.barPositions)
        EXPECT_EQ(bar, 0);
    EXPECT_TRUE(s.title.has_value()) << "records were counted even though nothing is positive";
}

// The stored texts are added as the decimals they are, then rounded half
// away from zero: binary fractions would lose the half grosz.
TEST_F(YearlySummaryTest, MonthTotalsAreSummedExactly)
{
    const YearlySummary s =
        summarise({billRecord("2009-01-05", "A", {"  149.985"}), billRecord("2009-02-05", "A", {"0.105", "2.57"}),
                   correctiveRecord("2009-03-05", "A", {"   20.005"}, {}),
                   billRecord("2009-04-05", "A", {"0.1", "0.2"}), billRecord("2009-04-06", "A", {"-0.3"})},
                  "2009");
    const struct {
        int month;
        const char* label;
    } cases[] = {{1, "      149.99 PLN"}, {2, "        2.68 PLN"}, {3, "      -20.01 PLN"}, {4, "        0.00 PLN"}};
    for (const auto& c : cases)
        EXPECT_EQ(s.totalLabels[c.month - 1], QString::fromLatin1(c.label)) << "month " << c.month;
    EXPECT_EQ(s.totals[3], Money());
    EXPECT_EQ(s.basisLabel, QStringLiteral("      149.99 PLN = 100%"));
    EXPECT_EQ(s.barPositions[0], 150);
}

// Totals no bill comes near stay at the largest amount instead of wrapping.
TEST_F(YearlySummaryTest, HugeTotalsAreHeldAtTheLimit)
{
    const QStringList huge = {"900000000000000", "900000000000000", "900000000000000"};
    const YearlySummary s = summarise({billRecord("2009-05-05", "A", huge), billRecord("2009-05-06", "A", huge),
                                       correctiveRecord("2009-06-05", "A", huge, {})},
                                      "2009");
    EXPECT_EQ(s.totals[4], Money::limit());
    EXPECT_EQ(s.totals[5], -Money::limit());
    EXPECT_EQ(s.totalLabels[4], QStringLiteral("922337203685477.58 PLN"));
    EXPECT_EQ(s.totalLabels[5], QStringLiteral("-922337203685477.58 PLN"));
    EXPECT_EQ(s.barMaximum, std::numeric_limits<int>::max());
    EXPECT_EQ(s.barPositions[4], std::numeric_limits<int>::max());
    EXPECT_EQ(s.barPositions[5], 0);
}

TEST_F(YearlySummaryTest, BarsAreWholeZlotyRelativeToTheLargestMonth)
{
    const YearlySummary s =
        summarise({billRecord("2009-01-05", "A", {"1000.50"}), billRecord("2009-02-05", "A", {"2000.49"}),
                   billRecord("2009-03-05", "A", {"1001.50"})},
                  "2009");
    EXPECT_EQ(s.basisLabel, QStringLiteral("     2000.49 PLN = 100%"));
    EXPECT_EQ(s.barMaximum, 2000);
    EXPECT_EQ(s.barPositions[0], 1000);
    EXPECT_EQ(s.barPositions[1], 2000);
    EXPECT_EQ(s.barPositions[2], 1002);
}

TEST(BarCount, RoundsHalvesToEvenAndStaysWithinABar)
{
    const struct {
        Money amount;
        int bar;
    } cases[] = {{amount("0"), 0},
                 {amount("0.5"), 0},
                 {amount("1.5"), 2},
                 {amount("2.5"), 2},
                 {amount("2.51"), 3},
                 {amount("2.5001"), 3},
                 {amount("1000.5"), 1000},
                 {amount("1001.5"), 1002},
                 {amount("2000.49"), 2000},
                 {amount("-3"), 0},
                 {amount("-0.4"), 0},
                 {amount("1e12"), std::numeric_limits<int>::max()},
                 {Money::limit(), std::numeric_limits<int>::max()},
                 {-Money::limit(), 0}};
    for (const auto& c : cases)
        EXPECT_EQ(barCount(c.amount), c.bar) << c.amount.units();
}

TEST_F(YearlySummaryTest, RecordsWithoutAMonthOrOfAnotherKindAreSkipped)
{
    DocumentRecord otherKind = billRecord("2009-07-01", "A", {"7"});
    otherKind.set(doc::DocKind, QStringLiteral("X"));
    const QList<DocumentRecord> skipped = {billRecord("2009-13-01", "A", {"1"}), billRecord("2009-00-01", "A", {"2"}),
                                           billRecord("2009-5-07", "A", {"3"}), billRecord("2009", "A", {"4"}),
                                           otherKind};
    expectNothingCounted(summarise(skipped, "2009"));

    QList<DocumentRecord> withOne = skipped;
    withOne.append(billRecord("2009-07-09", "A", {"9"}));
    const YearlySummary s = summarise(withOne, "2009");
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(s.totals[m], amount(m == 6 ? "9" : "0")) << "month " << m + 1;
}

} // namespace
} // namespace kw
