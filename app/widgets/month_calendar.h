#pragma once

#include <QCalendarWidget>

namespace kw {

// The month calendar for the date of service. A date is picked with
// QCalendarWidget::activated (double-click on a day, or Enter); Esc is
// reported separately so the owner can close the calendar.
class MonthCalendar : public QCalendarWidget
{
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);

signals:
    void escapePressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kw
