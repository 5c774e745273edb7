#pragma once

// Small builders for the fixed-position controls of the main window.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QToolButton;
class QWidget;

namespace kw {

inline const QColor maroon{128, 0, 0};
inline const QColor navy{0, 0, 128};
inline const QColor grey{128, 128, 128};
inline const QColor blue{0, 0, 255};

// A font by face name and character height in pixels.
QFont font(const char* family, int pixelSize, bool bold = false);

// Sets the font and the text colour of a control, whatever role it draws
// its text with (label, edit, button, list).
void setTextStyle(QWidget* control, const QFont& font, const QColor& colour);

// Creates a control of type W as a child of parent, named and placed.
template <class W>
W* make(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* control = new W(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// A label whose top-left corner is at (left, top). A width of 0 fits the
// caption; labels whose text changes later get the width they may need.
// Labels never take mouse clicks, so a wide one does not block what lies below.
QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top, const QFont& font,
              const QColor& colour, int width = 0);

// A label whose text ends at rightEdge, whatever its length, up to width.
QLabel* rightLabel(QWidget* parent, const char* name, const QString& caption, int rightEdge, int top, int width,
                   const QFont& font, const QColor& colour);

// A command: flat, hand cursor, caption with the small command picture to its right.
QToolButton* commandButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                           const QRect& geometry, const QFont& font, const QColor& colour = maroon);

// A button with a caption only ("?"), flat unless raised is set.
QToolButton* textButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                        const QFont& font, const QColor& colour, bool raised = false);

// An editable combo box with the given items and an empty text.
QComboBox* comboBox(QWidget* parent, const char* name, const QRect& geometry, const QStringList& items,
                    const QFont& font, const QColor& colour);

} // namespace kw
