#pragma once

#include <QWidget>

namespace kw {

// A filled panel with a one-pixel outer and a one-pixel inner bevel, the
// framed look of the window's panels.
class BevelPanel : public QWidget
{
    Q_OBJECT
public:
    enum class Edge { None, Raised, Lowered };

    BevelPanel(QWidget* parent, const QColor& fill, Edge outer, Edge inner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Edge outer_;
    Edge inner_;
};

// An etched line or frame drawn inside its box: a shadow line with a light
// line next to it.
class Bevel : public QWidget
{
    Q_OBJECT
public:
    enum class Shape { TopLine, BottomLine, Frame };

    Bevel(QWidget* parent, Shape shape);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
};

} // namespace kw
