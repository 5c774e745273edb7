#include "app/widgets/named_button.h"

#include <QEvent>
#include <QPushButton>

namespace kw {

namespace {

// Qt runs a button's access key as an animated click 100 ms later, so keys
// typed right after it would reach the button instead of the field the
// command moves to; this button runs the command at once.
class AccessKeyButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut)
            return QPushButton::event(event);
        click();
        return true;
    }
};

} // namespace

QPushButton* namedButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new AccessKeyButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace kw
