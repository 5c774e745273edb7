#include "extras/yearly_summary.h"
#include "tests/extras/document_builder.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <gtest/gtest.h>

#include <limits>

namespace kw {
namespace {

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
        EXPECT_EQ(s.totals[m], 0.0) << "month " << m + 1;
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
    EXPECT_DOUBLE_EQ(s.totals[0], 1234.5);
    EXPECT_DOUBLE_EQ(s.totals[11], 12.5);
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
    EXPECT_DOUBLE_EQ(summarise(documents, "201").totals[1], 110.0);
    EXPECT_DOUBLE_EQ(summarise(documents, "2009").totals[1], 1.0);
    EXPECT_DOUBLE_EQ(summarise(documents, "02").totals[1], 1111.0);
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
    EXPECT_DOUBLE_EQ(abc.totals[2], 11.0);
    EXPECT_EQ(abc.title, QStringLiteral("Podliczenie dokumentów dla wybranego klienta"));
    EXPECT_EQ(abc.clientLabel, QStringLiteral("ABC"));

    EXPECT_DOUBLE_EQ(summarise(documents, "2009", "Łódź").totals[2], 1000.0);
    EXPECT_DOUBLE_EQ(summarise(documents, "2009", anyClient()).totals[2], 1111.0);
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
    EXPECT_DOUBLE_EQ(s.totals[2], 100.0);
    EXPECT_DOUBLE_EQ(s.totals[3], -20.0);
    EXPECT_EQ(s.totalLabels[3], QStringLiteral("      -20.00 PLN"));
    EXPECT_EQ(s.barPositions[3], 0);
    EXPECT_EQ(s.barPositions[2], 100);
}

TEST_F(YearlySummaryTest, NoPositiveMonthGivesZeroBasisAndEmptyBars)
{
    const YearlySummary s = summarise({correctiveRecord("2009-05-02", "A", {"100", "50"}, {"80"}),
                                       correctiveRecord("2009-06-02", "A", {"10"}, {"10"})},
                                      "2009");
    EXPECT_DOUBLE_EQ(s.totals[4], -70.0);
    EXPECT_EQ(s.totalLabels[4], QStringLiteral("      -70.00 PLN"));
    EXPECT_EQ(s.basis, 0.0);
    EXPECT_EQ(s.basisLabel, zeroBasisLabel);
    EXPECT_EQ(s.barMaximum, 0);
    for (int bar : s.barPositions)
        EXPECT_EQ(bar, 0);
    EXPECT_TRUE(s.title.has_value()) << "records were counted even though nothing is positive";
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
        double amount;
        int bar;
    } cases[] = {{0.0, 0},
                 {0.5, 0},
                 {1.5, 2},
                 {2.5, 2},
                 {2.51, 3},
                 {1000.5, 1000},
                 {1001.5, 1002},
                 {2000.49, 2000},
                 {-3.0, 0},
                 {-0.4, 0},
                 {1e12, std::numeric_limits<int>::max()},
                 {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& c : cases)
        EXPECT_EQ(barCount(c.amount), c.bar) << c.amount;
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
        EXPECT_DOUBLE_EQ(s.totals[m], m == 6 ? 9.0 : 0.0) << "month " << m + 1;
}

} // namespace
} // namespace kw
