#include "app/widgets/dbl_click_line_edit.h"

namespace kw {

DblClickLineEdit::DblClickLineEdit(QWidget* parent) : QLineEdit(parent) {}

void DblClickLineEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace kw
