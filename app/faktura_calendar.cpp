// The calendar for the date of service.

#include "app/Tfaktura_f.h"

#include "app/widgets/month_calendar.h"

#include <QLineEdit>

using namespace kw;

void Tfaktura_f::SpeedButton7Click()
{
    ensureOverlays();
    ui.MonthCalendar1->setGeometry(419, 93, 254, 154);
    ui.MonthCalendar1->show();
    ui.MonthCalendar1->raise();
    takeFocus(ui.MonthCalendar1);
}

void Tfaktura_f::MonthCalendar1DblClick()
{
    const QDate date = ui.MonthCalendar1->selectedDate();
    ui.data_uslugi->setText(QStringLiteral("%1-%2-%3")
                                .arg(date.year())
                                .arg(date.month(), 2, 10, QLatin1Char('0'))
                                .arg(date.day(), 2, 10, QLatin1Char('0')));
    closeCalendar();
}

void Tfaktura_f::MonthCalendar1KeyPress() { closeCalendar(); }

void Tfaktura_f::closeCalendar()
{
    ui.MonthCalendar1->hide();
    giveFocusBack();
}
