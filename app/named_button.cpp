#include "named_button.h"

#include <QPushButton>

QPushButton* namedButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}
