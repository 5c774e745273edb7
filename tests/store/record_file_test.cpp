#include "store/io_error.h"
#include "store/record_file.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/failure_sweep.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <ios>

#include <cerrno>

namespace kw {
namespace {

constexpr int Size = 7;

// Records "a000000", "b000000", ... so each one is recognisable.
QByteArray records(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += char('a' + i % 26) + QByteArray(Size - 1, char('0' + i / 26 % 10));
    return bytes;
}

class RecordFileTest : public ::testing::Test
{
protected:
    QString path() const { return folder.uslugi() + QStringLiteral("/plik.dat"); }
    RecordFile file() { return RecordFile(ops, path(), Size); }
    QByteArray onDisk() const { return readFileBytes(path()); }
    QStringList leftovers() const
    {
        QStringList entries = folderEntries(folder.uslugi());
        entries.removeOne(QStringLiteral("plik.dat"));
        return entries;
    }

    TempDataFolder folder;
    FailingFileOps ops;
};

TEST_F(RecordFileTest, CountIsWholeRecordsOnly)
{
    const struct {
        int bytes;
        qint64 count;
    } cases[] = {{0, 0}, {6, 0}, {7, 1}, {13, 1}, {14, 2}, {7 * 300 + 6, 300}};
    for (const auto& c : cases) {
        writeFileBytes(path(), records(300).left(c.bytes));
        EXPECT_EQ(file().count(), c.count) << c.bytes << " bytes";
    }
}

TEST_F(RecordFileTest, ReadsEachRecordAtItsPosition)
{
    writeFileBytes(path(), records(3) + "tor");
    EXPECT_EQ(file().read(1), QByteArray("a000000"));
    EXPECT_EQ(file().readFirst(), QByteArray("a000000"));
    EXPECT_EQ(file().read(3), QByteArray("c000000"));
}

TEST_F(RecordFileTest, ReadingWhereNoWholeRecordIsThrowsNamingTheFile)
{
    writeFileBytes(path(), records(2) + "tor");
    for (qint64 position : {0, 3, 4, -1}) {
        try {
            file().read(position);
            ADD_FAILURE() << "read(" << position << ") returned";
        } catch (const IoError& e) {
            EXPECT_TRUE(e.message().contains(path())) << e.what();
        }
    }
}

TEST_F(RecordFileTest, FileShorterThanOneRecordThrowsNamingTheFile)
{
    for (const QByteArray& contents : {QByteArray(), QByteArray("abcdef")}) {
        writeFileBytes(path(), contents);
        try {
            file().readFirst();
            ADD_FAILURE() << "readFirst returned for " << contents.size() << " bytes";
        } catch (const IoError& e) {
            EXPECT_TRUE(e.message().contains(path())) << e.what();
        }
    }
}

TEST_F(RecordFileTest, MissingFileThrowsNamingIt)
{
    try {
        file().count();
        ADD_FAILURE() << "count returned";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains(path())) << e.what();
    }
}

TEST_F(RecordFileTest, OnlyARegularFileIsReadOrWritten)
{
    // A FIFO would block the open (and so every command) for good; a folder
    // opens for reading but holds no records.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0644), 0);
    const QString fifo = path();
    const QString folderPath = folder.uslugi() + QStringLiteral("/folder.dat");
    ASSERT_TRUE(QDir().mkdir(folderPath));
    for (const QString& target : {fifo, folderPath}) {
        const RecordFile notAFile(ops, target, Size);
        const auto expectRefusal = [&](const std::function<void()>& operation, const char* what) {
            try {
                operation();
                ADD_FAILURE() << what << " of " << target.toStdString() << " did not throw";
            } catch (const IoError& e) {
                EXPECT_TRUE(e.message().contains(target)) << e.what();
                EXPECT_TRUE(e.message().contains(QStringLiteral("to nie jest zwykły plik"))) << e.what();
            }
        };
        expectRefusal([&] { notAFile.count(); }, "count");
        expectRefusal([&] { notAFile.readFirst(); }, "read");
        if (target == fifo)
            expectRefusal([&] { RecordFile(ops, target, Size).append(records(1)); }, "append");
    }
}

TEST_F(RecordFileTest, AppendLandsAfterTheLastRecord)
{
    writeFileBytes(path(), records(2));
    EXPECT_EQ(file().append("zzzzzzz"), 3);
    EXPECT_EQ(onDisk(), records(2) + "zzzzzzz");
}

TEST_F(RecordFileTest, AppendCutsATornTailFirst)
{
    writeFileBytes(path(), records(2) + "torn");
    EXPECT_EQ(file().append("zzzzzzz"), 3);
    EXPECT_EQ(onDisk(), records(2) + "zzzzzzz");
}

TEST_F(RecordFileTest, FailedAppendLeavesTheFileAsItWasAndThrows)
{
    const QByteArray before = records(2);
    const auto failures = everyFailureOf(
        ops, [&] { writeFileBytes(path(), before); }, [&] { file().append("zzzzzzz"); },
        {FileCall::Open, FileCall::Stat, FileCall::Write, FileCall::Sync}, {ENOSPC, EIO});
    ASSERT_EQ(failures.size(), 10u);
    for (const InjectedFailure& f : failures) {
        for (bool writeHalfFirst : {false, true}) {
            writeFileBytes(path(), before);
            ops.failAt(f.call, f.n, f.error, writeHalfFirst);
            EXPECT_THROW(file().append("zzzzzzz"), IoError) << describe(f);
            EXPECT_TRUE(ops.failed());
            ops.reset();
            EXPECT_EQ(onDisk(), before) << describe(f) << (writeHalfFirst ? ", half written" : "");
        }
    }
}

TEST_F(RecordFileTest, FailedAppendOntoATornTailKeepsEveryWholeRecord)
{
    for (FileCall call : {FileCall::Truncate, FileCall::Write, FileCall::Sync}) {
        writeFileBytes(path(), records(2) + "torn");
        ops.failAt(call, 1, ENOSPC, true);
        EXPECT_THROW(file().append("zzzzzzz"), IoError) << fileCallName(call);
        ops.reset();
        EXPECT_EQ(onDisk().left(2 * Size), records(2)) << fileCallName(call);
        EXPECT_EQ(file().count(), 2) << fileCallName(call);
    }
}

TEST_F(RecordFileTest, AppendThatSucceededIsNeverReportedAsFailed)
{
    // Once the record is synced it is stored; a later failure must not tell
    // the caller otherwise, or storing again would add it twice.
    const auto failures = everyFailureOf(
        ops, [&] { writeFileBytes(path(), records(2)); }, [&] { file().append("zzzzzzz"); }, {FileCall::Close}, {EIO});
    ASSERT_FALSE(failures.empty());
    for (const InjectedFailure& f : failures) {
        writeFileBytes(path(), records(2));
        ops.failAt(f.call, f.n, f.error);
        bool threw = false;
        try {
            file().append("zzzzzzz");
        } catch (const IoError&) {
            threw = true;
        }
        ops.reset();
        EXPECT_EQ(onDisk(), threw ? records(2) : records(2) + "zzzzzzz") << describe(f);
    }
}

TEST_F(RecordFileTest, ReplaceWritesTheNewContentsAndLeavesNoTemporaryFile)
{
    writeFileBytes(path(), records(5));
    file().replace(records(2));
    EXPECT_EQ(onDisk(), records(2));
    EXPECT_EQ(leftovers(), QStringList());
}

// A replacement keeps who may read and write the file: a private file stays
// private and a group-shared one stays writable for its group, whatever the
// umask of the user saving it.
TEST_F(RecordFileTest, ReplaceKeepsThePermissionsAndGroupOfTheReplacedFile)
{
    const mode_t umaskBefore = ::umask(022);
    // Root may give any group; anyone else only their own.
    const gid_t group = ::geteuid() == 0 ? 100 : ::getegid();
    for (const mode_t mode : {mode_t(0600), mode_t(0660), mode_t(0664), mode_t(0640)}) {
        writeFileBytes(path(), records(3));
        ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), mode), 0);
        ASSERT_EQ(::chown(QFile::encodeName(path()).constData(), static_cast<uid_t>(-1), group), 0);
        file().replace(records(1));
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, mode) << std::oct << mode;
        EXPECT_EQ(after.st_gid, group) << std::oct << mode;
        EXPECT_EQ(onDisk(), records(1));
    }
    // A file written for the first time follows the umask.
    QFile::remove(path());
    file().replace(records(1));
    struct stat created {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &created), 0);
    EXPECT_EQ(created.st_mode & 07777, mode_t(0644));
    ::umask(umaskBefore);
}

TEST_F(RecordFileTest, ReplaceRemovesOnlyTheTemporariesOfEarlierRuns)
{
    const auto makeFile = [&](const QString& name, const QDateTime& modified) {
        writeFileBytes(folder.uslugi() + QLatin1Char('/') + name, "x");
        QFile f(folder.uslugi() + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
    };
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-1);
    makeFile(QStringLiteral("plik.dat.a1B2c3"), longAgo);
    makeFile(QStringLiteral("plik.dat.Zz9900"), QDateTime::currentDateTime().addSecs(60));
    makeFile(QStringLiteral("plik.dat.kopia12"), longAgo);
    makeFile(QStringLiteral("plik.dat.bak"), longAgo);
    makeFile(QStringLiteral("inny.dat.a1B2c3"), longAgo);
    file().replace(records(1));
    EXPECT_EQ(onDisk(), records(1));
    const QStringList kept = leftovers();
    EXPECT_EQ(QSet<QString>(kept.begin(), kept.end()),
              QSet<QString>({QStringLiteral("inny.dat.a1B2c3"), QStringLiteral("plik.dat.Zz9900"),
                             QStringLiteral("plik.dat.bak"), QStringLiteral("plik.dat.kopia12")}));
}

TEST_F(RecordFileTest, ReplaceIsAllOrNothingWhicheverCallFails)
{
    const QByteArray before = records(5);
    const QByteArray after = records(40).mid(5 * Size, 3 * Size);
    const auto failures = everyFailureOf(
        ops, [&] { writeFileBytes(path(), before); }, [&] { file().replace(after); }, allFileCalls, {ENOSPC, EIO});
    for (const InjectedFailure& f : failures) {
        writeFileBytes(path(), before);
        ops.failAt(f.call, f.n, f.error, true);
        bool threw = false;
        try {
            file().replace(after);
        } catch (const IoError&) {
            threw = true;
        }
        EXPECT_TRUE(ops.failed()) << describe(f);
        ops.reset();
        // Losing the data or its sync before the rename must be reported.
        if (f.call == FileCall::Write || f.call == FileCall::Rename || (f.call == FileCall::Sync && f.n == 1)) {
            EXPECT_TRUE(threw) << describe(f);
        }
        EXPECT_EQ(onDisk(), threw ? before : after) << describe(f) << (threw ? " threw" : " returned");
        EXPECT_EQ(leftovers(), QStringList()) << describe(f);
    }
}

} // namespace
} // namespace kw
