#include "print/canvas_font.h"
#include "print/page_metrics.h"

#include <gtest/gtest.h>

#include <limits>

namespace kw {
namespace {

TEST(RoundHalfToEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfToEven(37.5), 38);
    EXPECT_EQ(roundHalfToEven(36.5), 36);
    EXPECT_EQ(roundHalfToEven(-37.5), -38);
    EXPECT_EQ(roundHalfToEven(-36.5), -36);
    EXPECT_EQ(roundHalfToEven(83.34), 83);
    EXPECT_EQ(roundHalfToEven(141.67), 142);
    EXPECT_EQ(roundHalfToEven(0.0), 0);
}

struct UnitCase {
    int dpi;
    int dotsPerUnit;
};

class DotsPerUnit : public ::testing::TestWithParam<UnitCase>
{};

TEST_P(DotsPerUnit, IsTheResolutionOver25Rounded)
{
    const PageMetrics m = PageMetrics::forResolution(GetParam().dpi, GetParam().dpi);
    EXPECT_EQ(m.dotsPerUnitX(), GetParam().dotsPerUnit);
    EXPECT_EQ(m.dotsPerUnitY(), GetParam().dotsPerUnit);
}

INSTANTIATE_TEST_SUITE_P(Printers, DotsPerUnit,
                         ::testing::Values(UnitCase{600, 24}, UnitCase{300, 12}, UnitCase{360, 14}, UnitCase{720, 29},
                                           UnitCase{203, 8}, UnitCase{0, 0}));

TEST(PageMetrics, BoxCornersAreUnitsTimesDotsPerUnit)
{
    const PageMetrics m600 = PageMetrics::forResolution(600, 600);
    EXPECT_EQ(m600.box(10, 28, 177, 30), (DotBox{240, 672, 4488, 1392}));

    // 180 units are 2520 dots at 360 dpi: 7.0 inches, not 7.2.
    const PageMetrics m360 = PageMetrics::forResolution(360, 360);
    EXPECT_EQ(m360.box(10, 15, 180, 1), (DotBox{140, 210, 2660, 224}));

    const PageMetrics m600x300 = PageMetrics::forResolution(600, 300);
    EXPECT_EQ(m600x300.box(10, 28, 177, 30), (DotBox{240, 336, 4488, 696}));
}

TEST(PageMetrics, AdjacentBoxesShareTheirEdgeInDots)
{
    const PageMetrics m = PageMetrics::forResolution(360, 203);
    EXPECT_EQ(m.box(10, 135, 100, 8).right, m.box(110, 135, 20, 8).left);
    EXPECT_EQ(m.box(10, 135, 100, 8).bottom, m.box(10, 143, 100, 5).top);
}

TEST(PageMetrics, FontHeightFollowsTheVerticalResolution)
{
    EXPECT_EQ(PageMetrics::forResolution(300, 300).fontHeight(10), -42);
    EXPECT_EQ(PageMetrics::forResolution(600, 600).fontHeight(12), -100);
    EXPECT_EQ(PageMetrics::forResolution(300, 300).fontHeight(9), -38);
    EXPECT_EQ(PageMetrics::forResolution(600, 300).fontHeight(10), -42);
    EXPECT_EQ(PageMetrics::forResolution(600, 600).fontHeight(0), 0);
    EXPECT_EQ(PageMetrics::forResolution(600, 600).fontHeight(-2), 17);
}

TEST(PageMetrics, FontHeightOfAnyStoredSizeIsHeldToTheIntRange)
{
    const PageMetrics m = PageMetrics::forResolution(1200, 1200);
    EXPECT_EQ(m.fontHeight(369140570), -std::numeric_limits<int>::max());
    EXPECT_EQ(m.fontHeight(std::numeric_limits<int>::max()), -std::numeric_limits<int>::max());
    EXPECT_EQ(m.fontHeight(std::numeric_limits<int>::min()), std::numeric_limits<int>::max());
}

TEST(PageMetrics, AreZeroBeforeAnyPrinterIsKnown)
{
    const PageMetrics m;
    EXPECT_EQ(m.box(10, 28, 177, 30), (DotBox{}));
    EXPECT_EQ(m.fontHeight(10), 0);
}

TEST(CanvasFont, EmptyFaceKeepsTheCurrentOneAndLongFacesAreCut)
{
    CanvasFont font;
    font.setFace(QStringLiteral("Arial"));
    font.setFace(QString());
    EXPECT_EQ(font.face, QStringLiteral("Arial"));
    font.setFace(QString(40, QLatin1Char('x')));
    EXPECT_EQ(font.face, QString(31, QLatin1Char('x')));
}

TEST(CanvasFont, StyleFlagOneIsBoldOnlyZeroIsPlainOthersChangeNothing)
{
    CanvasFont font;
    font.italic = font.underline = font.strikeOut = true;
    font.setStyleFlag(1);
    CanvasFont boldOnly;
    boldOnly.bold = true;
    EXPECT_EQ(font, boldOnly);

    font.setStyleFlag(2);
    font.setStyleFlag(255);
    EXPECT_TRUE(font.bold);

    font.underline = true;
    font.setStyleFlag(0);
    EXPECT_EQ(font, CanvasFont{});
}

} // namespace
} // namespace kw
