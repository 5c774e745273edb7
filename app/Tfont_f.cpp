#include "Tfont_f.h"

#include <QPushButton>

Tfont_f::Tfont_f(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Fonty"));
    setFixedSize(240, 80);
    Button1 = new QPushButton(QStringLiteral("Czcionka wydruku..."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(40, 24, 160, 28);
}
