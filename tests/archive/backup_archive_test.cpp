#include "archive/backup_archive.h"
#include "store/io_error.h"
#include "tests/archive/backup_sample.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_data_folder.h"
#include "tests/support/zip_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace kw {
namespace {

class BackupArchiveTest : public ::testing::Test
{
protected:
    void SetUp() override { writeSampleDataFolder(folder.path()); }
    // QDir cannot remove the code page 1250 name.
    void TearDown() override { removeTree(folder.path()); }

    QByteArray at(const QByteArray& relative) const { return QFile::encodeName(folder.path()) + '/' + relative; }

    static const ZipEntryRead* entryNamed(const QList<ZipEntryRead>& entries, const QByteArray& name)
    {
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.name == name; });
        return found == entries.end() ? nullptr : &*found;
    }

    TempDataFolder folder;
};

TEST_F(BackupArchiveTest, TakesEveryFileWhateverBytesItsNameHas)
{
    const BackupArchive archive = makeBackupArchive(systemFileOps(), folder.paths());
    const QList<ZipEntryRead> entries = readZip(archive.bytes);

    QList<QByteArray> files;
    for (const ZipEntryRead& entry : entries) {
        if (!entry.name.endsWith('/'))
            files.append(entry.name);
    }
    QList<QByteArray> expected;
    for (const SampleFile& file : sampleFiles())
        expected.append(file.path);
    std::sort(files.begin(), files.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(files, expected) << "the lock file and the folder Inne are no part of a backup";
    EXPECT_EQ(archive.fileCount, expected.size());
    for (const SampleFile& file : sampleFiles()) {
        const ZipEntryRead* entry = entryNamed(entries, file.path);
        ASSERT_NE(entry, nullptr) << file.path.toStdString();
        EXPECT_EQ(entry->bytes, "zawartość " + file.path);
    }
    EXPECT_TRUE(entryNamed(entries, "Szablony/wz\xC3\xB3r_\xC5\x82.dat")->readAsStored) << "a UTF-8 name is flagged";
    EXPECT_FALSE(entryNamed(entries, "Szablony/wz\xF3r_\xB3.dat")->readAsStored)
        << "a code page 1250 name is not flagged as UTF-8";
    EXPECT_EQ(zipComment(archive.bytes), "Kwitarnia: kopia zapasowa folderu danych");
}

TEST_F(BackupArchiveTest, EntriesKeepTheModesOfTheirFilesAndFolders)
{
    const QList<ZipEntryRead> entries = readZip(makeBackupArchive(systemFileOps(), folder.paths()).bytes);
    ASSERT_FALSE(entries.isEmpty());
    for (const ZipEntryRead& entry : entries) {
        struct stat info {};
        ASSERT_EQ(::lstat(at(entry.name.chopped(entry.name.endsWith('/') ? 1 : 0)).constData(), &info), 0);
        EXPECT_TRUE(entry.unixSystem) << entry.name.toStdString();
        EXPECT_EQ(entry.unixMode, info.st_mode) << entry.name.toStdString() << ": " << std::oct << entry.unixMode;
    }
    EXPECT_EQ(entryNamed(entries, "Szablony/")->unixMode, S_IFDIR | 0750);
    EXPECT_EQ(entryNamed(entries, "Admini/firma.dat")->unixMode, S_IFREG | 0600);
}

TEST_F(BackupArchiveTest, LeavesSymbolicLinksOutAndNamesThem)
{
    QTemporaryDir outside;
    const QByteArray secret = QFile::encodeName(outside.filePath(QStringLiteral("tajne.txt")));
    writeTreeFile(secret, "nie dla kopii", 0600, 1262304001);
    ASSERT_EQ(::symlink(secret.constData(), at("Szablony/do_tajnego.dat").constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(outside.path()).constData(), at("Uslugi/obcy_folder").constData()), 0);
    removeTree(folder.filePath(QStringLiteral("FONT")));
    ASSERT_EQ(::symlink(QFile::encodeName(outside.path()).constData(), at("FONT").constData()), 0);

    const BackupArchive archive = makeBackupArchive(systemFileOps(), folder.paths());

    EXPECT_EQ(archive.skippedLinks,
              QStringList({QStringLiteral("Uslugi/obcy_folder"), QStringLiteral("Szablony/do_tajnego.dat"),
                           QStringLiteral("FONT")}));
    const QList<ZipEntryRead> entries = readZip(archive.bytes);
    EXPECT_EQ(archive.fileCount, sampleFiles().size() - 1) << "the print font lay in the FONT folder now a link";
    for (const ZipEntryRead& entry : entries) {
        EXPECT_FALSE(entry.bytes.contains("nie dla kopii")) << entry.name.toStdString();
        EXPECT_FALSE(entry.name.startsWith("FONT")) << entry.name.toStdString();
        EXPECT_FALSE(entry.name.contains("obcy_folder")) << entry.name.toStdString();
        EXPECT_FALSE(entry.name.contains("do_tajnego")) << entry.name.toStdString();
    }
}

TEST_F(BackupArchiveTest, FailsNamingAnEntryThatIsNeitherFileFolderNorLink)
{
    ASSERT_EQ(::mkfifo(at("Szablony/kolejka").constData(), 0644), 0);
    try {
        makeBackupArchive(systemFileOps(), folder.paths());
        FAIL() << "a backup without the FIFO was made";
    } catch (const IoError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Nie można zarchiwizować %1/Szablony/kolejka: to nie jest zwykły plik ani folder.")
                      .arg(folder.path()));
    }
}

} // namespace
} // namespace kw
