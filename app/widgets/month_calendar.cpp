#include "app/widgets/month_calendar.h"

#include <QKeyEvent>

namespace kw {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    // Keys go to whichever inner part has the focus (day table, month menu,
    // year box), so Esc is watched on all of them.
    installEventFilter(this);
    for (QWidget* part : findChildren<QWidget*>())
        part->installEventFilter(this);
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event)
{
    // Consumed here: the press would otherwise travel up through the inner
    // parts and be reported once per level.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        emit escapePressed();
        return true;
    }
    return QCalendarWidget::eventFilter(watched, event);
}

} // namespace kw
