#include "archive/backup_archive.h"
#include "archive/backup_restore.h"
#include "store/data_files.h"
#include "store/io_error.h"
#include "store/location_choice.h"
#include "tests/archive/backup_sample.h"
#include "tests/support/file_bytes.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_data_folder.h"
#include "tests/support/zip_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kw {
namespace {

class BackupRestoreTest : public ::testing::Test
{
protected:
    // QDir cannot remove the code page 1250 names.
    void TearDown() override
    {
        removeTree(original.path());
        removeTree(outside.path());
    }

    QString zipFile() const { return outside.filePath(QStringLiteral("kopia.zip")); }
    QString target() const { return outside.filePath(QStringLiteral("odtworzony")); }

    // Restores `zipFile()` into `target()`; the message of the refusal,
    // empty when it is restored.
    QString refusal() const
    {
        try {
            restoreBackup(systemFileOps(), zipFile(), target());
        } catch (const IoError& error) {
            return error.message();
        }
        return {};
    }

    TempDataFolder original;
    QTemporaryDir outside;
};

TEST_F(BackupRestoreTest, RoundTripKeepsNamesBytesModesAndTimesAndSiecDatNamesTheNewFolder)
{
    writeSampleDataFolder(original.path());
    LocationRecord location = initialLocation(original.path());
    location.set(location::NetworkPath, QStringLiteral("//serwer/dane"));
    const QByteArray locationFile = QFile::encodeName(original.path()) + "/Admini/siec.dat";
    writeTreeFile(locationFile, location.bytes(), 0640, 1262304003);
    const BackupArchive archive = makeBackupArchive(systemFileOps(), original.paths());
    writeFileBytes(zipFile(), archive.bytes);

    const RestoredBackup restored = restoreBackup(systemFileOps(), zipFile(), target());

    EXPECT_EQ(restored.folder, target());
    EXPECT_EQ(restored.fileCount, archive.fileCount);
    std::map<QByteArray, TreeItem> expected = fileTree(original.path());
    expected.erase("Inne");
    expected.erase("Inne/obcy.txt");
    std::map<QByteArray, TreeItem> actual = fileTree(target());
    ASSERT_TRUE(actual.count("Admini/siec.dat"));
    expected["Admini/siec.dat"].bytes = locationNaming(location, target())->bytes();
    expected["Admini/siec.dat"].modified = actual["Admini/siec.dat"].modified;
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(namedDataFolder(readSingleRecord<LocationRecord>(systemFileOps(), target() + "/Admini/siec.dat"), {}),
              target());
}

TEST_F(BackupRestoreTest, TakesTheStoredPermissionsWithoutSetIdBitsAndNamesTheFolderInANewSiecDat)
{
    writeZip(zipFile(),
             {{"Admini/", {}, S_IFDIR | 02770},
              {"Admini/firma.dat", "a", S_IFREG | 04755},
              {"Admini/wspolny.dat", "b", S_IFREG | 0666},
              {"Uslugi/dokumenty_r.dat", "c", std::nullopt},
              {"Szablony/", {}, std::nullopt}});

    ASSERT_EQ(refusal(), QString());

    const std::map<QByteArray, TreeItem> tree = fileTree(target());
    EXPECT_EQ(tree.at("Admini").mode, S_IFDIR | 0770);
    EXPECT_EQ(tree.at("Admini/firma.dat").mode, S_IFREG | 0755);
    EXPECT_EQ(tree.at("Admini/wspolny.dat").mode, S_IFREG | 0666) << "as the archive stores it";
    EXPECT_EQ(tree.at("Uslugi").mode, S_IFDIR | 0755) << "a folder the archive has no entry for";
    EXPECT_EQ(tree.at("Uslugi/dokumenty_r.dat").mode, S_IFREG | 0644) << "an entry without a Unix mode";
    EXPECT_EQ(tree.at("Szablony").mode, S_IFDIR | 0755);
    EXPECT_EQ(tree.at("Admini/siec.dat").bytes, initialLocation(target()).bytes());
}

// An archive holding a sound file and `bad`, restored into a new folder and
// into an empty one: refused for `reason`, and nothing is written.
struct HostileCase {
    const char* what;
    QList<ZipItem> bad;
    QString reason;
};

TEST_F(BackupRestoreTest, RefusesAHostileArchiveBeforeWritingAnything)
{
    const QString outsideFile = QStringLiteral("poza.dat");
    const QList<HostileCase> cases = {
        {"parent folder", {{"../poza.dat", "x", S_IFREG | 0644}}, QStringLiteral("wychodzi poza folder")},
        {"parent inside", {{"Admini/../../poza.dat", "x", S_IFREG | 0644}}, QStringLiteral("wychodzi poza folder")},
        {"absolute path", {{"/tmp/poza.dat", "x", S_IFREG | 0644}}, QStringLiteral("ma ścieżkę bezwzględną")},
        {"backslashes", {{"Admini\\..\\..\\poza.dat", "x", std::nullopt}}, QStringLiteral("zawiera znak „\\”")},
        {"other folder", {{"Inne/poza.dat", "x", S_IFREG | 0644}}, QStringLiteral("nie leży w folderze Admini")},
        {"top level file", {{"poza.dat", "x", S_IFREG | 0644}}, QStringLiteral("nie leży w folderze Admini")},
        {"dot", {{"Admini/./poza.dat", "x", S_IFREG | 0644}}, QStringLiteral("składnik „.”")},
        {"empty component", {{"Admini//poza.dat", "x", S_IFREG | 0644}}, QStringLiteral("pusty składnik")},
        {"control character",
         {{"Admini/\x1b[2Jpoza.dat", "x", S_IFREG | 0644}},
         QStringLiteral("wpis „Admini/?[2Jpoza.dat” zawiera znak sterujący")},
        {"symbolic link",
         {{"Admini/siec.dat", "/etc/passwd", S_IFLNK | 0777}},
         QStringLiteral("jest dowiązaniem symbolicznym")},
        {"link to a folder", {{"Szablony", "/etc", S_IFLNK | 0777}}, QStringLiteral("jest dowiązaniem symbolicznym")},
        {"FIFO", {{"Admini/kolejka", {}, S_IFIFO | 0644}}, QStringLiteral("nie jest zwykłym plikiem ani folderem")},
        {"folder named as a file", {{"Szablony/stare", {}, S_IFDIR | 0755}}, QStringLiteral("niezgodną z rodzajem")},
        {"file and folder of one name",
         {{"Admini/firma.dat/", {}, S_IFDIR | 0755}},
         QStringLiteral("występuje w archiwum więcej niż raz")},
        {"file where a folder must be",
         {{"Admini/firma.dat/x.dat", "x", S_IFREG | 0644}},
         QStringLiteral("leży w „Admini/firma.dat”, który w archiwum jest plikiem")},
    };
    for (const HostileCase& hostile : cases) {
        SCOPED_TRACE(hostile.what);
        writeZip(zipFile(), QList<ZipItem>{{"Admini/firma.dat", "dobry", S_IFREG | 0600}} + hostile.bad);

        const QString message = refusal();
        EXPECT_TRUE(message.startsWith(QStringLiteral("Nie odtworzono archiwum %1: wpis „").arg(zipFile())))
            << message.toStdString();
        EXPECT_TRUE(message.contains(hostile.reason)) << message.toStdString();
        EXPECT_FALSE(QFileInfo::exists(target()));

        ASSERT_TRUE(QDir(outside.path()).mkdir(QStringLiteral("odtworzony")));
        EXPECT_EQ(refusal(), message);
        EXPECT_EQ(folderEntries(target()), QStringList());
        ASSERT_TRUE(QDir(target()).removeRecursively());
        EXPECT_EQ(folderEntries(outside.path()), QStringList({QStringLiteral("kopia.zip")}));
    }
}

TEST_F(BackupRestoreTest, RefusesTwoEntriesOfOneName)
{
    // libzip will not store one name twice; the second name is made equal
    // in the archive's bytes.
    writeZip(zipFile(),
             {{"Admini/firma.dat", "pierwszy", S_IFREG | 0600}, {"Admini/firma.daX", "drugi", S_IFREG | 0600}});
    writeFileBytes(zipFile(), readFileBytes(zipFile()).replace("Admini/firma.daX", "Admini/firma.dat"));

    EXPECT_EQ(refusal(),
              QStringLiteral("Nie można otworzyć archiwum %1: dwa jego wpisy mają tę samą nazwę.").arg(zipFile()));
    EXPECT_FALSE(QFileInfo::exists(target()));
}

TEST_F(BackupRestoreTest, AFailureHalfwayRemovesWhatItWrote)
{
    // The last entry's bytes no longer match its checksum, found only when
    // it is unpacked, after the others are written.
    writeZip(zipFile(),
             {{"Admini/", {}, S_IFDIR | 0555},
              {"Admini/firma.dat", "dobry", S_IFREG | 0400},
              {"Szablony/stare/wzór.dat", "dobry", S_IFREG | 0644},
              {"Uslugi/dokumenty_r.dat", "ZEPSUTY", S_IFREG | 0644}});
    writeFileBytes(zipFile(), readFileBytes(zipFile()).replace("ZEPSUTY", "zepsuty"));

    const QString expected = QStringLiteral("Nie można odczytać wpisu Uslugi/dokumenty_r.dat z archiwum %1: archiwum "
                                            "jest uszkodzone.")
                                 .arg(zipFile());
    EXPECT_EQ(refusal(), expected);
    EXPECT_FALSE(QFileInfo::exists(target()));

    ASSERT_TRUE(QDir(outside.path()).mkdir(QStringLiteral("odtworzony")));
    EXPECT_EQ(refusal(), expected);
    EXPECT_EQ(folderEntries(target()), QStringList());
}

TEST_F(BackupRestoreTest, RefusesAFolderWhosePathSiecDatCannotHold)
{
    writeZip(zipFile(), {{"Admini/firma.dat", "kopia", S_IFREG | 0600}});
    const QString deep = outside.filePath(QString(120, QLatin1Char('k')) + QLatin1Char('/') + QString(90, u'ł'));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(deep).path()));

    try {
        restoreBackup(systemFileOps(), zipFile(), deep);
        FAIL() << "restored into a folder Admini/siec.dat cannot name";
    } catch (const IoError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("nie da się zapisać w pliku Admini/siec.dat")))
            << error.message().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(deep));
}

} // namespace
} // namespace kw
