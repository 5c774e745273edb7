#include "print/painter_canvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

namespace kw {
namespace {

// A page with no job of its own: a strip of paper at 600 dpi.
class StripCanvas : public PainterCanvas
{
public:
    using PainterCanvas::PainterCanvas;
    void SetPortrait() override {}
    void BeginJob() override {}
    void EndJob() override {}
};

constexpr int dotsPerUnit = 24; // at 600 dpi

// A strip 120 units wide and 30 high with what `draw` puts on it.
QImage strip(const std::function<void(PrintCanvas&)>& draw)
{
    QImage image(120 * dotsPerUnit, 30 * dotsPerUnit, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(600 / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    StripCanvas canvas(painter);
    canvas.PreparePageMetrics();
    draw(canvas);
    return image;
}

bool inked(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The corrective amounts stand 4 units apart in Courier New 12 pt bold, a
// line taller than that: each line leaves the descenders of the line above
// as they were.
TEST(PainterCanvas, ALineLeavesTheDescendersOfTheLineAbove)
{
    const auto firstLine = [](PrintCanvas& canvas) {
        canvas.SetPrintFont(QStringLiteral("Courier New"), 12);
        canvas.SetBold(1);
        canvas.PrintText(10, 8, QStringLiteral("Do zapłaty pierwotnie było:"));
    };
    const QImage alone = strip(firstLine);
    const QImage both = strip([&](PrintCanvas& canvas) {
        firstLine(canvas);
        canvas.PrintText(10, 12, QStringLiteral("Do zapłaty po korekcie jest:"));
    });

    int descenderDots = 0;
    int lost = 0;
    for (int y = 12 * dotsPerUnit; y < 14 * dotsPerUnit; ++y) {
        for (int x = 0; x < alone.width(); ++x) {
            if (inked(alone, x, y)) {
                ++descenderDots;
                if (!inked(both, x, y))
                    ++lost;
            }
        }
    }
    ASSERT_GT(descenderDots, 0) << "the first line has no descenders below y 12";
    EXPECT_EQ(lost, 0) << "of " << descenderDots << " dots of descenders";
}

// A table cell's text ends a dot short of its column's right edge, where the
// column's outline runs, however long the text.
TEST(PainterCanvas, ClippedTextStaysLeftOfItsEdge)
{
    const QImage image = strip([](PrintCanvas& canvas) {
        canvas.SetPrintFont(QStringLiteral("Courier New"), 13);
        canvas.PrintTextClipped(11, 9, QStringLiteral("96.02.11.0 i jeszcze dalej"), 30);
        canvas.PrintText(11, 20, QStringLiteral("96.02.11.0 i jeszcze dalej"));
    });
    const int edge = 30 * dotsPerUnit - 1;
    const auto inkIn = [&](int left, int right, int topUnit, int bottomUnit) {
        int dots = 0;
        for (int x = left; x < right; ++x)
            for (int y = topUnit * dotsPerUnit; y < bottomUnit * dotsPerUnit; ++y)
                dots += inked(image, x, y);
        return dots;
    };
    EXPECT_GT(inkIn(11 * dotsPerUnit, edge, 8, 15), 0);
    EXPECT_EQ(inkIn(edge, image.width(), 8, 15), 0);
    EXPECT_GT(inkIn(edge, image.width(), 19, 26), 0) << "unclipped, the same text runs past the edge";
}

} // namespace
} // namespace kw
