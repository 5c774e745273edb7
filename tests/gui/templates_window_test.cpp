#include "tests/gui/bill_window_test.h"

#include <cerrno>

using namespace kw;

namespace {

class TemplatesWindowTest : public BillWindowTest
{
protected:
    TemplatesWindowTest()
    {
        QDir(dir.path()).mkdir(QStringLiteral("Szablony"));
        SettingsRecord s;
        s.set(settings::BillNumber, QStringLiteral("7"));
        writeSettings(s);
        writeDocuments({document(QStringLiteral("7"), QStringLiteral("2009-05-07"), QStringLiteral("Firma ABC"),
                                 {{QStringLiteral("Usługa A"), 100.0}})});
    }

    QString templatePath() const { return path("Szablony/stały.sza"); }

    // A template as saved by the window: a bill with number, extension and
    // service date left empty.
    void writeTemplate()
    {
        DocumentRecord t = document(QString(), QStringLiteral("2008-12-24"), QStringLiteral("Klient szablonu"),
                                    {{QStringLiteral("Usługa z szablonu"), 25.0}});
        t.set(doc::NumberSuffix, QString());
        t.set(doc::Place, QStringLiteral("Gdańsk"));
        writeBytes("Szablony/stały.sza", t.bytes());
    }

    void insertTemplate()
    {
        dialogs.fileNames.enqueue(templatePath());
        window->SpeedButton22Click();
    }
};

TEST_F(TemplatesWindowTest, SavingReplacesAnExistingTemplateWithTheDocumentOnScreen)
{
    writeBytes("Szablony/stały.sza", QByteArray("stary szablon"));
    start();
    ui().odbiorca1->setText(QStringLiteral("Nabywca z ekranu"));
    tick();
    dialogs.fileNames.enqueue(templatePath());
    ui().SpeedButton21->click();
    expectNoErrors();
    EXPECT_EQ(dialogs.notices, QStringList{QStringLiteral("Szablon został zapisany.")});
    EXPECT_EQ(dialogs.fileFilters[0], QStringLiteral("Szablon dokumentów|*.sza @ ") + path("Szablony"));
    const QByteArray saved = bytes("Szablony/stały.sza");
    ASSERT_EQ(saved.size(), doc::Size);
    const DocumentRecord t = DocumentRecord::fromBytes(saved);
    EXPECT_EQ(t.get(doc::BuyerLine1), QStringLiteral("Nabywca z ekranu"));
    EXPECT_EQ(t.get(doc::DocNumber), "");
    EXPECT_EQ(t.get(lineCell(LineTable::Bill, 1, 1)), QStringLiteral("Usługa A"));
    EXPECT_EQ(QDir(path("Szablony")).entryList(QDir::Files), QStringList{QStringLiteral("stały.sza")});
}

TEST_F(TemplatesWindowTest, FailedSaveLeavesTheOldTemplateWhole)
{
    writeBytes("Szablony/stały.sza", QByteArray("stary szablon"));
    start();
    tick();
    dialogs.fileNames.enqueue(templatePath());
    files.failAt(FileCall::Rename, 1, EACCES);
    ui().SpeedButton21->click();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_EQ(bytes("Szablony/stały.sza"), QByteArray("stary szablon"));
    EXPECT_EQ(QDir(path("Szablony")).entryList(QDir::Files), QStringList{QStringLiteral("stały.sza")});
}

TEST_F(TemplatesWindowTest, InsertingIntoANewBillKeepsItsNumberAndServiceDate)
{
    writeTemplate();
    start();
    ui().SpeedButton6->click();
    tick();
    ui().data_uslugi->setText(QStringLiteral("2009-03-01"));
    const QByteArray working = window->workingRecord().bytes();
    const qint64 current = window->documentState().currentRecord();
    ASSERT_TRUE(ui().SpeedButton22->isEnabled());

    dialogs.fileNames.enqueue(templatePath());
    ui().SpeedButton22->click();
    tick();
    expectNoErrors();
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_EQ(ui().numerator->text(), "8");
    EXPECT_EQ(ui().data_uslugi->text(), "2009-03-01");
    EXPECT_EQ(ui().data_wystawienia->text(), "2008-12-24");
    EXPECT_EQ(ui().miejscowosc->text(), QStringLiteral("Gdańsk"));
    EXPECT_EQ(ui().odbiorca1->text(), QStringLiteral("Klient szablonu"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Usługa z szablonu"));
    EXPECT_EQ(ui().Label17->text(), QStringLiteral("       25.00 PLN"));
    EXPECT_EQ(ui().Label22->text(), "Edycja nowego rachunku");
    EXPECT_EQ(window->workingRecord().bytes(), working);
    EXPECT_TRUE(window->documentState().isNew());
    EXPECT_EQ(window->documentState().currentRecord(), current);
    EXPECT_EQ(bytes("Szablony/stały.sza").size(), doc::Size);
}

TEST_F(TemplatesWindowTest, InsertingSwitchesCorrectionModeOff)
{
    writeTemplate();
    start();
    ui().SpeedButton9->click();
    tick();
    ASSERT_TRUE(window->documentState().inCorrection());
    insertTemplate();
    tick();
    expectNoErrors();
    EXPECT_FALSE(window->documentState().inCorrection());
    EXPECT_FALSE(shown(ui().Label26));
    EXPECT_TRUE(shown(ui().SpeedButton22));

    dialogs.answers.enqueue(false);
    ui().SpeedButton2->click();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Zapisać nowy rachunek ?"));
}

TEST_F(TemplatesWindowTest, DeletingAsksFirst)
{
    for (const bool yes : {false, true}) {
        writeTemplate();
        dialogs.notices.clear();
        dialogs.questions.clear();
        start();
        dialogs.fileNames.enqueue(templatePath());
        dialogs.answers.enqueue(yes);
        ui().SpeedButton23->click();
        expectNoErrors();
        EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Usunąć wskazany szablon ?")});
        EXPECT_EQ(QFile::exists(templatePath()), !yes);
        EXPECT_EQ(dialogs.notices, yes ? QStringList{QStringLiteral("Szablon został usunięty.")} : QStringList{});
    }
}

} // namespace
