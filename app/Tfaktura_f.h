#pragma once

#include "faktura_ui.h"

#include <QWidget>

// The module's main window.
class Tfaktura_f : public QWidget
{
    Q_OBJECT
public:
    explicit Tfaktura_f(QWidget* parent = nullptr);

    const FakturaUi& controls() const { return ui; }

private:
    FakturaUi ui;
};
