#pragma once

#include <QPixmap>

// The window's decorative pictures, stored as JPEG in the program's
// resources and decoded with libjpeg. A null pixmap if a picture is damaged.
QPixmap commandColumnPicture(); // Image1
QPixmap handOffPicture();       // Image5
