#pragma once

#include <QWidget>

class QPushButton;

// The print-font window: keeps the font the bill is printed with. It is
// created at start-up and never shown.
class Tfont_f : public QWidget
{
    Q_OBJECT
public:
    explicit Tfont_f(QWidget* parent = nullptr);

    QPushButton* Button1 = nullptr;
};
