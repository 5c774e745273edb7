#include "tests/support/window_fixture.h"

#include "tests/support/first_start_files.h"

#include "app/widgets/bill_grid.h"
#include "store/records.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <functional>

using namespace kw;

// A delete that removed the document file and failed before renaming its
// copy must not make the next start begin a new, empty register.
TEST_F(WindowTest, StartRestoresTheRegisterFromTheCopyOfAHalfDoneDeleteAndSaysSo)
{
    DocumentRecord bill;
    bill.set(doc::DocKind, QStringLiteral("F"));
    bill.set(doc::DocNumber, QStringLiteral("7"));
    const QByteArray register_ = sentinelRecord(QStringLiteral("2009-01-02")).bytes() + bill.bytes();
    writeBytes("Uslugi/dokumenty_r.old", register_);
    start();
    EXPECT_EQ(bytes("Uslugi/dokumenty_r.dat"), register_);
    EXPECT_FALSE(QFile::exists(path("Uslugi/dokumenty_r.old")));
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].contains(QStringLiteral("odtworzono go z kopii")))
        << dialogs.notices[0].toStdString();
    EXPECT_EQ(ui().numerator->text(), "7");
}

TEST_F(WindowTest, FirstStartCreatesEveryDataFileAndShowsTheSentinel)
{
    start();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();

    expectFirstStartFiles(dir.path());

    EXPECT_EQ(ui().numerator->text(), "0");
    EXPECT_EQ(ui().rozszerzenie->text(), "2009-03-05");
    EXPECT_EQ(ui().odbiorca1->text(), QStringLiteral("Początek bloczka rachunkowego"));
    EXPECT_EQ(ui().data_wystawienia->text(), "");
    EXPECT_EQ(ui().Label22->text(), "Edycja wczytanego rachunku");
    EXPECT_EQ(ui().Label25->text(), "Tabelka rachunku");
    EXPECT_EQ(ui().SpeedButton20->toolTip(), " Wydruk rachunku razy  (Ctrl+P)");
    EXPECT_EQ(window->copyCount(), 0);
    EXPECT_TRUE(ui().SpeedButton9->isEnabled());
    EXPECT_EQ(window->documentState().currentRecord(), 1);
    EXPECT_FALSE(window->documentState().isNew());
    EXPECT_EQ(ui().lata->count(), 1);
    EXPECT_EQ(ui().lata->itemText(0), "2009");
    EXPECT_EQ(ui().lata->currentText(), "");
    EXPECT_EQ(ui().forma_zaplaty->count(), 3);
    EXPECT_EQ(ui().forma_zaplaty->currentText(), "");
    EXPECT_EQ(ui().Label29->text(), "0.00 PLN");
    EXPECT_FALSE(ui().Panel3->isVisibleTo(window.get()));
    EXPECT_FALSE(ui().Panel4->isVisibleTo(window.get()));
    EXPECT_FALSE(ui().Panel5->isVisibleTo(window.get()));
    EXPECT_FALSE(ui().Panel6->isVisibleTo(window.get()));
}

TEST_F(WindowTest, SummaryYearsRunFrom2009ToTheCurrentYear)
{
    const struct {
        QDate today;
        int years;
        const char* last;
    } cases[] = {{{2009, 3, 5}, 1, "2009"}, {{2020, 12, 31}, 12, "2020"}, {{2026, 1, 1}, 18, "2026"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last);
        clock.date = c.today;
        start();
        EXPECT_EQ(ui().lata->count(), c.years);
        EXPECT_EQ(ui().lata->itemText(0), "2009");
        EXPECT_EQ(ui().lata->itemText(c.years - 1), c.last);
    }
}

TEST_F(WindowTest, SettingsAndSellerAreShown)
{
    SettingsRecord s;
    s.set(settings::Place, QStringLiteral("Łódź"));
    s.set(settings::BillNumber, QStringLiteral("7"));
    s.set(settings::CopyLabel, QStringLiteral("oryginał"));
    s.set(settings::CopyCount, QStringLiteral("2"));
    s.set(settings::PrintFootnote, QStringLiteral("Stopka"));
    writeBytes("Admini/rachunek.dat", s.bytes());
    CompanyRecord c;
    c.set(company::SellerLine1, QString(40, QChar(u'ś')));
    c.set(company::SellerLine2, QString(50, QChar('x')));
    writeBytes("Admini/firma.dat", c.bytes());

    start();
    EXPECT_EQ(ui().SpeedButton20->toolTip(), " Wydruk rachunku razy 2 (Ctrl+P)");
    EXPECT_EQ(window->copyCount(), 2);
    EXPECT_EQ(ui().Label13->text(), QStringLiteral("oryginał"));
    EXPECT_EQ(ui().Label14->text(), "Stopka");
    EXPECT_EQ(ui().Label55->text(), QString(40, QChar(u'ś')));
    EXPECT_LT(ui().Label56->text().size(), 41);
    EXPECT_EQ(window->sellerLines()[1], QString(50, QChar('x')));
    // The last document replaces the document fields the settings filled.
    EXPECT_EQ(ui().numerator->text(), "0");
}

TEST_F(WindowTest, LocationInModeTwoMovesEveryLaterFile)
{
    QTemporaryDir shared;
    QDir(shared.path()).mkdir(QStringLiteral("ADMINI"));
    QDir(shared.path()).mkdir(QStringLiteral("USLUGI"));
    LocationRecord l;
    l.setByteAt(location::FolderMode, 2);
    l.set(location::NetworkPath, shared.path());
    writeBytes("Admini/siec.dat", l.bytes());

    start();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(window->dataFolder(), shared.path());
    for (const char* file : {"ADMINI/rachunek.dat", "ADMINI/firma.dat", "ADMINI/info.dat", "USLUGI/klienci.dat",
                             "USLUGI/uslugi.dat", "USLUGI/dokumenty_r.dat"})
        EXPECT_TRUE(QFile::exists(shared.path() + '/' + file)) << file;
    EXPECT_FALSE(QFile::exists(path("Uslugi/dokumenty_r.dat")));
    EXPECT_FALSE(QFile::exists(path("Admini/rachunek.dat")));
}

TEST_F(WindowTest, OtherFolderModesKeepTheStartFolder)
{
    LocationRecord l;
    l.setByteAt(location::FolderMode, 3);
    l.set(location::LocalPath, QStringLiteral("/nonexistent"));
    writeBytes("Admini/siec.dat", l.bytes());
    start();
    EXPECT_EQ(window->dataFolder(), dir.path());
    EXPECT_TRUE(QFile::exists(path("Uslugi/dokumenty_r.dat")));
}

TEST_F(WindowTest, MissingUslugiFolderIsReportedAndTheWindowStillOpens)
{
    QDir(path("Uslugi")).removeRecursively();
    start();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("uslugi.dat")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(QFile::exists(path("Admini/siec.dat"))); // not rolled back
    EXPECT_FALSE(QFile::exists(path("Admini/rachunek.dat")));
    EXPECT_EQ(ui().data_wystawienia->text(), "2009-03-05");
    EXPECT_EQ(ui().Label22->text(), "Wczytany ostatnio wystawiony dokument");
}

TEST_F(WindowTest, ShortSettingsFileIsReportedAndLaterFilesAreNotCreated)
{
    writeBytes("Admini/rachunek.dat", QByteArray(100, '\0'));
    start();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("rachunek.dat")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("krótszy"))) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(QFile::exists(path("Uslugi/klienci.dat")));
    EXPECT_FALSE(QFile::exists(path("Admini/firma.dat")));
    EXPECT_EQ(bytes("Admini/rachunek.dat").size(), 100);
}

TEST_F(WindowTest, UnreadableDocumentFileIsReported)
{
    writeBytes("Uslugi/dokumenty_r.dat", QByteArray(1000, 'x'));
    start();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("dokumenty_r.dat")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(bytes("Uslugi/dokumenty_r.dat"), QByteArray(1000, 'x'));
    EXPECT_TRUE(QFile::exists(path("Admini/info.dat")));
}

TEST_F(WindowTest, ClosingAsksAndOnlyYesEndsTheModule)
{
    start();
    bool closed = false;
    QObject::connect(window.get(), &Tfaktura_f::moduleClosed, [&] { closed = true; });
    dialogs.answers.enqueue(false);
    window->close();
    EXPECT_FALSE(closed);
    EXPECT_EQ(dialogs.questions, QStringList{"Koniec pracy ?"});
    dialogs.answers.enqueue(true);
    ui().SpeedButton1->click();
    EXPECT_TRUE(closed);
}

TEST_F(WindowTest, HelpPanelOpensAndCloses)
{
    start();
    ui().SpeedButton4->click();
    EXPECT_TRUE(ui().Panel4->isVisibleTo(window.get()));
    EXPECT_EQ(ui().Panel4->geometry(), QRect(71, 108, 689, 337));
    EXPECT_TRUE(ui().Panel1->isEnabled());
    ui().SpeedButton14->click();
    EXPECT_FALSE(ui().Panel4->isVisibleTo(window.get()));
}

// A start that could not read its data files keeps only "Pomoc" and
// "Zamknij moduł": nothing may write into a folder it could not read.
TEST_F(WindowTest, FailedStartOffersNothingThatWrites)
{
    const struct {
        const char* name;
        std::function<void()> prepare;
        const char* error;
    } cases[] = {
        {"no Uslugi folder", [&] { QDir(path("Uslugi")).removeRecursively(); }, "uslugi.dat"},
        {"a short settings file", [&] { writeBytes("Admini/rachunek.dat", QByteArray(100, '\0')); }, "rachunek.dat"},
        {"a document file without a whole record", [&] { writeBytes("Uslugi/dokumenty_r.dat", QByteArray(1000, 'x')); },
         "dokumenty_r.dat"},
        {"a location file naming a folder that is gone",
         [&] {
             LocationRecord l;
             l.setByteAt(location::FolderMode, 1);
             l.set(location::LocalPath, path("przeniesiony"));
             writeBytes("Admini/siec.dat", l.bytes());
         },
         "przeniesiony”, którego nie ma"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* sub : {"Admini", "Uslugi"}) {
            QDir(path(sub)).removeRecursively();
            QDir(dir.path()).mkdir(sub);
        }
        c.prepare();
        dialogs.errors.clear();
        dialogs.questions.clear();
        start();
        window->Timer2Timer();
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].contains(QString::fromUtf8(c.error))) << dialogs.errors[0].toStdString();
        for (QToolButton* command : {ui().SpeedButton6, ui().SpeedButton2, ui().SpeedButton3, ui().SpeedButton8,
                                     ui().SpeedButton9, ui().SpeedButton17, ui().SpeedButton20, ui().SpeedButton21,
                                     ui().SpeedButton22, ui().SpeedButton23, ui().SpeedButton25})
            EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
        EXPECT_TRUE(ui().SpeedButton4->isEnabled());
        EXPECT_TRUE(ui().SpeedButton1->isEnabled());
        window->openSettings();
        EXPECT_EQ(window->settingsWindow(), nullptr);
        dialogs.answers.enqueue(false);
        window->close();
        EXPECT_EQ(dialogs.questions, QStringList{"Koniec pracy ?"});
    }
}
