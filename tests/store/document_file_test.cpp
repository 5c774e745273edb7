#include "store/document_file.h"
#include "store/io_error.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/failure_sweep.h"
#include "tests/support/file_bytes.h"
#include "tests/support/numbered_documents.h"
#include "tests/support/temp_data_folder.h"

#include <QSet>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace kw {
namespace {

class DocumentFileTest : public ::testing::Test
{
protected:
    QString path() const { return folder.paths().documentFile(); }
    QString copyPath() const { return folder.paths().documentCopyFile(); }
    DocumentFile file() { return DocumentFile(ops, folder.paths()); }

    TempDataFolder folder;
    FailingFileOps ops;
};

TEST_F(DocumentFileTest, AppendReadAndOverwrite)
{
    writeFileBytes(path(), sentinelRecord(QStringLiteral("2024-01-02")).bytes());
    EXPECT_EQ(file().append(numberedDocument(1)), 2);
    EXPECT_EQ(file().append(numberedDocument(2)), 3);
    file().overwrite(2, numberedDocument(7));
    EXPECT_EQ(file().count(), 3);
    EXPECT_EQ(file().read(2), numberedDocument(7));
    EXPECT_EQ(file().read(3), numberedDocument(2));
    EXPECT_EQ(readFileBytes(path()), sentinelRecord(QStringLiteral("2024-01-02")).bytes() + numberedDocuments({7, 2}));
    EXPECT_EQ(folderEntries(folder.uslugi()), QStringList{QStringLiteral("dokumenty_r.dat")});
}

// Bills and corrective bills are numbered in series of their own, each
// number with its extension; only the same kind, number and extension is taken.
TEST_F(DocumentFileTest, AppendWithAFreeNumberRefusesOnlyANumberTakenInItsSeries)
{
    const auto document = [](const char* kind, const char* number, const char* suffix) {
        DocumentRecord r = numberedDocument(9);
        r.set(doc::DocKind, QLatin1String(kind));
        r.set(doc::DocNumber, QLatin1String(number));
        r.set(doc::NumberSuffix, QLatin1String(suffix));
        return r;
    };
    const QByteArray stored =
        numberedDocument(1).bytes() + document("F", "12", "2026").bytes() + document("K", "3", "K/2026").bytes();
    const struct {
        DocumentRecord record;
        qint64 takenAt; // 0: free
    } cases[] = {
        {document("F", "12", "2026"), 2}, {document("K", "3", "K/2026"), 3}, {document("F", "1", ""), 1},
        {document("K", "12", "2026"), 0}, {document("F", "3", "K/2026"), 0}, {document("F", "12", "2025"), 0},
        {document("F", "1", "2026"), 0},  {document("F", "12", ""), 0},      {document("F", "120", "2026"), 0},
    };
    for (const auto& c : cases) {
        writeFileBytes(path(), stored);
        const QString number = c.record.get(doc::DocNumber) +
            (c.record.get(doc::NumberSuffix).isEmpty() ? QString()
                                                       : QLatin1Char('/') + c.record.get(doc::NumberSuffix));
        SCOPED_TRACE(number.toStdString() + " " + c.record.get(doc::DocKind).toStdString());
        if (c.takenAt == 0) {
            EXPECT_EQ(file().appendWithFreeNumber(c.record), 4);
            EXPECT_EQ(readFileBytes(path()), stored + c.record.bytes());
            continue;
        }
        try {
            file().appendWithFreeNumber(c.record);
            ADD_FAILURE() << "a taken number was stored";
        } catch (const IoError& error) {
            EXPECT_EQ(error.message(), numberTakenNotice(number, c.takenAt));
        }
        EXPECT_EQ(readFileBytes(path()), stored);
    }
}

TEST_F(DocumentFileTest, RemoveMovesTheLaterDocumentsUp)
{
    const struct {
        qint64 position;
        QByteArray expected;
    } cases[] = {
        {3, numberedDocuments({1, 2, 4, 5})},
        {1, numberedDocuments({2, 3, 4, 5})},
        {5, numberedDocuments({1, 2, 3, 4})},
    };
    for (const auto& c : cases) {
        writeFileBytes(path(), numberedDocuments({1, 2, 3, 4, 5}));
        file().remove(c.position);
        EXPECT_EQ(readFileBytes(path()), c.expected) << "removing " << c.position;
        EXPECT_FALSE(QFile::exists(copyPath()));
    }
}

TEST_F(DocumentFileTest, RemoveKeepsALargeFileInOrder)
{
    // More documents than one chunk of the copy, so the copy is written in parts.
    QByteArray all;
    QByteArray expected;
    for (int n = 1; n <= 600; ++n) {
        all += numberedDocument(n).bytes();
        if (n != 300)
            expected += numberedDocument(n).bytes();
    }
    writeFileBytes(path(), all);
    file().remove(300);
    EXPECT_EQ(readFileBytes(path()), expected);
}

TEST_F(DocumentFileTest, RemovingTheOnlyDocumentLeavesAnEmptyFile)
{
    writeFileBytes(path(), numberedDocuments({1}));
    file().remove(1);
    EXPECT_EQ(readFileBytes(path()), QByteArray());
}

TEST_F(DocumentFileTest, RemoveDropsATornTail)
{
    writeFileBytes(path(), numberedDocuments({1, 2, 3}) + "torn");
    file().remove(2);
    EXPECT_EQ(readFileBytes(path()), numberedDocuments({1, 3}));
}

// Each change of a stored document, checked against the loaded bytes or not.
struct Change {
    const char* name;
    std::function<void(DocumentFile&)> apply;
    QByteArray after; // of documents 1..5
};

const QByteArray fiveDocuments = numberedDocuments({1, 2, 3, 4, 5});

TEST_F(DocumentFileTest, FailedRemoveLeavesTheDocumentFileWhole)
{
    const Change changes[] = {
        {"remove", [](DocumentFile& f) { f.remove(3); }, numberedDocuments({1, 2, 4, 5})},
        {"checked remove", [](DocumentFile& f) { f.remove(3, numberedDocument(3)); }, numberedDocuments({1, 2, 4, 5})},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        DocumentFile f = file();
        const auto failures = everyFailureOf(
            ops, [&] { writeFileBytes(path(), fiveDocuments); }, [&] { change.apply(f); }, allFileCalls, {ENOSPC, EIO});
        ASSERT_GE(failures.size(), 10u);
        for (const InjectedFailure& failure : failures) {
            for (bool writeHalfFirst : {false, true}) {
                writeFileBytes(path(), fiveDocuments);
                ops.failAt(failure.call, failure.n, failure.error, writeHalfFirst);
                bool threw = false;
                try {
                    change.apply(f);
                } catch (const IoError&) {
                    threw = true;
                }
                EXPECT_TRUE(ops.failed()) << describe(failure);
                ops.reset();
                if (failure.call == FileCall::Write || failure.call == FileCall::Rename ||
                    failure.call == FileCall::Read || (failure.call == FileCall::Sync && failure.n == 1)) {
                    EXPECT_TRUE(threw) << describe(failure);
                }
                EXPECT_EQ(readFileBytes(path()), threw ? fiveDocuments : change.after)
                    << describe(failure) << (threw ? " threw" : " returned");
                EXPECT_EQ(folderEntries(folder.uslugi()), QStringList{QStringLiteral("dokumenty_r.dat")})
                    << describe(failure);
            }
        }
    }
}

// Whatever call fails, once the next operation has finished or dropped the
// journal the file holds the old document or the new one, and the error was
// reported exactly when it holds the old one. A write in place that fails
// (even half done) is finished from the journal at once.
TEST_F(DocumentFileTest, FailedOverwriteLeavesTheOldOrTheNewDocument)
{
    const Change changes[] = {
        {"overwrite", [](DocumentFile& f) { f.overwrite(3, numberedDocument(9)); }, numberedDocuments({1, 2, 9, 4, 5})},
        {"checked overwrite", [](DocumentFile& f) { f.overwrite(3, numberedDocument(9), numberedDocument(3)); },
         numberedDocuments({1, 2, 9, 4, 5})},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        DocumentFile f = file();
        const auto failures = everyFailureOf(
            ops, [&] { writeFileBytes(path(), fiveDocuments); }, [&] { change.apply(f); }, allFileCalls, {ENOSPC, EIO});
        ASSERT_GE(failures.size(), 10u);
        int finishedAtOnce = 0;
        for (const InjectedFailure& failure : failures) {
            for (bool writeHalfFirst : {false, true}) {
                writeFileBytes(path(), fiveDocuments);
                ops.failAt(failure.call, failure.n, failure.error, writeHalfFirst);
                bool threw = false;
                try {
                    change.apply(f);
                } catch (const IoError&) {
                    threw = true;
                }
                EXPECT_TRUE(ops.failed()) << describe(failure);
                ops.reset();
                finishedAtOnce += !threw && failure.call == FileCall::Write;
                EXPECT_EQ(f.read(1), numberedDocument(1)) << describe(failure);
                EXPECT_EQ(readFileBytes(path()), threw ? fiveDocuments : change.after)
                    << describe(failure) << (threw ? " threw" : " returned");
                EXPECT_EQ(folderEntries(folder.uslugi()), QStringList{QStringLiteral("dokumenty_r.dat")})
                    << describe(failure);
            }
        }
        EXPECT_GT(finishedAtOnce, 0);
    }
}

// Fails every write and sync of the document file itself once armed, as a
// share that drops the connection after the journal went down.
class DocumentWritesFail : public FileOps
{
public:
    bool armed = false;

    int open(const char* path, int flags, mode_t mode) override
    {
        const int fd = FileOps::open(path, flags, mode);
        if (fd >= 0 && QString::fromLocal8Bit(path).endsWith(QLatin1String("dokumenty_r.dat")))
            documentFds_.insert(fd);
        return fd;
    }
    int close(int fd) override
    {
        documentFds_.remove(fd);
        return FileOps::close(fd);
    }
    ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset) override
    {
        if (!armed || !documentFds_.contains(fd))
            return FileOps::pwrite(fd, buffer, size, offset);
        FileOps::pwrite(fd, buffer, size / 2, offset);
        errno = EIO;
        return -1;
    }
    int fsync(int fd) override
    {
        if (!armed || !documentFds_.contains(fd))
            return FileOps::fsync(fd);
        errno = EIO;
        return -1;
    }

private:
    QSet<int> documentFds_;
};

TEST_F(DocumentFileTest, OverwriteThatCannotBeFinishedIsReportedAndFinishedByTheNextReader)
{
    writeFileBytes(path(), fiveDocuments);
    // Differs from document 3 in both halves of the record.
    DocumentRecord changed = numberedDocument(9);
    changed.set(doc::CorrectedRef, QStringLiteral("F 3/2024"));
    DocumentWritesFail failing;
    failing.armed = true;
    try {
        DocumentFile(failing, folder.paths()).overwrite(3, changed, numberedDocument(3));
        ADD_FAILURE() << "the overwrite was reported as done";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains(describeErrno(EIO))) << e.what();
    }
    // The record is torn on disk now, and the journal stays to mend it.
    ASSERT_TRUE(QFile::exists(folder.paths().documentJournalFile()));
    EXPECT_NE(readFileBytes(path()).mid(2 * doc::Size, doc::Size), numberedDocument(3).bytes());
    EXPECT_NE(readFileBytes(path()).mid(2 * doc::Size, doc::Size), changed.bytes());

    // While the document file still cannot be written, nothing shows the
    // torn record.
    EXPECT_THROW(DocumentFile(failing, folder.paths()).read(3), IoError);
    EXPECT_THROW(DocumentFile(failing, folder.paths()).append(numberedDocument(6)), IoError);

    EXPECT_EQ(file().read(3), changed);
    EXPECT_EQ(readFileBytes(path()), numberedDocuments({1, 2}) + changed.bytes() + numberedDocuments({4, 5}));
    EXPECT_FALSE(QFile::exists(folder.paths().documentJournalFile()));
}

TEST_F(DocumentFileTest, ChangeOfADocumentChangedMeanwhileIsRefused)
{
    // Another instance overwrote document 3, or deleted one before it so
    // that 4 moved up, or deleted enough that position 3 is gone.
    const struct {
        const char* meanwhile;
        QByteArray onDisk;
    } cases[] = {
        {"changed", numberedDocuments({1, 2, 7, 4, 5})},
        {"moved", numberedDocuments({1, 2, 4, 5})},
        {"gone", numberedDocuments({1, 2})},
    };
    for (const auto& c : cases) {
        for (const bool overwriting : {true, false}) {
            writeFileBytes(path(), c.onDisk);
            try {
                if (overwriting)
                    file().overwrite(3, numberedDocument(9), numberedDocument(3));
                else
                    file().remove(3, numberedDocument(3));
                ADD_FAILURE() << c.meanwhile << ": the change was made";
            } catch (const IoError& e) {
                EXPECT_EQ(e.message(), documentChangedNotice(path(), 3));
            }
            EXPECT_EQ(readFileBytes(path()), c.onDisk) << c.meanwhile;
        }
    }
}

TEST_F(DocumentFileTest, ChangingAPositionTheFileDoesNotHoldIsAnError)
{
    for (qint64 position : {0, 3}) {
        writeFileBytes(path(), numberedDocuments({1, 2}) + "torn");
        EXPECT_THROW(file().remove(position), IoError) << position;
        EXPECT_THROW(file().overwrite(position, numberedDocument(9)), IoError) << position;
        EXPECT_EQ(readFileBytes(path()), numberedDocuments({1, 2}) + "torn");
    }
}

TEST_F(DocumentFileTest, FailedRemoveReplacesAStrayCopyAndLeavesNone)
{
    writeFileBytes(path(), numberedDocuments({1, 2}));
    writeFileBytes(copyPath(), numberedDocuments({9, 9, 9}));
    ops.failAt(FileCall::Write, 1, ENOSPC);
    EXPECT_THROW(file().remove(1), IoError);
    ops.reset();
    EXPECT_EQ(readFileBytes(path()), numberedDocuments({1, 2}));
    EXPECT_FALSE(QFile::exists(copyPath()));
}

// A delete killed before its rename left a register's worth of copy until
// the next delete.
TEST_F(DocumentFileTest, ACopyLeftByADeleteGoesAtTheNextChangeOfAWholeFile)
{
    const std::function<void(DocumentFile&)> changes[] = {
        [](DocumentFile& f) { f.append(numberedDocument(5)); },
        [](DocumentFile& f) { f.overwrite(1, numberedDocument(5)); },
        [](DocumentFile& f) { f.remove(2); },
    };
    for (const auto& change : changes) {
        writeFileBytes(path(), numberedDocuments({1, 2}));
        writeFileBytes(copyPath(), numberedDocuments({1}));
        DocumentFile documentFile = file();
        change(documentFile);
        EXPECT_FALSE(QFile::exists(copyPath()));
    }
    // Beside a torn document file the copy may be the whole one: it stays.
    writeFileBytes(path(), numberedDocuments({1, 2}) + "torn");
    writeFileBytes(copyPath(), numberedDocuments({1, 2}));
    file().append(numberedDocument(5));
    EXPECT_EQ(readFileBytes(copyPath()), numberedDocuments({1, 2}));
}

TEST_F(DocumentFileTest, AMissingDocumentFileIsRestoredFromTheCopyOfAHalfDoneDelete)
{
    writeFileBytes(copyPath(), numberedDocuments({1, 2}));
    EXPECT_TRUE(file().restoreFromCopy());
    EXPECT_EQ(readFileBytes(path()), numberedDocuments({1, 2}));
    EXPECT_FALSE(QFile::exists(copyPath()));
    EXPECT_FALSE(file().restoreFromCopy());

    // With the document file in place the copy is never taken for it.
    writeFileBytes(copyPath(), numberedDocuments({9}));
    EXPECT_FALSE(file().restoreFromCopy());
    EXPECT_EQ(readFileBytes(path()), numberedDocuments({1, 2}));
}

} // namespace
} // namespace kw
