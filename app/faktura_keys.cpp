// The keyboard's way through the window: a shortcut for each command, F4 for
// the lists and the calendar, and the keys of the selection list.

#include "app/Tfaktura_f.h"

#include "app/widgets/bevels.h"
#include "app/widgets/bill_grid.h"
#include "app/widgets/choice_list.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "app/widgets/selection_list.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

using namespace kw;

namespace {

struct CommandKey {
    QToolButton* FakturaUi::*button;
    QKeySequence key;
};

// Ctrl+N, Ctrl+S, Ctrl+O, Ctrl+P, Ctrl+K, Ctrl+L, Ctrl+Delete, F1, Ctrl+Q.
const CommandKey commandKeys[] = {
    {&FakturaUi::SpeedButton6, QKeySequence(Qt::CTRL | Qt::Key_N)},
    {&FakturaUi::SpeedButton2, QKeySequence(Qt::CTRL | Qt::Key_S)},
    {&FakturaUi::SpeedButton3, QKeySequence(Qt::CTRL | Qt::Key_O)},
    {&FakturaUi::SpeedButton20, QKeySequence(Qt::CTRL | Qt::Key_P)},
    {&FakturaUi::SpeedButton9, QKeySequence(Qt::CTRL | Qt::Key_K)},
    {&FakturaUi::SpeedButton17, QKeySequence(Qt::CTRL | Qt::Key_L)},
    {&FakturaUi::SpeedButton8, QKeySequence(Qt::CTRL | Qt::Key_Delete)},
    {&FakturaUi::SpeedButton4, QKeySequence(Qt::Key_F1)},
    {&FakturaUi::SpeedButton1, QKeySequence(Qt::CTRL | Qt::Key_Q)},
};

const QKeySequence listKey(Qt::Key_F4);

QString withKey(const QString& hint, const QKeySequence& key)
{
    const QString keyText = key.toString(QKeySequence::NativeText);
    return hint.isEmpty() ? keyText : QStringLiteral("%1 (%2)").arg(hint, keyText);
}

// The key runs the button's command only while the button is offered, so the
// rules that enable and show the buttons hold for the keys as well. The
// offers are brought up to date first: the tick that keeps the buttons may
// not have run since the document changed, and a key pressed at once would
// be lost, or run a command the document no longer offers.
void bindKey(Tfaktura_f* window, QWidget* scope, Qt::ShortcutContext context, QToolButton* button,
             const QKeySequence& key)
{
    auto* shortcut = new QShortcut(key, scope);
    shortcut->setContext(context);
    QObject::connect(shortcut, &QShortcut::activated, button, [window, button] {
        window->offerCommands();
        if (button->isEnabled() && button->isVisibleTo(window))
            button->click();
    });
}

void showKey(QToolButton* button, const QKeySequence& key) { button->setToolTip(withKey(button->toolTip(), key)); }

// A line edit claims some Ctrl keys for itself (Ctrl+K cuts to the end of the
// line, Ctrl+Delete a word); in this window those keys are commands.
class CommandKeysOverEdits : public QObject
{
public:
    explicit CommandKeysOverEdits(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !qobject_cast<QLineEdit*>(watched) ||
            !window_->isAncestorOf(static_cast<QWidget*>(watched)))
            return false;
        const auto* press = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(press->keyCombination());
        for (const CommandKey& command : commandKeys) {
            if (command.key == pressed) {
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

void Tfaktura_f::connectShortcuts()
{
    for (const CommandKey& command : commandKeys) {
        bindKey(this, this, Qt::WindowShortcut, ui.*command.button, command.key);
        showKey(ui.*command.button, command.key);
    }
    qApp->installEventFilter(new CommandKeysOverEdits(this));

    for (QLineEdit* buyer : {static_cast<QLineEdit*>(ui.odbiorca1), static_cast<QLineEdit*>(ui.odbiorca2),
                             static_cast<QLineEdit*>(ui.odbiorca3), static_cast<QLineEdit*>(ui.odbiorca4)})
        bindKey(this, buyer, Qt::WidgetShortcut, ui.SpeedButton5, listKey);
    // In the grid the key works from an open cell editor too.
    bindKey(this, ui.tabela, Qt::WidgetWithChildrenShortcut, ui.SpeedButton13, listKey);
    bindKey(this, ui.data_uslugi, Qt::WidgetShortcut, ui.SpeedButton7, listKey);
    for (QToolButton* button : {ui.SpeedButton5, ui.SpeedButton13, ui.SpeedButton7})
        showKey(button, listKey);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* focused) { keepFocusOffCoveredForm(focused); });
}

// Return inserts the chosen line (in the search box: searches), Esc goes
// back. In the summary Return in the year or the client computes while
// "Wylicz" is offered, and Esc closes it.
void Tfaktura_f::connectListKeys()
{
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* insert = new QShortcut(key, ui.lista);
        insert->setContext(Qt::WidgetShortcut);
        connect(insert, &QShortcut::activated, this, &Tfaktura_f::SpeedButton11Click);
    }
    connect(ui.szukaj, &QLineEdit::returnPressed, this, &Tfaktura_f::SpeedButton12Click);
    auto* back = new QShortcut(QKeySequence(Qt::Key_Escape), ui.Panel3);
    back->setContext(Qt::WidgetWithChildrenShortcut);
    connect(back, &QShortcut::activated, this, &Tfaktura_f::SpeedButton10Click);
    for (QComboBox* field : {ui.lata, ui.klienci})
        connect(field->lineEdit(), &QLineEdit::returnPressed, this, [this] {
            if (!ui.lata->currentText().isEmpty())
                SpeedButton19Click();
        });
    auto* closeSummary = new QShortcut(QKeySequence(Qt::Key_Escape), ui.Panel5);
    closeSummary->setContext(Qt::WidgetWithChildrenShortcut);
    connect(closeSummary, &QShortcut::activated, this, &Tfaktura_f::SpeedButton18Click);
}

// The selection list, the summary and the receivables cover the form: a Tab
// never puts the keyboard into a field hidden under them.
void Tfaktura_f::keepFocusOffCoveredForm(QWidget* focused)
{
    if (!focused || !ui.Panel2->isAncestorOf(focused))
        return;
    if (ui.Panel3->isVisibleTo(this) && !ui.Panel3->isAncestorOf(focused))
        ui.lista->setFocus();
    else if (ui.Panel5->isVisibleTo(this))
        ui.lata->setFocus();
    else if (ui.Panel7->isVisibleTo(this))
        ui.lista_naleznosci->setFocus();
}

void Tfaktura_f::takeFocus(QWidget* overlay)
{
    // The window's own focus child: a file dialog opened before the overlay
    // may have left the window inactive.
    QWidget* focused = focusWidget();
    if (focused && !overlay->isAncestorOf(focused) && focused != overlay)
        focusBeforeOverlay_ = focused;
    overlay->setFocus();
}

void Tfaktura_f::giveFocusBack()
{
    if (focusBeforeOverlay_)
        focusBeforeOverlay_->setFocus();
    focusBeforeOverlay_.clear();
}
