#pragma once

#include "print/page_metrics.h"

#include <vector>

namespace kw {

// A square of dark and light modules, a 2D code's image, row by row.
struct ModuleSquare {
    int side = 0; // modules across, and down
    std::vector<bool> dark;

    bool isDark(int column, int row) const { return dark[std::size_t(row) * side + column]; }
};

// Where the modules of a square `modules` across go in the square of `side`
// units at (x, y): each module the most whole dots that fit on each axis, so
// every module is printed alike, the whole centred in the square.
struct ModulePlacement {
    DotBox box;
    int moduleWidth = 0; // dots
    int moduleHeight = 0;
};

ModulePlacement placeModules(const PageMetrics& metrics, int x, int y, int side, int modules);

} // namespace kw
