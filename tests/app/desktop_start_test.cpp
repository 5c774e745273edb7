#include "tests/support/window_fixture.h"

#include "app/desktop_data_folder.h"
#include "store/location_choice.h"
#include "tests/support/first_start_files.h"

#include <QDir>
#include <QFile>
#include <QSettings>

using namespace kw;

namespace {

// The start from the menu: a home folder and a per-user memory of its own.
class DesktopStartTest : public WindowTest
{
protected:
    std::optional<QString> chooseFolder() { return desktopDataFolder(dialogs, files, memory, proposed); }

    void remember(const QString& folder) { memory.setValue(QStringLiteral("dataFolder"), folder); }
    QString remembered() { return memory.value(QStringLiteral("dataFolder")).toString(); }

    void startIn(const QString& folder) { window = std::make_unique<Tfaktura_f>(platform, folder); }

    // A data folder a start in `folder` made, its location file naming it.
    void makeDataFolder(const QString& folder)
    {
        ASSERT_TRUE(prepareNewDataFolder(folder));
        startIn(folder);
        window.reset();
        ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    }

    // Stores a new bill for `buyer` in the window started in `folder`.
    void storeBillIn(const QString& folder, const QString& buyer)
    {
        startIn(folder);
        ui().SpeedButton6->click();
        ui().odbiorca1->setText(buyer);
        dialogs.answers.enqueue(true);
        ui().SpeedButton2->click();
        window.reset();
    }

    static QByteArray fileBytes(const QString& file) { return readFileBytesIfAny(file); }
    static QByteArray locationBytes(const QString& folder) { return fileBytes(folder + "/Admini/siec.dat"); }
    static qint64 documentCount(const QString& folder)
    {
        return fileBytes(folder + "/Uslugi/dokumenty_r.dat").size() / doc::Size;
    }

    QTemporaryDir home;
    QString proposed = home.filePath(QStringLiteral("Kwitarnia"));
    QSettings memory{home.filePath(QStringLiteral("kwitarnia.conf")), QSettings::IniFormat};
};

TEST_F(DesktopStartTest, FirstStartCreatesTheProposedFolderReadyForTheFirstBill)
{
    dialogs.answers.enqueue(true);
    const std::optional<QString> folder = chooseFolder();
    ASSERT_EQ(folder, proposed);
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(proposed)) << dialogs.questions[0].toStdString();
    EXPECT_TRUE(dialogs.notices.isEmpty());
    for (const char* sub : {"Admini", "Uslugi", "Szablony", "FONT"})
        EXPECT_TRUE(QFileInfo(proposed + '/' + sub).isDir()) << sub;
    EXPECT_EQ(remembered(), proposed);

    startIn(*folder);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    // The settings print one copy: the count "1" at offset 187.
    QByteArray settings(272, '\0');
    settings[187] = 1;
    settings[188] = '1';
    expectFirstStartFiles(proposed, settings);
    EXPECT_EQ(window->copyCount(), 1);
    EXPECT_EQ(window->dataFolder(), proposed);
    EXPECT_TRUE(ui().SpeedButton6->isEnabled());
}

TEST_F(DesktopStartTest, ExistingDataFolderChosenInsteadIsRemembered)
{
    dialogs.answers.enqueue(false);
    dialogs.fileNames.enqueue(dir.path());
    EXPECT_EQ(chooseFolder(), dir.path());
    EXPECT_EQ(remembered(), dir.path());
    EXPECT_FALSE(QFileInfo::exists(proposed));
}

TEST_F(DesktopStartTest, RememberedFolderIsUsedWithoutAQuestion)
{
    remember(dir.path());
    EXPECT_EQ(chooseFolder(), dir.path());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.notices.isEmpty());
}

TEST_F(DesktopStartTest, UnusableRememberedFolderIsExplainedAndTheChoiceOfferedAgain)
{
    QDir(home.path()).mkdir(QStringLiteral("pusty"));
    QFile(home.filePath(QStringLiteral("plik"))).open(QIODevice::WriteOnly);
    const struct {
        const char* folder;
        const char* explanation;
    } cases[] = {
        {"usunięty", "nie istnieje"},
        {"plik", "jest plikiem"},
        {"pusty", "brak w nim podfolderów Admini i Uslugi"},
    };
    for (const auto& c : cases) {
        dialogs.notices.clear();
        const QString folder = home.filePath(QString::fromUtf8(c.folder));
        remember(folder);
        dialogs.answers.enqueue(false);
        dialogs.fileNames.enqueue(dir.path());
        EXPECT_EQ(chooseFolder(), dir.path()) << c.folder;
        ASSERT_EQ(dialogs.notices.size(), 1) << c.folder;
        EXPECT_TRUE(dialogs.notices[0].contains(folder)) << dialogs.notices[0].toStdString();
        EXPECT_TRUE(dialogs.notices[0].contains(QString::fromUtf8(c.explanation))) << dialogs.notices[0].toStdString();
        EXPECT_TRUE(dialogs.notices[0].endsWith(QLatin1Char('.')) && !dialogs.notices[0].contains(QLatin1Char('\n')))
            << "one sentence: " << dialogs.notices[0].toStdString();
        EXPECT_EQ(remembered(), dir.path());
    }
}

TEST_F(DesktopStartTest, UnusableChosenFolderIsExplainedAndAskedAgain)
{
    QFile(proposed).open(QIODevice::WriteOnly); // a file where the new folder should go
    const QString empty = home.filePath(QStringLiteral("pusty"));
    QDir(home.path()).mkdir(QStringLiteral("pusty"));
    dialogs.answers << true << false << false;
    dialogs.fileNames << empty << dir.path();
    EXPECT_EQ(chooseFolder(), dir.path());
    ASSERT_EQ(dialogs.notices.size(), 2);
    EXPECT_TRUE(dialogs.notices[0].startsWith(QStringLiteral("Nie można założyć folderu")))
        << dialogs.notices[0].toStdString();
    EXPECT_TRUE(dialogs.notices[1].contains(empty)) << dialogs.notices[1].toStdString();
    EXPECT_EQ(dialogs.questions.size(), 3);
}

TEST_F(DesktopStartTest, CancelledChoiceStartsNothingAndRemembersNothing)
{
    dialogs.answers.enqueue(false);
    dialogs.fileNames.enqueue(QString());
    EXPECT_EQ(chooseFolder(), std::nullopt);
    EXPECT_TRUE(remembered().isEmpty());
}

TEST_F(DesktopStartTest, NewFolderKeepsTheFilesOfAnEarlierOne)
{
    ASSERT_TRUE(prepareNewDataFolder(proposed));
    startIn(proposed);
    window.reset();
    QFile file(proposed + "/Uslugi/dokumenty_r.dat");
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(3251, 'x'));
    file.close();

    const QByteArray settings(272, '\x5A');
    writeFileBytes(proposed + "/Admini/rachunek.dat", settings);

    dialogs.answers.enqueue(true);
    EXPECT_EQ(chooseFolder(), proposed);
    EXPECT_EQ(QFileInfo(proposed + "/Uslugi/dokumenty_r.dat").size(), 2 * 3251);
    EXPECT_EQ(readFileBytes(proposed + "/Admini/rachunek.dat"), settings);
}

// The folder moved away: its location file still names the old place. The
// user is told so, and the folder chosen then names itself and gets the bills.
TEST_F(DesktopStartTest, MovedFolderIsToldAndNamesItselfOnceChosen)
{
    makeDataFolder(proposed);
    LocationRecord location = LocationRecord::fromBytes(locationBytes(proposed));
    location.set(location::NetworkPath, QStringLiteral("\\\\serwer\\dane"));
    writeFileBytes(proposed + "/Admini/siec.dat", location.bytes());
    const QString moved = proposed + QStringLiteral(".moved");
    ASSERT_TRUE(QDir().rename(proposed, moved));
    remember(proposed);

    dialogs.answers << false << true;
    dialogs.fileNames << moved;
    EXPECT_EQ(chooseFolder(), moved);
    EXPECT_EQ(remembered(), moved);
    ASSERT_EQ(dialogs.questions.size(), 2);
    const QString& told = dialogs.questions[1];
    EXPECT_TRUE(told.contains(QStringLiteral("wskazuje folder danych „%1”").arg(proposed))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("nie istnieje"))) << told.toStdString();
    LocationRecord expected = location;
    expected.set(location::LocalPath, moved);
    EXPECT_EQ(locationBytes(moved), expected.bytes());

    storeBillIn(moved, QStringLiteral("Kowalski"));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(documentCount(moved), 2);
    EXPECT_FALSE(QFileInfo::exists(proposed));
}

// A copy whose location file names the original, which still exists: the
// copy is never worked on the original's files without the user's choice.
TEST_F(DesktopStartTest, CopyNamingItsOriginalIsNotSilentlyWorkedOnTheOriginal)
{
    const QString copy = home.filePath(QStringLiteral("kopia"));
    for (const bool workInCopy : {true, false}) {
        SCOPED_TRACE(workInCopy);
        QDir(proposed).removeRecursively();
        QDir(copy).removeRecursively();
        makeDataFolder(proposed);
        ASSERT_TRUE(prepareNewDataFolder(copy));
        for (const char* file : {"Admini/siec.dat", "Admini/rachunek.dat", "Admini/firma.dat", "Admini/info.dat",
                                 "Uslugi/dokumenty_r.dat", "Uslugi/klienci.dat", "Uslugi/uslugi.dat"}) {
            // A new folder already holds its own settings file; the copy's replaces it.
            QFile::remove(copy + '/' + file);
            ASSERT_TRUE(QFile::copy(proposed + '/' + file, copy + '/' + file)) << file;
        }
        const QByteArray copiedLocation = locationBytes(copy);
        remember(copy);
        dialogs.questions.clear();

        dialogs.answers << workInCopy;
        const QString worked = workInCopy ? copy : proposed;
        EXPECT_EQ(chooseFolder(), worked);
        ASSERT_EQ(dialogs.questions.size(), 1);
        EXPECT_TRUE(dialogs.questions[0].contains(
            QStringLiteral("folderze „%1” wskazuje folder danych „%2”").arg(copy, proposed)))
            << dialogs.questions[0].toStdString();
        EXPECT_EQ(remembered(), worked);
        EXPECT_EQ(LocationRecord::fromBytes(locationBytes(copy)).get(location::LocalPath), worked);
        if (!workInCopy) {
            EXPECT_EQ(locationBytes(copy), copiedLocation);
        }

        storeBillIn(worked, QStringLiteral("Nowak"));
        EXPECT_EQ(documentCount(copy), workInCopy ? 2 : 1);
        EXPECT_EQ(documentCount(proposed), workInCopy ? 1 : 2);
    }
}

// The question tells why the folder named cannot serve; "Nie" then leads
// to the choice of another folder rather than into it.
TEST_F(DesktopStartTest, LocationNamingAnUnusableFolderLeadsToAnotherChoice)
{
    makeDataFolder(dir.path());
    QDir(home.path()).mkdir(QStringLiteral("pusty"));
    const QString empty = home.filePath(QStringLiteral("pusty"));
    const struct {
        QString named;
        const char* explanation;
    } cases[] = {
        {empty, "brak w nim podfolderów Admini i Uslugi"},
        {QStringLiteral("dane"), "To nie jest pełna ścieżka folderu."},
    };
    const QString elsewhere = home.filePath(QStringLiteral("inny"));
    ASSERT_TRUE(prepareNewDataFolder(elsewhere));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.explanation);
        LocationRecord location;
        location.setByteAt(location::FolderMode, 1);
        location.set(location::LocalPath, c.named);
        writeFileBytes(dir.path() + "/Admini/siec.dat", location.bytes());
        remember(dir.path());
        dialogs.questions.clear();
        dialogs.answers << false << false;
        dialogs.fileNames << elsewhere;
        EXPECT_EQ(chooseFolder(), elsewhere);
        ASSERT_EQ(dialogs.questions.size(), 2);
        EXPECT_TRUE(dialogs.questions[0].contains(QString::fromUtf8(c.explanation)))
            << dialogs.questions[0].toStdString();
        EXPECT_EQ(locationBytes(dir.path()), location.bytes());
    }
}

// A link to the folder its location file names is that folder: no question.
TEST_F(DesktopStartTest, LinkToTheFolderNamedIsTheSameFolder)
{
    makeDataFolder(proposed);
    const QString link = home.filePath(QStringLiteral("skrót"));
    ASSERT_TRUE(QFile::link(proposed, link));
    remember(link);
    EXPECT_EQ(chooseFolder(), link);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(LocationRecord::fromBytes(locationBytes(proposed)).get(location::LocalPath), proposed);
}

} // namespace
