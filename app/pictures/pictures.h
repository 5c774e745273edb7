#pragma once

#include <QIcon>
#include <QPixmap>

namespace kw {

// The window's decorative pictures, stored as JPEG in the program's
// resources and decoded with libjpeg. A null pixmap if a picture is damaged.
QPixmap commandColumnPicture(); // Image1
QPixmap handOffPicture();       // Image5

// The program's icon, from the same SVG file the menu entry uses (drawn by
// Qt's SVG plugin).
QIcon applicationIcon();

} // namespace kw
