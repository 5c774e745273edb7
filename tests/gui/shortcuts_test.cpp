#include "tests/gui/keyboard_window_test.h"

#include <QPlainTextEdit>

using namespace kw;

namespace {

class ShortcutsTest : public KeyboardWindowTest
{};

// Every command key names itself in its button's tooltip.
TEST_F(ShortcutsTest, TooltipsShowTheKeys)
{
    start();
    const std::pair<QToolButton*, const char*> keys[] = {
        {ui().SpeedButton6, "Ctrl+N"},   {ui().SpeedButton2, "Ctrl+S"}, {ui().SpeedButton3, "Ctrl+O"},
        {ui().SpeedButton20, "Ctrl+P"},  {ui().SpeedButton9, "Ctrl+K"}, {ui().SpeedButton17, "Ctrl+L"},
        {ui().SpeedButton8, "Ctrl+Del"}, {ui().SpeedButton4, "F1"},     {ui().SpeedButton1, "Ctrl+Q"},
        {ui().SpeedButton5, "F4"},       {ui().SpeedButton13, "F4"},    {ui().SpeedButton7, "F4"},
    };
    for (const auto& [button, key] : keys)
        EXPECT_TRUE(button->toolTip().endsWith(QStringLiteral("(%1)").arg(key)))
            << button->objectName().toStdString() << ": " << button->toolTip().toStdString();
    EXPECT_EQ(ui().SpeedButton6->toolTip(), "Tworzenie nowego rachunku (Ctrl+N)");
}

// A whole bill without the mouse: new, typed, stored; the keys of commands
// that are not offered do nothing.
TEST_F(ShortcutsTest, ABillFromTheKeyboardAlone)
{
    writeDocuments({sentinel(), bill("2", "Kowalski")});
    startShown();
    ui().odbiorca1->setFocus();
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui().Label22->text(), "Edycja nowego rachunku");
    window->Timer2Timer();
    // Printing and the summary wait until the new bill is stored.
    press(Qt::Key_P, Qt::ControlModifier);
    press(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(dialogs.printDialogs, 0);
    EXPECT_FALSE(ui().Panel5->isVisibleTo(window.get()));
    // Delete is not offered for a new bill.
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.questions.isEmpty());

    type(QStringLiteral("Zakład Łódź"));
    dialogs.answers.enqueue(true);
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Zapisać nowy rachunek ?")});
    ASSERT_EQ(storedCount(), 3);
    EXPECT_EQ(stored(3).get(doc::BuyerLine1), QStringLiteral("Zakład Łódź"));
}

// A command key pressed right after the document changed, before the tick
// has greyed or offered its button, acts on the document as it now is.
TEST_F(ShortcutsTest, CommandKeysFollowTheDocumentBeforeTheTick)
{
    writeDocuments({sentinel(), bill("2", "Kowalski")});
    startShown();
    window->Timer2Timer();
    ui().odbiorca1->setFocus();
    press(Qt::Key_N, Qt::ControlModifier);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.printDialogs, 0) << "a new bill not yet stored was printed";

    type(QStringLiteral("Nowak"));
    dialogs.answers.enqueue(true);
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(storedCount(), 3);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.printDialogs, 1) << "the stored bill's print key was lost";
}

// Ctrl+K and Ctrl+Delete are commands even where a line edit would take
// them for its own editing.
TEST_F(ShortcutsTest, CommandKeysWinOverLineEditKeys)
{
    writeDocuments({sentinel(), bill("2", "Kowalski"), bill("3", "Nowak")});
    startShown();
    ui().odbiorca1->setFocus();
    ui().odbiorca1->setCursorPosition(0);
    dialogs.answers.enqueue(false);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Usunąć dokument ?")});
    EXPECT_EQ(ui().odbiorca1->text(), "Nowak");
    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(ui().Label22->text(), "Edycja korygowanego rachunku");
    EXPECT_EQ(ui().odbiorca1->text(), "Nowak");
}

TEST_F(ShortcutsTest, HelpAndClosing)
{
    startShown();
    press(Qt::Key_F1);
    EXPECT_TRUE(ui().Panel4->isVisibleTo(window.get()));
    dialogs.answers.enqueue(false);
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Koniec pracy ?")});
    EXPECT_TRUE(window->isVisible());
}

} // namespace
