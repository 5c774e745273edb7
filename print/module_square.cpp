#include "print/module_square.h"

namespace kw {

ModulePlacement placeModules(const PageMetrics& metrics, int x, int y, int side, int modules)
{
    const DotBox area = metrics.box(x, y, side, side);
    ModulePlacement placement;
    if (modules <= 0)
        return placement;
    placement.moduleWidth = (area.right - area.left) / modules;
    placement.moduleHeight = (area.bottom - area.top) / modules;
    const int left = area.left + (area.right - area.left - placement.moduleWidth * modules) / 2;
    const int top = area.top + (area.bottom - area.top - placement.moduleHeight * modules) / 2;
    placement.box = {left, top, left + placement.moduleWidth * modules, top + placement.moduleHeight * modules};
    return placement;
}

} // namespace kw
