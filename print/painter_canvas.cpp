#include "print/painter_canvas.h"

#include <QFontMetricsF>

#include <cmath>

namespace kw {

bool PainterCanvas::beginPainting(QPaintDevice& device)
{
    if (!painter_.begin(&device))
        return false;
    painter_.setPen(QPen(Qt::black, 1));
    painter_.setBrush(Qt::white);
    return true;
}

void PainterCanvas::SetFontColour(const QColor& colour) { textColour_ = colour; }

void PainterCanvas::PreparePageMetrics()
{
    const QPaintDevice* device = painter_.device();
    metrics_ = PageMetrics::forResolution(device->logicalDpiX(), device->logicalDpiY());
}

void PainterCanvas::applyFont() { painter_.setFont(font_.applyTo(painter_.font())); }

void PainterCanvas::SetPrintFont(const QString& face, int points)
{
    font_.setFace(face);
    font_.height = metrics_.fontHeight(points);
    applyFont();
}

void PainterCanvas::SetBold(quint8 flag)
{
    font_.setStyleFlag(flag);
    applyFont();
}

void PainterCanvas::DrawBox(int x, int y, int width, int height)
{
    const DotBox box = metrics_.box(x, y, width, height);
    painter_.setPen(QPen(Qt::black, 1));
    painter_.setBrush(Qt::white);
    painter_.drawRect(QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1)));
}

void PainterCanvas::DrawModules(int x, int y, int side, const ModuleSquare& modules)
{
    const ModulePlacement placement = placeModules(metrics_, x, y, side, modules.side);
    // One rectangle per run of dark modules in a row keeps the PDF small.
    for (int row = 0; row < modules.side; ++row) {
        int column = 0;
        while (column < modules.side) {
            if (!modules.isDark(column, row)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < modules.side && modules.isDark(column, row))
                ++column;
            painter_.fillRect(placement.box.left + start * placement.moduleWidth,
                              placement.box.top + row * placement.moduleHeight,
                              (column - start) * placement.moduleWidth, placement.moduleHeight, Qt::black);
        }
    }
}

void PainterCanvas::PrintText(int x, int y, const QString& text)
{
    const QFontMetrics fm(painter_.font(), painter_.device());
    painter_.setPen(textColour_);
    painter_.drawText(QPoint(metrics_.xDots(x), metrics_.yDots(y) + fm.ascent()), text);
}

void PainterCanvas::PrintTextClipped(int x, int y, const QString& text, int right)
{
    // The clip ends a dot short of x `right`, where the column's outline is
    // drawn.
    const int left = metrics_.xDots(x);
    const int width = metrics_.xDots(right) - 1 - left;
    if (width <= 0)
        return;
    painter_.save();
    painter_.setClipRect(QRect(left, 0, width, painter_.device()->height()), Qt::IntersectClip);
    PrintText(x, y, text);
    painter_.restore();
}

int PainterCanvas::TextWidth(const QString& text)
{
    const QFontMetricsF fm(painter_.font(), painter_.device());
    return metrics_.unitsCovering(fm.horizontalAdvance(text));
}

} // namespace kw
