#include "app/pictures/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

namespace kw {

namespace {

const QColor maroon(128, 0, 0);
const QColor navy(0, 0, 128);

QPixmap blank(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon commandGlyph()
{
    // Every command shows it: drawn once, then shared from the pixmap cache.
    const QString key = QStringLiteral("kw-command-glyph");
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return QIcon(pixmap);
    pixmap = blank(12);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(maroon.darker(120), 1));
        painter.setBrush(QColor(200, 60, 40));
        painter.drawEllipse(QRectF(0.5, 0.5, 11, 11));
        QPainterPath arrow;
        arrow.moveTo(4.5, 3);
        arrow.lineTo(8.5, 6);
        arrow.lineTo(4.5, 9);
        painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arrow);
    }
    QPixmapCache::insert(key, pixmap);
    return QIcon(pixmap);
}

QIcon magnifierGlyph()
{
    QPixmap pixmap = blank(16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(navy, 1.5));
    painter.setBrush(QColor(220, 235, 255));
    painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    painter.setPen(QPen(navy, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    return QIcon(pixmap);
}

} // namespace kw
