#include "app/platform/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
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

} // namespace
