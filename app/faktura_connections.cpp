// The buttons and controls of the main window wired to their handlers; the
// slot groups of Tfaktura_f.h name the file that holds each handler. Keys are
// wired in faktura_keys.cpp and the extras of "Drukuj" in faktura_print.cpp.

#include "app/Tfaktura_f.h"

#include "app/widgets/bill_grid.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "app/widgets/month_calendar.h"
#include "app/widgets/selection_list.h"

#include <QToolButton>

using namespace kw;

void Tfaktura_f::connectHandlers()
{
    connect(ui.SpeedButton1, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton1Click);
    connect(ui.SpeedButton4, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton4Click);
    connect(ui.SpeedButton2, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton2Click);
    connect(ui.SpeedButton6, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton6Click);
    connect(ui.SpeedButton8, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton8Click);
    connect(ui.SpeedButton3, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton3Click);
    connect(ui.SpeedButton5, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton5Click);
    connect(ui.SpeedButton13, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton13Click);
    for (DblClickLineEdit* buyer : {ui.odbiorca1, ui.odbiorca2, ui.odbiorca3, ui.odbiorca4})
        connect(buyer, &DblClickLineEdit::doubleClicked, this, &Tfaktura_f::odbiorcaDblClick);
    connect(ui.tabela, &BillGrid::dblClicked, this, &Tfaktura_f::tabelaDblClick);
    connect(ui.SpeedButton7, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton7Click);
    connect(ui.SpeedButton9, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton9Click);
    connect(ui.SpeedButton15, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton15Click);
    connect(ui.SpeedButton16, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton16Click);
    connect(ui.SpeedButton20, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton20Click);
    connectPrintExtras();
    connect(ui.SpeedButton17, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton17Click);
    connect(ui.SpeedButton21, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton21Click);
    connect(ui.SpeedButton22, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton22Click);
    connect(ui.SpeedButton23, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton23Click);
    connect(ui.SpeedButton25, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton25Click);
}

void Tfaktura_f::connectOverlayHandlers()
{
    connect(ui.SpeedButton14, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton14Click);
    connect(ui.lista, &SelectionList::dblClicked, this, &Tfaktura_f::listaDblClick);
    connect(ui.SpeedButton11, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton11Click);
    connect(ui.SpeedButton10, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton10Click);
    connect(ui.SpeedButton12, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton12Click);
    connect(ui.MonthCalendar1, &MonthCalendar::activated, this, &Tfaktura_f::MonthCalendar1DblClick);
    connect(ui.MonthCalendar1, &MonthCalendar::escapePressed, this, &Tfaktura_f::MonthCalendar1KeyPress);
    connect(ui.SpeedButton24, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton24Click);
    connect(ui.SpeedButton19, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton19Click);
    connect(ui.SpeedButton18, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton18Click);
    connect(ui.sprawdz_numeracje, &QToolButton::clicked, this, &Tfaktura_f::sprawdz_numeracjeClick);
    connect(ui.SpeedButton27, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton27Click);
    connect(ui.SpeedButton30, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton30Click);
    connect(ui.SpeedButton29, &QToolButton::clicked, this, &Tfaktura_f::SpeedButton29Click);
}
