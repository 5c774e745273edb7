#include "tests/gui/keyboard_window_test.h"

#include "app/widgets/choice_list.h"
#include "documents/payment_marks.h"

#include <QAction>

using namespace kw;

namespace {

// Bills paid by transfer over a clock fixed at 5 March 2009, "Należności"
// driven from the keyboard, the marks file read back with the program's own
// reader.
class ReceivablesWindowTest : public KeyboardWindowTest
{
protected:
    static DocumentRecord owed(const QString& number, const QString& issueDate, const QString& term, double amount,
                               const QString& method = QStringLiteral("Przelew"))
    {
        DocumentRecord r =
            document(number, issueDate, QStringLiteral("Odbiorca ") + number, {{QStringLiteral("Usługa"), amount}});
        r.set(doc::PaymentMethod, method);
        r.set(doc::PaymentTerm, term);
        return r;
    }

    // Overdue 18 days, 1 day and 5 days; due in 3 days; a term that gives
    // no date; a cash bill, paid when issued. In file order, positions 2 to 7.
    void writeOwedBills()
    {
        writeDocuments({sentinel(), owed("1", "2009-02-01", "14 dni", 10.00), owed("2", "2009-03-01", "7 dni", 20.00),
                        owed("3", "2009-01-10", "2009-02-28", 30.50), owed("4", "2009-03-03", "2009-03-04", 4.00),
                        owed("5", "2009-02-20", "po wykonaniu", 7.25),
                        owed("6", "2009-03-02", "2009-03-02", 99.00, QStringLiteral("Gotówka"))});
    }

    ChoiceList* list() const { return ui().lista_naleznosci; }
    bool panelShown() const { return ui().Panel7->isVisibleTo(window.get()); }
    QAction* command() const { return window->findChild<QAction*>(QStringLiteral("naleznosci")); }

    void tick() { window->Timer2Timer(); }
    static inline const QColor red{255, 0, 0};

    void openWithKeys() { press(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier); }

    QStringList row(int line) const
    {
        QStringList texts;
        const QTreeWidgetItem* item = list()->topLevelItem(line);
        for (int column = 0; column < list()->columnCount(); ++column)
            texts << item->text(column);
        return texts;
    }
    QStringList numbers() const
    {
        QStringList listed;
        for (int line = 0; line < list()->topLevelItemCount(); ++line)
            listed << list()->topLevelItem(line)->text(0);
        return listed;
    }
    QColor rowColour(int line) const { return list()->topLevelItem(line)->foreground(0).color(); }

    Payment payment(int position) const
    {
        return PaymentMarks::read(systemFileOps(), dir.paths()).paymentOf(stored(position));
    }

    // Chooses the lines with Space, moving with Ctrl and an arrow between them.
    void chooseLines(std::initializer_list<int> lines)
    {
        list()->setFocus();
        int at = list()->currentIndex().row();
        for (int line : lines) {
            for (; at < line; ++at)
                press(Qt::Key_Down, Qt::ControlModifier);
            press(Qt::Key_Space);
        }
    }

    void typeDate(const QString& text)
    {
        ui().data_zaplaty->setFocus();
        ui().data_zaplaty->selectAll();
        press(Qt::Key_Backspace);
        type(text);
    }
};

TEST_F(ReceivablesWindowTest, ListsTheUnpaidBillsByDueDateOverdueOnesInRed)
{
    writeOwedBills();
    startShown();
    openWithKeys();
    ASSERT_TRUE(panelShown());
    expectNoErrors();

    const QStringList expected[] = {
        {"1/2009", "Odbiorca 1", "10.00", "2009-02-15", "po terminie 18 dni"},
        {"3/2009", "Odbiorca 3", "30.50", "2009-02-28", "po terminie 5 dni"},
        {"4/2009", "Odbiorca 4", "4.00", "2009-03-04", "po terminie 1 dzień"},
        {"2/2009", "Odbiorca 2", "20.00", "2009-03-08", ""},
        {"5/2009", "Odbiorca 5", "7.25", "po wykonaniu", ""},
    };
    ASSERT_EQ(list()->topLevelItemCount(), int(std::size(expected)));
    for (int line = 0; line < int(std::size(expected)); ++line) {
        EXPECT_EQ(row(line), expected[line]) << line;
        const bool overdue = !expected[line][4].isEmpty();
        EXPECT_EQ(rowColour(line) == red, overdue) << line;
    }
    EXPECT_EQ(ui().suma_naleznosci->text(), "Razem należności: 71.75 PLN, w tym po terminie: 44.50 PLN");
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), list());
}

TEST_F(ReceivablesWindowTest, OpensFromTheContextMenuAndGivesTheKeyboardBackOnEscape)
{
    writeOwedBills();
    startShown();
    ASSERT_NE(command(), nullptr);
    EXPECT_EQ(command()->text(), "Należności…");
    EXPECT_TRUE(window->actions().contains(command()));
    EXPECT_EQ(window->contextMenuPolicy(), Qt::ActionsContextMenu);

    ui().podpis->setFocus();
    command()->trigger();
    ASSERT_TRUE(panelShown());
    EXPECT_EQ(ui().Panel7->geometry(), QRect(10, 8, 682, 625));
    EXPECT_FALSE(ui().Panel1->isEnabled());
    // A Tab from the panel's last field does not reach the form under it.
    ui().data_zaplaty->setFocus();
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_TRUE(ui().Panel7->isAncestorOf(focused())) << focused()->objectName().toStdString();

    press(Qt::Key_Escape);
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(ui().Panel1->isEnabled());
    EXPECT_EQ(focused(), ui().podpis);

    // An open bill list keeps the window until it is left.
    ui().SpeedButton3->click();
    command()->trigger();
    EXPECT_FALSE(panelShown());
}

TEST_F(ReceivablesWindowTest, ReturnMarksTheChosenBillsPaidOnTheTypedDate)
{
    writeOwedBills();
    startShown();
    openWithKeys();
    EXPECT_EQ(ui().data_zaplaty->text(), "2009-03-05");
    chooseLines({0, 2});
    typeDate(QStringLiteral("2009-03-01"));
    press(Qt::Key_Return);
    expectNoErrors();
    EXPECT_TRUE(dialogs.notices.isEmpty()) << dialogs.notices.join('\n').toStdString();

    EXPECT_TRUE(payment(2).paid);
    EXPECT_EQ(payment(2).paidOn, QDate(2009, 3, 1));
    EXPECT_TRUE(payment(5).paid);
    EXPECT_EQ(payment(5).paidOn, QDate(2009, 3, 1));
    for (int unpaid : {3, 4, 6})
        EXPECT_FALSE(payment(unpaid).paid) << unpaid;
    EXPECT_EQ(numbers(), (QStringList{"3/2009", "2/2009", "5/2009"}));
    EXPECT_EQ(ui().suma_naleznosci->text(), "Razem należności: 57.75 PLN, w tym po terminie: 30.50 PLN");
    // Nothing stays chosen: a second Return marks nothing.
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_EQ(focused(), list());
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs.notices.size(), 1);
    EXPECT_EQ(numbers().size(), 3);

    // Shift with an arrow chooses a run of lines; the button marks them on
    // the date still typed.
    list()->setCurrentItem(list()->topLevelItem(0));
    press(Qt::Key_Down, Qt::ShiftModifier);
    ui().zaplacono->click();
    EXPECT_EQ(payment(4).paidOn, QDate(2009, 3, 1));
    EXPECT_EQ(payment(3).paidOn, QDate(2009, 3, 1));
    EXPECT_EQ(numbers(), QStringList{"5/2009"});
}

TEST_F(ReceivablesWindowTest, SpaceUnchoosesALineChosenByMistake)
{
    writeOwedBills();
    startShown();
    openWithKeys();
    chooseLines({0, 1});
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    EXPECT_TRUE(payment(2).paid);
    EXPECT_FALSE(payment(4).paid);
}

TEST_F(ReceivablesWindowTest, ADateThatIsNoPaymentDateIsRefusedAndNothingIsMarked)
{
    const char* refused[] = {"", "2009-3-1", "2009-02-30", "01.03.2009", "wczoraj", "2009-03-06"};
    for (const char* typed : refused) {
        SCOPED_TRACE(typed);
        writeOwedBills();
        dialogs.notices.clear();
        startShown();
        openWithKeys();
        chooseLines({0});
        typeDate(QString::fromUtf8(typed));
        press(Qt::Key_Return);
        ASSERT_EQ(dialogs.notices.size(), 1);
        EXPECT_TRUE(dialogs.notices[0].startsWith(QStringLiteral("Data zapłaty"))) << dialogs.notices[0].toStdString();
        EXPECT_FALSE(payment(2).paid);
        EXPECT_EQ(numbers().size(), 5);
        EXPECT_EQ(focused(), ui().data_zaplaty);
        window.reset();
    }
}

// Another instance deleted the first bill after the list was read: the
// position now holds the next bill, which nobody chose.
TEST_F(ReceivablesWindowTest, ABillMovedSinceTheListWasReadIsNotMarked)
{
    writeOwedBills();
    startShown();
    openWithKeys();
    writeDocuments({sentinel(), owed("2", "2009-03-01", "7 dni", 20.00), owed("3", "2009-01-10", "2009-02-28", 30.50),
                    owed("4", "2009-03-03", "2009-03-04", 4.00)});
    chooseLines({0});
    press(Qt::Key_Return);
    ASSERT_EQ(dialogs.errors.size(), 1);
    for (int position : {2, 3, 4})
        EXPECT_FALSE(payment(position).paid) << position;
    EXPECT_EQ(numbers(), (QStringList{"3/2009", "4/2009", "2/2009"}));
}

TEST_F(ReceivablesWindowTest, TheLoadedBillSaysWhetherItIsPaid)
{
    writeOwedBills();
    startShown();
    // The last bill, paid in cash when issued.
    EXPECT_EQ(ui().stan_zaplaty->text(), "Zapłacono 2009-03-02");
    loadFromList(1); // line 0 is the file's opening record
    EXPECT_EQ(ui().numerator->text(), "1");
    EXPECT_EQ(ui().stan_zaplaty->text(), "Nie zapłacono — po terminie 18 dni");
    EXPECT_EQ(ui().stan_zaplaty->palette().color(QPalette::WindowText), red);

    openWithKeys();
    chooseLines({0});
    press(Qt::Key_Return);
    EXPECT_EQ(ui().stan_zaplaty->text(), "Zapłacono 2009-03-05");
    press(Qt::Key_Escape);

    ui().SpeedButton6->click();
    EXPECT_EQ(ui().stan_zaplaty->text(), "");
}

// A marks file this program did not write: the bill on screen says its
// payment is unknown, with the reason, and "Należności" does not open.
TEST_F(ReceivablesWindowTest, AnUnreadableMarksFileIsReportedNotGuessed)
{
    writeOwedBills();
    writeBytes("Uslugi/zaplaty.txt", "zapłacone wszystko\n");
    startShown();
    expectNoErrors();
    EXPECT_EQ(ui().stan_zaplaty->text(), "Stan zapłaty nieznany");
    EXPECT_TRUE(ui().stan_zaplaty->toolTip().contains(QStringLiteral("zaplaty.txt")))
        << ui().stan_zaplaty->toolTip().toStdString();

    openWithKeys();
    EXPECT_FALSE(panelShown());
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("zaplaty.txt"))) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(ui().Panel1->isEnabled());
}

// The tick runs ten times a second: it never opens the marks file or any other.
TEST_F(ReceivablesWindowTest, TheTickReadsNoFile)
{
    writeOwedBills();
    start();
    files.reset();
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(files.count(FileCall::Open), 0);
}

} // namespace
