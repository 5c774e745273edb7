#include "Tfaktura_f.h"

Tfaktura_f::Tfaktura_f(QWidget* parent)
    : QWidget(parent)
{
    ui.setup(this);
}
