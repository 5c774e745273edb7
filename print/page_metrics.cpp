#include "print/page_metrics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kw {

int roundHalfToEven(double value)
{
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction < 0.5)
        return int(down);
    if (fraction > 0.5)
        return int(down) + 1;
    return std::fmod(down, 2.0) == 0.0 ? int(down) : int(down) + 1;
}

PageMetrics PageMetrics::forResolution(int dotsPerInchX, int dotsPerInchY)
{
    PageMetrics m;
    m.resolutionX_ = dotsPerInchX;
    m.resolutionY_ = dotsPerInchY;
    m.dotsPerUnitX_ = roundHalfToEven(dotsPerInchX / 25.0);
    m.dotsPerUnitY_ = roundHalfToEven(dotsPerInchY / 25.0);
    return m;
}

DotBox PageMetrics::box(int x, int y, int width, int height) const
{
    return {xDots(x), yDots(y), xDots(x + width), yDots(y + height)};
}

int PageMetrics::fontHeight(int points) const
{
    // In double, so no stored size can overflow; the result is held to what an
    // int can carry.
    const double dots = double(points) * resolutionY_ / 72.0;
    constexpr double limit = std::numeric_limits<int>::max();
    return -roundHalfToEven(std::clamp(dots, -limit, limit));
}

int PageMetrics::unitsCovering(double dots) const
{
    return dotsPerUnitX_ > 0 ? int(std::ceil(dots / dotsPerUnitX_)) : 0;
}

} // namespace kw
