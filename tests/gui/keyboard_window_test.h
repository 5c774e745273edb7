#pragma once

#include "tests/gui/document_window_test.h"

#include <QApplication>
#include <QTest>

// The window shown and active, driven as a person drives it: every key goes
// to the control that has the keyboard at that moment, and a click lands on
// a point of a control.
class KeyboardWindowTest : public DocumentWindowTest
{
protected:
    void startShown()
    {
        start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    static QWidget* focused() { return QApplication::focusWidget(); }

    // One key at a time, each to the control focused when it is pressed.
    static void type(const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), key, modifiers);
    }

    void clickCell(int row, int column)
    {
        const QRect box = ui().tabela->visualItemRect(ui().tabela->item(row, column));
        QTest::mouseClick(ui().tabela->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
    }

    bool listShown() const { return ui().Panel3->isVisibleTo(window.get()); }
};
