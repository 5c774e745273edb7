#include "app/widgets/control_factory.h"

#include "app/pictures/glyphs.h"
#include "app/widgets/command_button.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QToolButton>

namespace kw {

QFont font(const char* family, int pixelSize, bool bold)
{
    QFont result(QString::fromLatin1(family));
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    return result;
}

void setTextStyle(QWidget* control, const QFont& font, const QColor& colour)
{
    control->setFont(font);
    QPalette colours = control->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        colours.setColor(QPalette::Active, role, colour);
        colours.setColor(QPalette::Inactive, role, colour);
    }
    control->setPalette(colours);
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top, const QFont& font,
              const QColor& colour, int width)
{
    const QFontMetrics metrics(font);
    if (width == 0)
        width = metrics.horizontalAdvance(caption) + 2;
    auto* result = make<QLabel>(parent, name, QRect(left, top, width, metrics.height()));
    result->setText(caption);
    result->setTextFormat(Qt::PlainText);
    result->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextStyle(result, font, colour);
    return result;
}

QLabel* rightLabel(QWidget* parent, const char* name, const QString& caption, int rightEdge, int top, int width,
                   const QFont& font, const QColor& colour)
{
    QLabel* result = label(parent, name, caption, rightEdge - width, top, font, colour, width);
    result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return result;
}

QToolButton* commandButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                           const QRect& geometry, const QFont& font, const QColor& colour)
{
    auto* result = make<CommandButton>(parent, name, geometry);
    result->setText(caption);
    result->setToolTip(hint);
    result->setIcon(commandGlyph());
    result->setIconSize(QSize(12, 12));
    setTextStyle(result, font, colour);
    return result;
}

QToolButton* textButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                        const QFont& font, const QColor& colour, bool raised)
{
    auto* result = make<QToolButton>(parent, name, geometry);
    result->setText(caption);
    result->setAutoRaise(!raised);
    // Commands act on the focused field's contents; they never take the focus.
    result->setFocusPolicy(Qt::NoFocus);
    setTextStyle(result, font, colour);
    return result;
}

QComboBox* comboBox(QWidget* parent, const char* name, const QRect& geometry, const QStringList& items,
                    const QFont& font, const QColor& colour)
{
    auto* result = make<QComboBox>(parent, name, geometry);
    result->setEditable(true);
    result->setInsertPolicy(QComboBox::NoInsert);
    result->addItems(items);
    result->setCurrentIndex(-1);
    setTextStyle(result, font, colour);
    return result;
}

} // namespace kw
