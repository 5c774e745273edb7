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

namespace {

QPixmap commandGlyphPixmap(const QString& key, const QColor& fill, const QColor& edge)
{
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = blank(12);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(edge, 1));
        painter.setBrush(fill);
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
    return pixmap;
}

} // namespace

QIcon commandGlyph()
{
    // Every command shows it: drawn once, then shared from the pixmap cache.
    // The greyed one is drawn too, since a style would grey it after the
    // desktop's theme.
    QIcon icon(commandGlyphPixmap(QStringLiteral("kw-command-glyph"), QColor(200, 60, 40), maroon.darker(120)));
    icon.addPixmap(
        commandGlyphPixmap(QStringLiteral("kw-command-glyph-off"), QColor(170, 170, 170), QColor(140, 140, 140)),
        QIcon::Disabled);
    return icon;
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
