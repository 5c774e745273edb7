#pragma once

#include <QIcon>

// Name, version, organisation (for QSettings) and desktop file name of the
// program, so task bars and Wayland find its menu entry and icon.
void setApplicationIdentity();

// The program's icon, from the same SVG file the menu entry uses.
QIcon applicationIcon();
