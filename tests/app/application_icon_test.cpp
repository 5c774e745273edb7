#include "app/pictures/pictures.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace kw;

namespace {

// The icon file is an SVG: without Qt's SVG plugin the window would show none.
TEST(ApplicationIcon, IsDrawnFromTheSvgAtEverySize)
{
    const QIcon icon = applicationIcon();
    for (int side : {16, 32, 48, 256}) {
        const QImage picture = icon.pixmap(side).toImage();
        ASSERT_EQ(picture.size(), QSize(side, side)) << side;
        EXPECT_GT(qAlpha(picture.pixel(side / 2, side / 2)), 0) << side;
    }
}

} // namespace
