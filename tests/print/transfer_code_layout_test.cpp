#include "print/bill_printout.h"
#include "print/recording_canvas.h"
#include "tests/print/bill_fixture.h"

#include <QFontMetricsF>
#include <QRectF>
#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

#include <algorithm>

namespace kw {
namespace {

constexpr double mmPerInch = 25.4;

BillPrintout transferBill()
{
    BillPrintout bill = sampleBill();
    bill.transferCode = true;
    bill.head.paymentMethod = QStringLiteral("Przelew");
    bill.seller.set(company::SellerTaxId, QStringLiteral("676-123-45-65"));
    bill.seller.set(company::SellerAccount, QStringLiteral("61 1090 1014 0000 0712 1981 2874"));
    return bill;
}

std::vector<CanvasCall> pageCalls(const BillPrintout& bill, int dpiX, int dpiY)
{
    RecordingCanvas canvas(dpiX, dpiY);
    canvas.PreparePageMetrics();
    drawBillPage(canvas, bill);
    return canvas.calls();
}

std::vector<CanvasCall> codesOf(const std::vector<CanvasCall>& calls)
{
    std::vector<CanvasCall> codes;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(codes),
                 [](const CanvasCall& c) { return c.kind == CanvasCall::Kind::Modules; });
    return codes;
}

QRectF dotRect(const DotBox& box) { return QRectF(box.left, box.top, box.right - box.left, box.bottom - box.top); }

// What a text call covers in dots: its advance across, the font's full line
// height down, cut at its clip.
QRectF textRect(const CanvasCall& call)
{
    const QFontMetricsF metrics(call.font.applyTo(QFont()));
    double right = call.dots.left + call.font.dotsAcross(call.text);
    if (call.clipRight != 0)
        right = std::min(right, double(call.metrics.xDots(call.clipRight)));
    return QRectF(QPointF(call.dots.left, call.dots.top), QPointF(right, call.dots.top + metrics.height()));
}

struct Resolution {
    int dpiX;
    int dpiY;
};

class TransferCodeOnPage : public ::testing::TestWithParam<Resolution>
{};

// The code covers nothing the page draws, lies on the A4 sheet and is at
// least 18 mm across and down, quiet zone included; with a large print font,
// long buyer lines, footnote and signature too.
TEST_P(TransferCodeOnPage, StandsAloneOnThePageAtEighteenMillimetresOrMore)
{
    const Resolution r = GetParam();
    BillPrintout large = transferBill();
    large.lettering = {QStringLiteral("Liberation Serif"), 20, QColor(Qt::black)};
    large.footnote = QString(60, QLatin1Char('W'));
    large.head.signature = QString(30, QLatin1Char('W'));
    large.head.buyerLines[3] = QString(60, QLatin1Char('W'));
    for (const BillPrintout& bill : {transferBill(), large}) {
        const std::vector<CanvasCall> calls = pageCalls(bill, r.dpiX, r.dpiY);
        const std::vector<CanvasCall> codes = codesOf(calls);
        ASSERT_EQ(codes.size(), 1u);
        const CanvasCall& code = codes.front();
        const QRectF area = dotRect(code.dots);

        EXPECT_GE(area.width() / r.dpiX * mmPerInch, 18.0);
        EXPECT_GE(area.height() / r.dpiY * mmPerInch, 18.0);
        EXPECT_GE(area.left(), 0);
        EXPECT_GE(area.top(), 0);
        EXPECT_LE(area.right(), 210.0 / mmPerInch * r.dpiX);
        EXPECT_LE(area.bottom(), 297.0 / mmPerInch * r.dpiY);
        // Inside the square the layout set aside for it.
        EXPECT_TRUE(dotRect(code.metrics.box(code.x, code.y, code.width, code.height)).contains(area));

        for (const CanvasCall& call : calls) {
            SCOPED_TRACE(describe(call, true).toStdString());
            if (call.kind == CanvasCall::Kind::Box) {
                EXPECT_FALSE(dotRect(call.dots).intersects(area));
            }
            if (call.kind == CanvasCall::Kind::Text && !call.text.isEmpty()) {
                EXPECT_FALSE(textRect(call).intersects(area)) << describe(code, true).toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Printers, TransferCodeOnPage,
                         ::testing::Values(Resolution{600, 600}, Resolution{300, 300}, Resolution{360, 360},
                                           Resolution{1200, 1200}, Resolution{600, 300}, Resolution{150, 150}),
                         [](const ::testing::TestParamInfo<Resolution>& printer) {
                             return std::to_string(printer.param.dpiX) + "x" + std::to_string(printer.param.dpiY);
                         });

TEST(TransferCodeOnPage, TheModulesAreWholeDotsWithAQuietZoneOfFour)
{
    const CanvasCall code = codesOf(pageCalls(transferBill(), 600, 600)).front();
    const int side = code.modules.side;
    ASSERT_GE(side, 21 + 8);
    EXPECT_EQ((code.dots.right - code.dots.left) % side, 0);
    EXPECT_EQ(code.dots.right - code.dots.left, code.dots.bottom - code.dots.top);
    for (int i = 0; i < side; ++i) {
        for (int edge = 0; edge < 4; ++edge) {
            EXPECT_FALSE(code.modules.isDark(i, edge));
            EXPECT_FALSE(code.modules.isDark(edge, i));
            EXPECT_FALSE(code.modules.isDark(i, side - 1 - edge));
            EXPECT_FALSE(code.modules.isDark(side - 1 - edge, i));
        }
    }
    // The finder pattern's dark corner, just inside the quiet zone.
    EXPECT_TRUE(code.modules.isDark(4, 4));
    EXPECT_TRUE(code.modules.isDark(side - 5, 4));
    EXPECT_TRUE(code.modules.isDark(4, side - 5));
}

TEST(TransferCodeOnPage, IsLeftOutWhenSwitchedOffOrTheBillAsksForNoTransfer)
{
    BillPrintout off = transferBill();
    off.transferCode = false;
    BillPrintout cash = transferBill();
    cash.head.paymentMethod = QStringLiteral("Gotówka");
    BillPrintout noAccount = transferBill();
    noAccount.seller.set(company::SellerAccount, QString());
    BillPrintout corrective = sampleCorrectiveBill();
    corrective.transferCode = true;
    corrective.head.paymentMethod = QStringLiteral("Przelew");
    corrective.seller = transferBill().seller;
    for (const BillPrintout& bill : {off, cash, noAccount, corrective})
        EXPECT_TRUE(codesOf(pageCalls(bill, 600, 600)).empty());
}

// A canvas that hands its log over when the job is done with it.
class KeptCanvas : public RecordingCanvas
{
public:
    explicit KeptCanvas(std::vector<QStringList>& jobs) : RecordingCanvas(600, 600), jobs_(jobs) {}
    ~KeptCanvas() override { jobs_.push_back(log()); }

private:
    std::vector<QStringList>& jobs_;
};

TEST(TransferCodeOnPage, EveryCopyCarriesTheSameCode)
{
    std::vector<QStringList> jobs;
    printBill(transferBill(), {QStringLiteral("ORYGINAŁ"), QStringLiteral("KOPIA")},
              [&jobs](int) { return std::make_unique<KeptCanvas>(jobs); });
    ASSERT_EQ(jobs.size(), 2u);
    for (const QStringList& job : jobs)
        EXPECT_EQ(job.filter(QStringLiteral("modules ")), QStringList{QStringLiteral("modules 10,232,24 45x45")});
}

} // namespace
} // namespace kw
