#pragma once

#include <QPalette>

namespace kw {

// The window's colours in every role and group, set on the window so that a
// dark desktop theme or another application palette leaves it as designed.
QPalette designedPalette();

} // namespace kw
