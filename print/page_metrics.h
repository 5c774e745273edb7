#pragma once

#include <QtGlobal>

namespace kw {

// Rounds to the nearest integer; a value exactly halfway goes to the even
// neighbour (37.5 gives 38, 36.5 gives 36).
int roundHalfToEven(double value);

// A rectangle in printer dots: corners (left, top) and (right, bottom).
struct DotBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const DotBox&, const DotBox&) = default;
};

// Turns print units (1/25 inch, laid out as if they were millimetres) into
// printer dots. Each axis has its own resolution; the dots per unit are
// rounded to a whole number first, so the real unit depends on the printer
// (24 dots at 600 dpi, 14 at 360 dpi) and boxes sharing an edge in units
// share it exactly in dots. All values are 0 until a printer's are known.
class PageMetrics
{
public:
    PageMetrics() = default;
    static PageMetrics forResolution(int dotsPerInchX, int dotsPerInchY);

    int resolutionX() const { return resolutionX_; }
    int resolutionY() const { return resolutionY_; }
    int dotsPerUnitX() const { return dotsPerUnitX_; }
    int dotsPerUnitY() const { return dotsPerUnitY_; }

    int xDots(int units) const { return units * dotsPerUnitX_; }
    int yDots(int units) const { return units * dotsPerUnitY_; }
    DotBox box(int x, int y, int width, int height) const;
    // The whole units across that cover `dots` dots (rounded up).
    int unitsCovering(double dots) const;

    // The font height in dots for a size in points, from the vertical
    // resolution itself: negative, i.e. a character height without the
    // internal leading (12 pt at 600 dpi gives -100). Sizes of 0 or below go
    // through the same formula.
    int fontHeight(int points) const;

private:
    int resolutionX_ = 0;
    int resolutionY_ = 0;
    int dotsPerUnitX_ = 0;
    int dotsPerUnitY_ = 0;
};

} // namespace kw
