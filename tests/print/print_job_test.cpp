#include "print/print_error.h"
#include "print/printed_copies.h"
#include "print/recording_canvas.h"
#include "tests/print/bill_fixture.h"

#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

#include <vector>

namespace kw {
namespace {

// A recording canvas that hands its log over when its job is done with.
class KeptCanvas : public RecordingCanvas
{
public:
    explicit KeptCanvas(std::vector<QStringList>& jobs) : RecordingCanvas(600, 600), jobs_(jobs) {}
    ~KeptCanvas() override { jobs_.push_back(log()); }

private:
    std::vector<QStringList>& jobs_;
};

enum class Failure { None, AtBegin, AtEnd, NoCanvas };

// Makes canvases for the copies; the canvas of copy `failingCopy` fails.
struct Jobs {
    std::vector<QStringList> logs;
    std::vector<int> copiesAsked;
    int failingCopy = 0;
    Failure failure = Failure::None;

    CanvasFactory factory()
    {
        return [this](int copy) -> std::unique_ptr<PrintCanvas> {
            copiesAsked.push_back(copy);
            const Failure f = copy == failingCopy ? failure : Failure::None;
            if (f == Failure::NoCanvas)
                throw PrintError(QStringLiteral("Brak drukarki."));
            auto canvas = std::make_unique<KeptCanvas>(logs);
            if (f == Failure::AtBegin)
                canvas->failAt(CanvasCall::Kind::BeginJob);
            if (f == Failure::AtEnd)
                canvas->failAt(CanvasCall::Kind::EndJob);
            return canvas;
        };
    }
};

TEST(PrintBill, EachCopyIsAJobOfItsOwnWithTheSamePage)
{
    Jobs jobs;
    BillPrintout bill = sampleBill();
    bill.lettering.colour = QColor(0x12, 0x34, 0x56);
    printBill(bill, 3, jobs.factory());

    EXPECT_EQ(jobs.copiesAsked, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(jobs.logs.size(), 3u);
    const QStringList& first = jobs.logs[0];
    EXPECT_EQ(first.mid(0, 4), (QStringList{"colour #123456", "portrait", "begin", "metrics 600x600 24x24"}));
    EXPECT_EQ(first.mid(first.size() - 2), (QStringList{"end", "portrait"}));
    EXPECT_EQ(first.count(QStringLiteral("text 115,87 ORYGINAŁ / KOPIA")), 1);
    expectSameLog(jobs.logs[1], first);
    expectSameLog(jobs.logs[2], first);
}

TEST(PrintBill, NoCopiesPrintNothing)
{
    for (int copies : {0, -1}) {
        Jobs jobs;
        printBill(sampleBill(), copies, jobs.factory());
        EXPECT_TRUE(jobs.copiesAsked.empty()) << copies;
    }
}

struct FailureCase {
    const char* name;
    Failure failure;
    QString reason;
    size_t logsKept; // jobs whose canvas was made, the failed one included
};

class FailingJob : public ::testing::TestWithParam<FailureCase>
{};

TEST_P(FailingJob, IsReportedAndTheRemainingCopiesAreNotPrinted)
{
    Jobs jobs;
    jobs.failingCopy = 2;
    jobs.failure = GetParam().failure;

    try {
        printBill(sampleBill(), 3, jobs.factory());
        FAIL() << "a failed job must be reported";
    } catch (const PrintError& error) {
        EXPECT_TRUE(error.message().startsWith(
            QStringLiteral("Kopia 2 z 3 nie została wydrukowana. Pozostałych kopii nie drukowano.\n")))
            << error.message().toStdString();
        EXPECT_TRUE(error.message().endsWith(GetParam().reason)) << error.message().toStdString();
    }
    EXPECT_EQ(jobs.copiesAsked, (std::vector<int>{1, 2}));
    ASSERT_EQ(jobs.logs.size(), GetParam().logsKept);
    EXPECT_EQ(jobs.logs[0].last(), QStringLiteral("portrait"));
    if (GetParam().failure == Failure::AtBegin) {
        EXPECT_EQ(jobs.logs[1], (QStringList{"colour #000000", "portrait"}));
    }
    if (GetParam().failure == Failure::AtEnd) {
        EXPECT_EQ(jobs.logs[1].last(), QStringLiteral("text 10,261 Wydruk generowany z programu Kwitarnia"));
    }
}

INSTANTIATE_TEST_SUITE_P(Copies, FailingJob,
                         ::testing::Values(FailureCase{"CannotStart", Failure::AtBegin,
                                                       "Nie można rozpocząć wydruku na drukarce testowej.", 2},
                                           FailureCase{"FailsAtTheEnd", Failure::AtEnd,
                                                       "Wydruk na drukarce testowej nie powiódł się.", 2},
                                           FailureCase{"NoPrinter", Failure::NoCanvas, "Brak drukarki.", 1}),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(PrintBill, SingleFailedCopySaysTheBillWasNotPrinted)
{
    Jobs jobs;
    jobs.failingCopy = 1;
    jobs.failure = Failure::AtEnd;
    try {
        printBill(sampleBill(), 1, jobs.factory());
        FAIL() << "a failed job must be reported";
    } catch (const PrintError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Rachunek nie został wydrukowany.\n"
                                 "Wydruk na drukarce testowej nie powiódł się."));
    }
}

TEST(PrintBill, TheFirstCopyFailingSaysTheBillWasNotPrinted)
{
    Jobs jobs;
    jobs.failingCopy = 1;
    jobs.failure = Failure::AtBegin;
    try {
        printBill(sampleBill(), 3, jobs.factory());
        FAIL() << "a failed job must be reported";
    } catch (const PrintError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Rachunek nie został wydrukowany.\n"
                                 "Nie można rozpocząć wydruku na drukarce testowej."));
    }
    EXPECT_EQ(jobs.copiesAsked, (std::vector<int>{1}));
}

TEST(PrintBill, EachCopyCarriesItsOwnLabel)
{
    Jobs jobs;
    printBill(sampleBill(), QStringList{QStringLiteral("ORYGINAŁ"), QStringLiteral("KOPIA")}, jobs.factory());
    ASSERT_EQ(jobs.logs.size(), 2u);
    QStringList second = jobs.logs[1];
    ASSERT_EQ(second.count(QStringLiteral("text 115,87 KOPIA")), 1);
    second.replaceInStrings(QStringLiteral("text 115,87 KOPIA"), QStringLiteral("text 115,87 ORYGINAŁ"));
    EXPECT_EQ(jobs.logs[0].count(QStringLiteral("text 115,87 ORYGINAŁ")), 1);
    expectSameLog(second, jobs.logs[0]);
}

struct LabelCase {
    QString settingsLabel;
    int stored;
    int chosen;
    QStringList labels;
};

class CopyLabels : public ::testing::TestWithParam<LabelCase>
{};

// The count left as offered prints the settings' label on every copy; a
// count changed in the print dialog labels the copies after the first as
// copies, in the label's own capitals.
TEST_P(CopyLabels, FollowTheCountChosenInThePrintDialog)
{
    const LabelCase& c = GetParam();
    EXPECT_EQ(copyLabels(c.settingsLabel, c.stored, c.chosen), c.labels);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CopyLabels,
    ::testing::Values(LabelCase{"ORYGINAŁ / KOPIA", 3, 3, {"ORYGINAŁ / KOPIA", "ORYGINAŁ / KOPIA", "ORYGINAŁ / KOPIA"}},
                      LabelCase{"oryginał", 0, 1, {"oryginał"}}, LabelCase{"oryginał", 0, 2, {"oryginał", "kopia"}},
                      LabelCase{"ORYGINAŁ", 1, 3, {"ORYGINAŁ", "KOPIA", "KOPIA"}},
                      LabelCase{"Oryginał", 2, 3, {"Oryginał", "Kopia", "Kopia"}},
                      LabelCase{"oryginał", 3, 1, {"oryginał"}}, LabelCase{"", 1, 2, {"", "kopia"}}));

TEST(OfferedCopies, AreTheStoredCountAndAtLeastOne)
{
    EXPECT_EQ(offeredCopies(0), 1);
    EXPECT_EQ(offeredCopies(-3), 1);
    EXPECT_EQ(offeredCopies(1), 1);
    EXPECT_EQ(offeredCopies(5), 5);
}

} // namespace
} // namespace kw
