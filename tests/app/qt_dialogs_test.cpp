#include "app/platform/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Types `name` into the file dialog that opens next and presses Return.
void answerNextFileDialog(const QString& name)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
        poll->deleteLater();
    });
    poll->start(10);
}

// A name typed without the extension gets the filter's one, so the open
// dialogs that list only that extension find the file again.
TEST(QtDialogs, SaveAddsTheDefaultExtension)
{
    QTemporaryDir folder;
    kw::QtDialogs dialogs;
    const struct {
        QString typed;
        QString chosen;
    } cases[] = {
        {QStringLiteral("stały klient"), QStringLiteral("stały klient.sza")},
        {QStringLiteral("inny.sza"), QStringLiteral("inny.sza")},
    };
    for (const auto& c : cases) {
        answerNextFileDialog(c.typed);
        EXPECT_EQ(dialogs.saveFile(nullptr, QStringLiteral("Szablon dokumentów|*.sza"), folder.path()),
                  folder.filePath(c.chosen));
    }
}

// The three-way question: its caption, its buttons in Polish with "Tak" the
// default, and the answer of each button and of Esc.
TEST(QtDialogs, AskYesNoCancelAnswersByItsPolishButtons)
{
    kw::QtDialogs dialogs;
    const struct {
        const char* pressed; // a button's text, or nullptr for Esc
        kw::Answer answer;
    } cases[] = {
        {"Tak", kw::Answer::Yes},
        {"Nie", kw::Answer::No},
        {"Anuluj", kw::Answer::Cancel},
        {nullptr, kw::Answer::Cancel},
    };
    for (const auto& c : cases) {
        QStringList buttons;
        QString caption;
        QString defaultButton;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            defaultButton = box->defaultButton()->text();
            for (QAbstractButton* button : box->buttons()) {
                if (c.pressed && button->text() == QString::fromUtf8(c.pressed))
                    button->click();
            }
            if (!c.pressed)
                QTest::keyClick(box, Qt::Key_Escape);
        });
        EXPECT_EQ(dialogs.askYesNoCancel(nullptr, QStringLiteral("Zapisać zmiany?")), c.answer)
            << (c.pressed ? c.pressed : "Esc");
        EXPECT_EQ(caption, QStringLiteral("Pytanie"));
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{QStringLiteral("Anuluj"), QStringLiteral("Nie"), QStringLiteral("Tak")}));
        EXPECT_EQ(defaultButton, QStringLiteral("Tak"));
    }
}

} // namespace
