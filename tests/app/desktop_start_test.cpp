#include "tests/support/window_fixture.h"

#include "app/desktop_data_folder.h"
#include "tests/support/first_start_files.h"

#include <QSettings>

using namespace kw;

namespace {

// The start from the menu: a home folder and a per-user memory of its own.
class DesktopStartTest : public WindowTest
{
protected:
    std::optional<QString> chooseFolder() { return desktopDataFolder(dialogs, memory, proposed); }

    void remember(const QString& folder) { memory.setValue(QStringLiteral("dataFolder"), folder); }
    QString remembered() { return memory.value(QStringLiteral("dataFolder")).toString(); }

    void startIn(const QString& folder) { window = std::make_unique<Tfaktura_f>(platform, folder); }

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

} // namespace
