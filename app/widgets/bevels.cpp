#include "app/widgets/bevels.h"

#include <QPainter>

namespace kw {

namespace {

const QColor lightEdge(255, 255, 255);
const QColor shadowEdge(160, 160, 160);

// Draws a one-pixel bevel on the border of box.
void drawEdge(QPainter& painter, const QRect& box, BevelPanel::Edge edge)
{
    if (edge == BevelPanel::Edge::None)
        return;
    const bool raised = edge == BevelPanel::Edge::Raised;
    painter.setPen(raised ? lightEdge : shadowEdge);
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(raised ? shadowEdge : lightEdge);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent, const QColor& fill, Edge outer, Edge inner)
    : QWidget(parent), outer_(outer), inner_(inner)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, fill);
    setPalette(colours);
    setAutoFillBackground(true);
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawEdge(painter, rect(), outer_);
    drawEdge(painter, rect().adjusted(1, 1, -1, -1), inner_);
}

Bevel::Bevel(QWidget* parent, Shape shape) : QWidget(parent), shape_(shape)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect();
    switch (shape_) {
    case Shape::TopLine:
        painter.setPen(shadowEdge);
        painter.drawLine(box.left(), box.top(), box.right(), box.top());
        painter.setPen(lightEdge);
        painter.drawLine(box.left(), box.top() + 1, box.right(), box.top() + 1);
        break;
    case Shape::BottomLine:
        painter.setPen(shadowEdge);
        painter.drawLine(box.left(), box.bottom() - 1, box.right(), box.bottom() - 1);
        painter.setPen(lightEdge);
        painter.drawLine(box.left(), box.bottom(), box.right(), box.bottom());
        break;
    case Shape::Frame:
        painter.setPen(shadowEdge);
        painter.drawRect(box.adjusted(0, 0, -2, -2));
        painter.setPen(lightEdge);
        painter.drawRect(box.adjusted(1, 1, -1, -1));
        break;
    }
}

} // namespace kw
