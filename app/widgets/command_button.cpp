#include "app/widgets/command_button.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace kw {

namespace {
constexpr int pictureGap = 5;
}

CommandButton::CommandButton(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton frame;
    initStyleOption(&frame);
    frame.text.clear();
    frame.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, frame);

    const bool hasPicture = !icon().isNull();
    const QSize picture = iconSize();
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int groupWidth = textWidth + (hasPicture ? pictureGap + picture.width() : 0);
    const int shift = isDown() ? 1 : 0;
    const int left = qMax(2, (width() - groupWidth) / 2) + shift;

    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    painter.drawText(QRect(left, shift, textWidth, height()), Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasPicture) {
        const QRect box(left + textWidth + pictureGap, (height() - picture.height()) / 2 + shift, picture.width(),
                        picture.height());
        icon().paint(&painter, box, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
}

} // namespace kw
