#include "app/platform/qt_dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

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

// Once the next file dialog lists `expected` files, notes their names and
// presses Return in it without typing anything.
void acceptNextFileDialogAsOffered(int expected, QStringList& listed)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, expected, &listed, polls = 0]() mutable {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        // The folder is read in the background; give a busy machine ten seconds.
        const auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        if (view->model()->rowCount(view->rootIndex()) < expected && ++polls < 1000)
            return;
        listed.clear();
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        listed.sort();
        QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), Qt::Key_Return);
        poll->deleteLater();
    });
    poll->start(10);
}

// The list dialogs offer the program's own list beside the suite's list
// files and preselect it: Return alone opens it.
TEST(QtDialogs, OpenReturnsThePreselectedFile)
{
    QTemporaryDir folder;
    for (const char* name : {"klienci.dat", "stali.kli", "notatki.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    kw::QtDialogs dialogs;
    QStringList listed;
    acceptNextFileDialogAsOffered(2, listed);
    EXPECT_EQ(dialogs.openFile(nullptr, QStringLiteral("Lista klientów|klienci.dat *.kli"), folder.path(),
                               QStringLiteral("klienci.dat")),
              folder.filePath(QStringLiteral("klienci.dat")));
    EXPECT_EQ(listed, (QStringList{QStringLiteral("klienci.dat"), QStringLiteral("stali.kli")}));
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

// Answers the message box that opens next: records its caption and button
// texts and whether "Tak" is the default, then presses `key`, or clicks the
// button `click` names when it is not empty.
void answerNextMessageBox(QStringList& seen, Qt::Key key, const QString& click = {})
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, key, click] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->windowTitle()};
        for (QAbstractButton* button : box->buttons())
            seen.append(button->text());
        seen.append(box->defaultButton() ? box->defaultButton()->text() : QString());
        if (click.isEmpty()) {
            QTest::keyClick(box, key);
        } else {
            for (QAbstractButton* button : box->buttons())
                if (button->text() == click)
                    button->click();
        }
        poll->deleteLater();
    });
    poll->start(10);
}

// "Tak" is the default, Esc means "Anuluj".
TEST(QtDialogs, YesNoCancelQuestion)
{
    using Answer = kw::Dialogs::Answer;
    kw::QtDialogs dialogs;
    const struct {
        Qt::Key key;
        QString click;
        Answer answer;
    } cases[] = {
        {Qt::Key_Return, {}, Answer::Yes},
        {Qt::Key_Escape, {}, Answer::Cancel},
        {Qt::Key_unknown, QStringLiteral("Nie"), Answer::No},
    };
    for (const auto& c : cases) {
        QStringList seen;
        answerNextMessageBox(seen, c.key, c.click);
        EXPECT_EQ(dialogs.askYesNoCancel(nullptr, QStringLiteral("Zapisać zmiany w rachunku?")), c.answer);
        ASSERT_EQ(seen.size(), 5);
        EXPECT_EQ(seen[0], "Pytanie");
        QStringList buttons = seen.mid(1, 3);
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{"Anuluj", "Nie", "Tak"}));
        EXPECT_EQ(seen[4], "Tak");
    }
}

// Types a name into the next file dialog key by key, so that the name
// completion offers the files it begins, then presses Return where a key goes
// while the offer is shown: into its popup. Notes whether a popup was still
// open when the dialog closed.
class CompletingTypist : public QObject
{
public:
    explicit CompletingTypist(const QString& name) : name_(name)
    {
        connect(&poll_, &QTimer::timeout, this, &CompletingTypist::step);
        poll_.start(10);
        clock_.start();
    }

    bool popupShown = false;
    bool popupOpenAtClose = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            popupOpenAtClose = QApplication::activePopupWidget() != nullptr;
        return false;
    }

private:
    void step()
    {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!typed_) {
            // The completion offers only what the dialog has read of its
            // folder, which it reads in the background: a busy machine may
            // take a while.
            const auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
            if (view->model()->rowCount(view->rootIndex()) < 2 && clock_.elapsed() < 10000)
                return;
            clock_.restart();
            dialog->installEventFilter(this);
            dialog->activateWindow();
            QTest::keyClicks(field, name_);
            typed_ = true;
            return;
        }
        QWidget* popup = QApplication::activePopupWidget();
        // The completion is offered once the dialog has read its folder; a
        // dialog that never offers it is closed all the same.
        if (!popup && clock_.elapsed() < 10000)
            return;
        poll_.stop();
        popupShown = popup != nullptr;
        QTest::keyClick(popup ? popup : field, Qt::Key_Return);
    }

    QString name_;
    QTimer poll_;
    QElapsedTimer clock_;
    bool typed_ = false;
};

// The popup of the name completion holds the keyboard while it is shown: it
// closes with the file dialog, so a key typed as soon as the dialog has gone
// reaches the window instead of a popup that is no longer seen.
TEST(QtDialogs, TheNameCompletionClosesWithTheFileDialog)
{
    QTemporaryDir folder;
    for (const char* name : {"cennik.usl", "nowy szablon.sza"}) {
        QFile file(folder.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    kw::QtDialogs dialogs;
    const struct {
        const char* dialog;
        QString typed;
        std::function<QString()> ask;
        QString chosen;
    } cases[] = {
        {"open", QStringLiteral("cennik.usl"),
         [&] { return dialogs.openFile(nullptr, QStringLiteral("Lista usług|*.usl"), folder.path(), QString()); },
         folder.filePath(QStringLiteral("cennik.usl"))},
        {"save", QStringLiteral("nowy"),
         [&] { return dialogs.saveFile(nullptr, QStringLiteral("Szablon dokumentów|*.sza"), folder.path()); },
         folder.filePath(QStringLiteral("nowy.sza"))},
    };
    for (const auto& c : cases) {
        CompletingTypist typist(c.typed);
        EXPECT_EQ(c.ask(), c.chosen) << c.dialog;
        EXPECT_TRUE(typist.popupShown) << c.dialog;
        EXPECT_FALSE(typist.popupOpenAtClose) << c.dialog;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.dialog;
    }
}

} // namespace
