#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace kw {

// A push button with its caption and the object name tests find it by.
QPushButton* namedButton(const QString& caption, const QString& name, QWidget* parent);

} // namespace kw
