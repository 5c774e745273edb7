#include "store/data_files.h"
#include "store/location_choice.h"
#include "tests/cli/cli_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_tree.h"
#include "tests/support/qt_printers.h"
#include "tests/support/zip_files.h"

#include <QProcess>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace kw {
namespace {

class CliBackupRestore : public CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_TRUE(QDir(start()).mkpath(QStringLiteral("Szablony")));
        writeTreeFile(QFile::encodeName(start()) + "/Szablony/wz\xF3r_\xB3.dat", "szablon z Windows", 0644, 1262304001);
    }
    // QDir cannot remove the code page 1250 name.
    void TearDown() override
    {
        removeTree(start());
        removeTree(out_.path());
    }

    QString zip() const { return out_.filePath(QStringLiteral("kopia.zip")); }
    QString target() const { return out_.filePath(QStringLiteral("odtworzony")); }

    // The regular files under `folder`.
    static int fileCount(const QString& folder)
    {
        const std::map<QByteArray, TreeItem> tree = fileTree(folder);
        return int(std::count_if(tree.begin(), tree.end(), [](const auto& item) { return S_ISREG(item.second.mode); }));
    }

    QTemporaryDir out_;
};

TEST_F(CliBackupRestore, BackupNamesEachSkippedLinkAndCountsTheFilesItArchived)
{
    const QByteArray secret = QFile::encodeName(out_.filePath(QStringLiteral("tajne.txt")));
    writeTreeFile(secret, "nie dla kopii", 0600, 1262304001);
    ASSERT_EQ(::symlink(secret.constData(), (QFile::encodeName(start()) + "/Szablony/tajne.dat").constData()), 0);

    const ProcessResult result = run({QStringLiteral("backup"), zip()});

    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const int files = fileCount(start());
    EXPECT_EQ(result.outLines(),
              QStringList({QStringLiteral("Pominięto dowiązanie symboliczne: Szablony/tajne.dat."),
                           QStringLiteral("Zapisano kopię zapasową %1 (plików: %2).").arg(zip()).arg(files)}));
    const QList<ZipEntryRead> entries = readZip(readFileBytes(zip()));
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(), [](const auto& e) { return !e.name.endsWith('/'); }),
              files);
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                            [](const auto& e) { return e.name == "Szablony/wz\xF3r_\xB3.dat"; }));
}

TEST_F(CliBackupRestore, UnzippedBackupGivesEveryFileAndFolderItsOwnMode)
{
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        GTEST_SKIP() << "unzip is not installed";
    ASSERT_EQ(::chmod(QFile::encodeName(start() + QStringLiteral("/Admini/firma.dat")).constData(), 0600), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(start() + QStringLiteral("/Uslugi/dokumenty_r.dat")).constData(), 0660), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(start() + QStringLiteral("/Szablony")).constData(), 0750), 0);
    ASSERT_EQ(run({QStringLiteral("backup"), zip()}).exitCode, 0);

    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-q"), zip(), QStringLiteral("-d"), target()});
    ASSERT_TRUE(unzip.waitForFinished(60000));
    ASSERT_EQ(unzip.exitCode(), 0) << unzip.readAllStandardError().toStdString();
    std::map<QByteArray, mode_t> expected;
    for (const auto& [path, item] : fileTree(start()))
        expected[path] = item.mode;
    std::map<QByteArray, mode_t> unpacked;
    for (const auto& [path, item] : fileTree(target()))
        unpacked[path] = item.mode;
    EXPECT_EQ(unpacked, expected);
}

TEST_F(CliBackupRestore, RestoredFolderWorksOnItsOwnDataOnceTheOldOneIsGone)
{
    writeLocationFile(start(), 1, start(), QString());
    const ProcessResult listed = run({QStringLiteral("list")});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    ASSERT_EQ(run({QStringLiteral("backup"), zip()}).exitCode, 0);
    const int files = fileCount(start());

    const ProcessResult restored = run({QStringLiteral("restore"), zip(), target()});

    EXPECT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_EQ(restored.out, QStringLiteral("Odtworzono plików: %1 do folderu %2.\n").arg(files).arg(target()));
    const LocationRecord location =
        readSingleRecord<LocationRecord>(systemFileOps(), target() + QStringLiteral("/Admini/siec.dat"));
    EXPECT_EQ(namedDataFolder(location, QString()), target());
    removeTree(start());
    const ProcessResult relisted = runKwitarnia(target(), {QStringLiteral("list")});
    EXPECT_EQ(relisted.exitCode, 0) << relisted.err.toStdString();
    EXPECT_EQ(relisted.out, listed.out);
}

TEST_F(CliBackupRestore, RestoreRefusesAFolderWithDataAndAHostileArchiveWritingNothing)
{
    ASSERT_EQ(run({QStringLiteral("backup"), zip()}).exitCode, 0);
    const std::map<QByteArray, TreeItem> before = fileTree(start());
    const ProcessResult overData = run({QStringLiteral("restore"), zip(), start()});
    EXPECT_EQ(overData.exitCode, 1);
    EXPECT_EQ(overData.err,
              QStringLiteral("Folder %1 nie jest pusty: kopię odtwarza się tylko do nowego albo "
                             "pustego folderu, nigdy w miejsce danych.\n")
                  .arg(start()));
    EXPECT_EQ(fileTree(start()), before);

    const QString hostile = out_.filePath(QStringLiteral("obca.zip"));
    writeZip(hostile, {{"Admini/firma.dat", "obcy", S_IFREG | 0644}, {"Admini/../../poza.dat", "x", S_IFREG | 0644}});
    const ProcessResult refused = run({QStringLiteral("restore"), hostile, target()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              QStringLiteral("Nie odtworzono archiwum %1: wpis „Admini/../../poza.dat” wychodzi poza "
                             "folder (składnik „..”).\n")
                  .arg(hostile));
    EXPECT_EQ(folderEntries(out_.path()), QStringList({QStringLiteral("kopia.zip"), QStringLiteral("obca.zip")}));

    const ProcessResult halfCall = run({QStringLiteral("restore"), zip()});
    EXPECT_EQ(halfCall.exitCode, 1);
    EXPECT_EQ(halfCall.err,
              QStringLiteral("Nieprawidłowe wywołanie polecenia restore; opis poleceń: kwitarnia --help.\n"));
}

} // namespace
} // namespace kw
