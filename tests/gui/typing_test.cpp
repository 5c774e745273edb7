#include "tests/gui/keyboard_window_test.h"

#include <QKeyEvent>
#include <QTableView>

using namespace kw;

namespace {

class TypingTest : public KeyboardWindowTest
{
protected:
    QString writeClients()
    {
        ClientListRecord list = emptyClientList();
        for (int k : {1, 2, 5}) {
            list.set(clients::line(1, k), QStringLiteral("Klient %1").arg(k));
            list.set(clients::taxId(k), QStringLiteral("NIP%1").arg(k));
        }
        writeBytes("Uslugi/stali.kli", list.bytes());
        return path("Uslugi/stali.kli");
    }

    QString writeServices()
    {
        ServiceListRecord list = emptyServiceList();
        for (int k : {1, 2, 3}) {
            list.set(services::name(k), QStringLiteral("Usługa %1").arg(k));
            list.set(services::unit(k), QStringLiteral("szt"));
            list.set(services::price(k), QString::number(10 * k));
        }
        writeBytes("Uslugi/cennik.usl", list.bytes());
        return path("Uslugi/cennik.usl");
    }
};

// A click on the current cell followed at once by typing edits that cell; the
// typed text never moves the cursor to another row holding the same letters.
TEST_F(TypingTest, TypingRightAfterClickingTheCurrentCellEditsIt)
{
    startShown();
    ui().SpeedButton6->click();
    setCell(1, 3, "szt");
    setCell(2, 3, "kg");
    ui().tabela->setFocus();
    ui().tabela->setCurrentCell(2, 3);
    clickCell(2, 3);
    type("szt");
    press(Qt::Key_Tab);
    EXPECT_EQ(cell(1, 3), "szt");
    EXPECT_EQ(cell(2, 3), "szt");

    // A cell that is not current: the first click makes it current, typing
    // replaces its text.
    clickCell(3, 1);
    type("Mycie");
    press(Qt::Key_Tab);
    EXPECT_EQ(cell(3, 1), "Mycie");
    store();
    EXPECT_EQ(stored(2).get(lineCell(LineTable::Bill, 3, 2)), "szt");
    EXPECT_EQ(stored(2).get(lineCell(LineTable::Bill, 3, 1)), "szt");
}

// What is typed into a cell counts before the cell is left: in the totals
// and in what a store writes.
TEST_F(TypingTest, AnOpenCellEditorCountsInTotalsAndInTheStoredBill)
{
    startShown();
    ui().SpeedButton6->click();
    ui().tabela->setFocus();
    ui().tabela->setCurrentCell(1, 5);
    type("10");
    ui().tabela->setCurrentCell(1, 4);
    type("2,5");
    ASSERT_TRUE(ui().tabela->isEditing(1, 4));
    window->Timer2Timer();
    EXPECT_EQ(ui().Label17->text(), "       25.00 PLN");
    EXPECT_EQ(cell(1, 6), "    25.00");
    store();
    EXPECT_EQ(stored(2).get(lineCell(LineTable::Bill, 4, 1)), "   2.50");
    EXPECT_EQ(stored(2).get(lineCell(LineTable::Bill, 6, 1)), "    25.00");
}

// A command that fills the grid closes the editor open on a cell, so the
// editor cannot write its old text into the new document later.
TEST_F(TypingTest, ANewBillIsNotOverwrittenByAnEditorLeftOpen)
{
    startShown();
    ui().tabela->setFocus();
    ui().tabela->setCurrentCell(1, 1);
    type("Stara usługa");
    ui().SpeedButton6->click();
    ui().odbiorca1->setFocus();
    EXPECT_EQ(cell(1, 1), "");
}

TEST_F(TypingTest, TheClientListTakesTheKeyboard)
{
    const QString file = writeClients();
    startShown();
    ui().odbiorca1->setFocus();
    ui().odbiorca1->setText(QStringLiteral("Firma"));
    dialogs.fileNames.enqueue(file);
    press(Qt::Key_F4);
    ASSERT_TRUE(listShown());
    EXPECT_EQ(focused(), ui().lista);
    type("XYZ");
    press(Qt::Key_Home);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    // Tab stays within the list panel.
    press(Qt::Key_Tab);
    EXPECT_TRUE(ui().Panel3->isAncestorOf(focused()));
    ui().lista->setFocus();
    press(Qt::Key_Return);
    EXPECT_FALSE(listShown());
    EXPECT_EQ(ui().odbiorca1->text(), "Klient 5");
    EXPECT_EQ(ui().nip_odbiorcy->text(), "NIP5");
    EXPECT_EQ(focused(), ui().odbiorca1);
}

TEST_F(TypingTest, TheServiceListFillsTheRowOfTheCursor)
{
    const QString file = writeServices();
    startShown();
    ui().SpeedButton6->click();
    ui().tabela->setFocus();
    ui().tabela->setCurrentCell(1, 1);
    dialogs.fileNames.enqueue(file);
    press(Qt::Key_F4);
    ASSERT_TRUE(listShown());
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    press(Qt::Key_Return);
    EXPECT_FALSE(listShown());
    EXPECT_EQ(cell(1, 1), QStringLiteral("Usługa 2"));
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(cell(3, 1), "");
    EXPECT_EQ(ui().tabela->currentRow(), 1);
    EXPECT_EQ(focused(), ui().tabela);

    // Esc goes back without inserting.
    dialogs.fileNames.enqueue(file);
    press(Qt::Key_F4);
    ASSERT_TRUE(listShown());
    press(Qt::Key_End);
    press(Qt::Key_Escape);
    EXPECT_FALSE(listShown());
    EXPECT_EQ(cell(1, 1), QStringLiteral("Usługa 2"));
}

// Keys typed while the list file is being chosen wait in the queue and
// reach the list when it is shown, in the order they were typed.
TEST_F(TypingTest, KeysTypedAheadReachTheServiceList)
{
    const QString file = writeServices();
    startShown();
    ui().SpeedButton6->click();
    ui().tabela->setFocus();
    ui().tabela->setCurrentCell(1, 1);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down})
        QCoreApplication::postEvent(window->windowHandle(), new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    dialogs.fileNames.enqueue(file);
    press(Qt::Key_F4);
    ASSERT_TRUE(listShown());
    QCoreApplication::processEvents();
    press(Qt::Key_Return);
    EXPECT_EQ(cell(1, 1), QStringLiteral("Usługa 3"));
    EXPECT_EQ(focused(), ui().tabela);
}

// Keys typed while the summary covers the form never reach a hidden field.
TEST_F(TypingTest, TheSummaryTakesTheKeyboard)
{
    writeDocuments({sentinel(), bill("2", "Kowalski")});
    startShown();
    ui().odbiorca1->setFocus();
    press(Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(ui().Panel5->isVisibleTo(window.get()));
    type("2009");
    press(Qt::Key_Tab);
    EXPECT_TRUE(ui().Panel5->isAncestorOf(focused()));
    ui().lata->setFocus();
    press(Qt::Key_Escape);
    EXPECT_FALSE(ui().Panel5->isVisibleTo(window.get()));
    EXPECT_EQ(ui().lata->currentText(), "2009");
    EXPECT_EQ(ui().odbiorca1->text(), "Kowalski");
    EXPECT_EQ(focused(), ui().odbiorca1);
}

// The summary from the keyboard: Return in the year or the client computes,
// Tab goes from the year to the client and Shift+Tab back.
TEST_F(TypingTest, TheSummaryComputesOnReturnAndTabLeavesTheYear)
{
    writeDocuments({sentinel(), bill("2", "Kowalski"), bill("3", "Nowak")});
    startShown();
    press(Qt::Key_L, Qt::ControlModifier);
    type("2009");
    press(Qt::Key_Return);
    EXPECT_EQ(ui().Label30->text(), QStringLiteral("       20.00 PLN"));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), ui().klienci);
    type(QStringLiteral("Nowak"));
    press(Qt::Key_Return);
    EXPECT_EQ(ui().lata->currentText(), "2009");
    EXPECT_EQ(ui().Label30->text(), QStringLiteral("       10.00 PLN"));
    EXPECT_EQ(ui().Label60->text(), QStringLiteral("Nowak"));
    press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), ui().lata);
    expectNoErrors();
}

// Tab goes through the grid's cells and then leaves it; Shift+Tab from its
// first cell goes back to "Podpis wystawcy" instead of round to the last.
// The same holds while a cell is being typed into, and the text stays.
TEST_F(TypingTest, TabAndShiftTabLeaveTheGridAtItsEnds)
{
    startShown();
    press(Qt::Key_N, Qt::ControlModifier);
    for (const char* typed : {"", "Mycie"}) {
        SCOPED_TRACE(typed);
        ui().tabela->setCurrentCell(1, 1);
        ui().podpis->setFocus();
        press(Qt::Key_Tab);
        ASSERT_TRUE(ui().tabela->isAncestorOf(focused()) || focused() == ui().tabela);
        EXPECT_EQ(ui().tabela->currentRow(), 1);
        EXPECT_EQ(ui().tabela->currentColumn(), 1);
        type(QString::fromUtf8(typed));
        press(Qt::Key_Backtab);
        EXPECT_EQ(focused(), ui().podpis);
        EXPECT_EQ(cell(1, 1), typed);

        ui().tabela->setFocus();
        ui().tabela->setCurrentCell(3, 6);
        type(QString::fromUtf8(typed));
        press(Qt::Key_Tab);
        EXPECT_FALSE(ui().tabela->isAncestorOf(focused()) || focused() == ui().tabela);
        EXPECT_EQ(ui().tabela->currentRow(), 3);
        EXPECT_EQ(ui().tabela->currentColumn(), 6);
        EXPECT_EQ(cell(3, 6), typed);
    }
}

TEST_F(TypingTest, TheCalendarTakesTheKeyboardWhenShown)
{
    startShown();
    ui().data_uslugi->setFocus();
    ui().data_uslugi->setText(QStringLiteral("1 marca"));
    ui().SpeedButton7->click();
    ASSERT_TRUE(ui().MonthCalendar1->isVisibleTo(window.get()));
    press(Qt::Key_Escape);
    EXPECT_FALSE(ui().MonthCalendar1->isVisibleTo(window.get()));
    EXPECT_EQ(ui().data_uslugi->text(), "1 marca");
    EXPECT_EQ(focused(), ui().data_uslugi);

    press(Qt::Key_F4);
    ASSERT_TRUE(ui().MonthCalendar1->isVisibleTo(window.get()));
    press(Qt::Key_Return);
    EXPECT_EQ(ui().data_uslugi->text(), "2009-03-05");
}

} // namespace
