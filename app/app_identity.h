#pragma once

namespace kw {

// Name, version, organisation (for QSettings) and desktop file name of the
// program, so task bars and Wayland find its menu entry and icon.
void setApplicationIdentity();

} // namespace kw
