#include "print/pdf_document.h"
#include "print/recording_canvas.h"
#include "tests/print/bill_fixture.h"

#include <QFontMetricsF>
#include <QRectF>
#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

#include <memory>
#include <vector>

namespace kw {
namespace {

const QString mark = QStringLiteral("DUPLIKAT");

BillPrintout duplicateOf(BillPrintout bill, QDate issued = QDate(2026, 1, 9))
{
    bill.duplicateIssued = issued;
    return bill;
}

std::vector<CanvasCall> pageCalls(const BillPrintout& bill)
{
    RecordingCanvas canvas(600, 600);
    canvas.PreparePageMetrics();
    drawBillPage(canvas, bill);
    return canvas.calls();
}

QStringList logOf(const std::vector<CanvasCall>& calls)
{
    QStringList log;
    for (const CanvasCall& call : calls)
        log << describe(call, false);
    return log;
}

bool isDuplicateText(const CanvasCall& call)
{
    return call.kind == CanvasCall::Kind::Text &&
        (call.text == mark || call.text.startsWith(QStringLiteral("Data wystawienia duplikatu: ")));
}

// The area a call covers on the page, in units: a box's outline, or a text's
// advance across and its font's height (ascent and descent) down.
QRectF unitsCovered(const CanvasCall& call)
{
    if (call.kind == CanvasCall::Kind::Box)
        return QRectF(call.x, call.y, call.width, call.height);
    const QFontMetricsF metrics(call.font.applyTo(QFont()));
    return QRectF(call.x, call.y, metrics.horizontalAdvance(call.text) / call.metrics.dotsPerUnitX(),
                  metrics.height() / call.metrics.dotsPerUnitY());
}

// Not a duplicate, the page is drawn call for call as before; a duplicate
// adds its two texts and changes nothing else.
TEST(DuplicatePage, AddsItsTwoTextsToTheBillsOwnDrawing)
{
    for (const BillPrintout& bill : {sampleBill(), sampleCorrectiveBill()}) {
        const QStringList ordinary = logOf(pageCalls(bill));
        EXPECT_TRUE(ordinary.filter(QStringLiteral("DUPLIKAT")).isEmpty());
        EXPECT_TRUE(ordinary.filter(QStringLiteral("duplikatu")).isEmpty());

        std::vector<CanvasCall> calls = pageCalls(duplicateOf(bill));
        const QStringList texts = logOf(calls).filter(QStringLiteral("uplika"), Qt::CaseInsensitive);
        ASSERT_EQ(texts.size(), 2) << texts.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(texts[0].endsWith(QStringLiteral(" DUPLIKAT"))) << texts[0].toStdString();
        EXPECT_TRUE(texts[1].endsWith(QStringLiteral(" Data wystawienia duplikatu: 2026-01-09")))
            << texts[1].toStdString();

        std::erase_if(calls, isDuplicateText);
        EXPECT_EQ(logOf(calls), ordinary);
    }
}

struct HeadCase {
    const char* name;
    bool corrective;
    const char* face;
    int size;
    QString place;
};

class DuplicateHead : public ::testing::TestWithParam<HeadCase>
{};

// Both texts stand in the head (above the seller), bold in the print font's
// face and base size, inside the rule's width, and cross nothing else drawn
// on the page: no text and no box or rule.
TEST_P(DuplicateHead, StandsInThePrintFontWhereNothingElseIs)
{
    const HeadCase& c = GetParam();
    BillPrintout bill = c.corrective ? sampleCorrectiveBill() : sampleBill();
    bill.lettering = {QString::fromLatin1(c.face), c.size, QColor(Qt::black)};
    bill.head.place = c.place;
    const std::vector<CanvasCall> calls = pageCalls(duplicateOf(bill));

    int found = 0;
    for (const CanvasCall& duplicate : calls) {
        if (!isDuplicateText(duplicate))
            continue;
        ++found;
        SCOPED_TRACE(describe(duplicate, false).toStdString());
        EXPECT_EQ(duplicate.font.face, bill.lettering.face);
        EXPECT_EQ(duplicate.font.height, -roundHalfToEven(c.size * 600 / 72.0));
        EXPECT_TRUE(duplicate.font.bold);
        const QRectF area = unitsCovered(duplicate);
        EXPECT_GE(area.left(), 10);
        EXPECT_LE(area.right(), 190);
        EXPECT_GE(area.top(), 5);
        EXPECT_LE(area.bottom(), 15); // the rule under the head

        for (const CanvasCall& other : calls) {
            if (&other == &duplicate || (other.kind != CanvasCall::Kind::Text && other.kind != CanvasCall::Kind::Box))
                continue;
            const QRectF crossed = area.intersected(unitsCovered(other));
            EXPECT_TRUE(crossed.isEmpty()) << "crosses " << describe(other, false).toStdString();
        }
    }
    EXPECT_EQ(found, 2);
}

const QString longestPlace = QString(40, QLatin1Char('W'));

INSTANTIATE_TEST_SUITE_P(
    FontsAndPlaces, DuplicateHead,
    ::testing::Values(HeadCase{"Bill", false, "Arial", 10, QStringLiteral("Kraków")},
                      HeadCase{"CorrectiveBill", true, "Arial", 10, QStringLiteral("Kraków")},
                      HeadCase{"SmallFont", false, "Arial", 8, QStringLiteral("Kraków")},
                      HeadCase{"WideFont", false, "DejaVu Sans", 10, QStringLiteral("Kędzierzyn-Koźle")},
                      HeadCase{"SerifFont", true, "Liberation Serif", 11, QStringLiteral("Kraków")},
                      HeadCase{"PlaceFillingItsField", false, "Arial", 10, longestPlace},
                      HeadCase{"PlaceFillingItsFieldWide", true, "DejaVu Sans", 10, longestPlace}),
    [](const auto& instance) { return std::string(instance.param.name); });

// A place that leaves room keeps "DUPLIKAT" on its line; one that reaches it
// moves it onto the line of the duplicate's date, before the date.
TEST(DuplicatePage, ALongPlaceMovesTheMarkBeforeTheDate)
{
    BillPrintout bill = duplicateOf(sampleBill());
    std::vector<CanvasCall> calls = pageCalls(bill);
    std::erase_if(calls, [](const CanvasCall& call) { return !isDuplicateText(call); });
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].y, 5);
    EXPECT_EQ(calls[1].y, 10);

    bill.head.place = longestPlace;
    bill.lettering.face = QStringLiteral("DejaVu Sans");
    calls = pageCalls(bill);
    std::erase_if(calls, [](const CanvasCall& call) { return !isDuplicateText(call); });
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].y, 10);
    EXPECT_EQ(calls[1].y, 10);
    EXPECT_LT(unitsCovered(calls[0]).right(), calls[1].x);
}

// A recording canvas that hands its log over when its job is done with.
class KeptCanvas : public RecordingCanvas
{
public:
    explicit KeptCanvas(std::vector<QStringList>& jobs) : RecordingCanvas(600, 600), jobs_(jobs) {}
    ~KeptCanvas() override { jobs_.push_back(log()); }

private:
    std::vector<QStringList>& jobs_;
};

TEST(DuplicatePage, EveryCopyCarriesTheMark)
{
    std::vector<QStringList> jobs;
    printBill(duplicateOf(sampleBill()), {QStringLiteral("ORYGINAŁ"), QStringLiteral("KOPIA")},
              [&](int) { return std::make_unique<KeptCanvas>(jobs); });
    ASSERT_EQ(jobs.size(), 2u);
    for (const QStringList& job : jobs) {
        EXPECT_TRUE(job.contains(QStringLiteral("text 172,5 DUPLIKAT"))) << job.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(job.filter(QStringLiteral("Data wystawienia duplikatu: 2026-01-09")).size(), 1);
    }
}

struct TitleCase {
    bool corrective;
    bool duplicate;
    QString title;
    QString fileName;
};

TEST(DuplicatePage, TitleAndFileNameSayDuplicate)
{
    const TitleCase cases[] = {
        {false, false, QStringLiteral("Rachunek 7/2009"), QStringLiteral("Rachunek 7-2009.pdf")},
        {true, false, QStringLiteral("Rachunek korygujący 1/K/2009"),
         QStringLiteral("Rachunek korygujący 1-K-2009.pdf")},
        {false, true, QStringLiteral("Duplikat rachunku 7/2009"), QStringLiteral("Duplikat rachunku 7-2009.pdf")},
        {true, true, QStringLiteral("Duplikat rachunku korygującego 1/K/2009"),
         QStringLiteral("Duplikat rachunku korygującego 1-K-2009.pdf")},
    };
    for (const TitleCase& c : cases) {
        BillPrintout bill = c.corrective ? sampleCorrectiveBill() : sampleBill();
        if (c.duplicate)
            bill = duplicateOf(bill);
        EXPECT_EQ(billTitle(bill), c.title);
        EXPECT_EQ(billPdfFileName(bill), c.fileName);
    }
}

} // namespace
} // namespace kw
