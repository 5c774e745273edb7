#include "tests/gui/document_window_test.h"

#include <QTableView>
#include <QTest>

using namespace kw;

namespace {

class CalendarTest : public DocumentWindowTest
{
protected:
    bool calendarShown() const { return ui().MonthCalendar1->isVisibleTo(window.get()); }
    QTableView* days() const { return ui().MonthCalendar1->findChild<QTableView*>(); }
};

TEST_F(CalendarTest, PickingADayWritesItAsYearMonthDay)
{
    struct Case {
        QDate date;
        const char* text;
    };
    start();
    EXPECT_FALSE(calendarShown());
    EXPECT_EQ(ui().MonthCalendar1->selectedDate(), QDate(2009, 3, 5));
    for (const Case& c : {Case{{2009, 3, 5}, "2009-03-05"}, Case{{2009, 12, 24}, "2009-12-24"}}) {
        ui().data_uslugi->setText(QStringLiteral("wpisana"));
        ui().SpeedButton7->click();
        EXPECT_TRUE(calendarShown());
        EXPECT_EQ(ui().MonthCalendar1->geometry(), QRect(419, 93, 254, 154));
        ui().MonthCalendar1->setSelectedDate(c.date);
        QTest::keyClick(days(), Qt::Key_Return);
        EXPECT_EQ(ui().data_uslugi->text(), c.text);
        EXPECT_FALSE(calendarShown());
    }
    // The calendar reopens on the last date picked, and the date is stored.
    ui().SpeedButton7->click();
    EXPECT_EQ(ui().MonthCalendar1->selectedDate(), QDate(2009, 12, 24));
    store();
    EXPECT_EQ(stored(1).get(doc::ServiceDate), "2009-12-24");
}

TEST_F(CalendarTest, EscClosesWithoutTouchingTheTypedDate)
{
    start();
    ui().data_uslugi->setText(QStringLiteral("1 marca"));
    ui().SpeedButton7->click();
    ui().MonthCalendar1->setSelectedDate(QDate(2009, 6, 1));
    QTest::keyClick(days(), Qt::Key_Escape);
    EXPECT_FALSE(calendarShown());
    EXPECT_EQ(ui().data_uslugi->text(), "1 marca");
    store();
    EXPECT_EQ(stored(1).get(doc::ServiceDate), "1 marca");
}

} // namespace
