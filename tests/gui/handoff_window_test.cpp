#include "tests/gui/bill_window_test.h"

#include <QRadioButton>

using namespace kw;

namespace {

class HandOffWindowTest : public BillWindowTest
{
protected:
    HandOffWindowTest()
    {
        DocumentRecord bill = document(QStringLiteral("12"), QStringLiteral("2009-05-07"), QStringLiteral("Firma ABC"),
                                       {{QStringLiteral("Usługa A"), 100.0}, {QStringLiteral("Usługa B"), 23.45}});
        writeDocuments({bill});
        QDir(dir.path()).mkdir(QStringLiteral("Programy"));
        writeBytes("Programy/ewidencja.exe", QByteArray("#!/bin/sh\n"));
    }

    QByteArray storedFolder() const { return bytes("Admini/ewidencja.dat"); }
    static QByteArray folderRecord(const QByteArray& folder)
    {
        QByteArray record(salesregister::Size, '\0');
        record[0] = char(folder.size());
        record.replace(1, folder.size(), folder);
        return record;
    }

    void open()
    {
        tick();
        ui().SpeedButton25->click();
    }
};

TEST_F(HandOffWindowTest, OpeningFillsThePanelFromTheBillOnScreen)
{
    start();
    ui().ro2->setChecked(true);
    setCell(1, 5, QStringLiteral("200")); // the total of the last tick counts, saved or not
    open();
    expectNoErrors();
    EXPECT_TRUE(ui().ro1->isChecked());
    EXPECT_FALSE(ui().ro2->isChecked());
    EXPECT_TRUE(shown(ui().Panel6));
    EXPECT_EQ(ui().Panel6->geometry(), QRect(201, 123, 526, 279));
    EXPECT_TRUE(ui().Panel1->isEnabled());
    EXPECT_EQ(storedFolder(), QByteArray(salesregister::Size, '\0'));
    EXPECT_EQ(ui().folder->text(), "");
    EXPECT_EQ(ui().kwota_brutto->text(), QStringLiteral("      223.45"));
    EXPECT_EQ(window->billTotalText(), QStringLiteral("      223.45"));
    EXPECT_EQ(ui().Label92->text(), QStringLiteral("12\\2009"));
}

TEST_F(HandOffWindowTest, WykonajStartsTheSalesRegisterWithTheBillsArguments)
{
    const struct {
        const char* what;
        bool individual;
        const char* amount; // typed over the total; nullptr keeps it
        QStringList arguments;
    } cases[] = {
        {"company", false, nullptr, {"ewidencja.exe", "07", "123.45", "*F* 12/2009"}},
        {"individual", true, nullptr, {"ewidencja.exe", "07", "123.45", "*I* 12/2009"}},
        {"amount edited", false, "100", {"ewidencja.exe", "07", "100", "*F* 12/2009"}},
    };
    for (const auto& c : cases) {
        processes.starts.clear();
        start();
        open();
        ui().folder->setText(path("Programy"));
        if (c.individual)
            ui().ro2->setChecked(true);
        if (c.amount)
            ui().kwota_brutto->setText(QString::fromLatin1(c.amount));
        ui().SpeedButton30->click();
        expectNoErrors();
        ASSERT_EQ(processes.starts.size(), 1) << c.what;
        EXPECT_EQ(processes.starts[0].arguments, c.arguments) << c.what;
        EXPECT_EQ(processes.starts[0].folder, path("Programy")) << c.what;
        EXPECT_FALSE(shown(ui().Panel6)) << c.what;
        EXPECT_EQ(storedFolder(), folderRecord(QFile::encodeName(path("Programy")))) << c.what;
        EXPECT_TRUE(dialogs.notices.isEmpty()) << c.what;
    }
}

TEST_F(HandOffWindowTest, ZaniechajLeavesTheStoredFolder)
{
    writeBytes("Admini/ewidencja.dat", folderRecord("/stary"));
    start();
    open();
    EXPECT_EQ(ui().folder->text(), "/stary");
    dialogs.fileNames.enqueue(QStringLiteral("/nowy/inny.txt"));
    ui().SpeedButton27->click();
    EXPECT_EQ(ui().folder->text(), "/nowy");
    ui().SpeedButton29->click();
    EXPECT_FALSE(shown(ui().Panel6));
    EXPECT_EQ(storedFolder(), folderRecord("/stary"));
    open();
    EXPECT_EQ(ui().folder->text(), "/stary");
    EXPECT_TRUE(processes.starts.isEmpty());
}

TEST_F(HandOffWindowTest, NothingStartsWhenTheProgramIsMissingOrTheLineTooLong)
{
    const struct {
        const char* what;
        QString folder;
        QString amount;
        QString noticeStart;
    } cases[] = {
        {"no program", path("Uslugi"), QStringLiteral("      123.45"),
         QStringLiteral("W podanej lokalizacji nie znaleziono programu Ewidencja sprzedaży.")},
        {"line too long", path("Programy"), QString(240, u'1'),
         QStringLiteral("Polecenie uruchomienia Ewidencji sprzedaży ma")},
    };
    for (const auto& c : cases) {
        dialogs.notices.clear();
        start();
        open();
        ui().folder->setText(c.folder);
        ui().kwota_brutto->setText(c.amount);
        ui().SpeedButton30->click();
        expectNoErrors();
        ASSERT_EQ(dialogs.notices.size(), 1) << c.what;
        EXPECT_TRUE(dialogs.notices[0].startsWith(c.noticeStart)) << dialogs.notices[0].toStdString();
        EXPECT_TRUE(processes.starts.isEmpty()) << c.what;
        EXPECT_TRUE(shown(ui().Panel6)) << c.what; // open for a corrected folder or amount
        EXPECT_EQ(storedFolder(), folderRecord(QFile::encodeName(c.folder))) << c.what;
    }
}

} // namespace
