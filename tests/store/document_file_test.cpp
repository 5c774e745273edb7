#include "document_file.h"
#include "failing_file_ops.h"
#include "failure_sweep.h"
#include "file_bytes.h"
#include "io_error.h"
#include "temp_data_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace kw {
namespace {

DocumentRecord document(int number)
{
    DocumentRecord r;
    r.set(doc::DocNumber, QString::number(number));
    r.set(doc::BuyerLine1, QStringLiteral("Odbiorca nr %1 — Łęczna").arg(number));
    r.set(lineCell(LineTable::Bill, 6, 3), QStringLiteral("%1.00").arg(number).rightJustified(9));
    r.set(doc::DocKind, number % 2 ? QStringLiteral("F") : QStringLiteral("K"));
    return r;
}

QByteArray documents(std::initializer_list<int> numbers)
{
    QByteArray bytes;
    for (int n : numbers)
        bytes += document(n).bytes();
    return bytes;
}

class DocumentFileTest : public ::testing::Test {
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
    EXPECT_EQ(file().append(document(1)), 2);
    EXPECT_EQ(file().append(document(2)), 3);
    file().overwrite(2, document(7));
    EXPECT_EQ(file().count(), 3);
    EXPECT_EQ(file().read(2), document(7));
    EXPECT_EQ(file().read(3), document(2));
    EXPECT_EQ(readFileBytes(path()), sentinelRecord(QStringLiteral("2024-01-02")).bytes() + documents({7, 2}));
}

TEST_F(DocumentFileTest, RemoveMovesTheLaterDocumentsUp)
{
    const struct {
        qint64 position;
        QByteArray expected;
    } cases[] = {
        {3, documents({1, 2, 4, 5})},
        {1, documents({2, 3, 4, 5})},
        {5, documents({1, 2, 3, 4})},
    };
    for (const auto& c : cases) {
        writeFileBytes(path(), documents({1, 2, 3, 4, 5}));
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
        all += document(n).bytes();
        if (n != 300)
            expected += document(n).bytes();
    }
    writeFileBytes(path(), all);
    file().remove(300);
    EXPECT_EQ(readFileBytes(path()), expected);
}

TEST_F(DocumentFileTest, RemovingTheOnlyDocumentLeavesAnEmptyFile)
{
    writeFileBytes(path(), documents({1}));
    file().remove(1);
    EXPECT_EQ(readFileBytes(path()), QByteArray());
}

TEST_F(DocumentFileTest, RemoveDropsATornTail)
{
    writeFileBytes(path(), documents({1, 2, 3}) + "torn");
    file().remove(2);
    EXPECT_EQ(readFileBytes(path()), documents({1, 3}));
}

// Each change of a stored document, checked against the loaded bytes or not.
struct Change {
    const char* name;
    std::function<void(DocumentFile&)> apply;
    QByteArray after; // of documents 1..5
};

TEST_F(DocumentFileTest, FailedChangeLeavesTheDocumentFileWhole)
{
    const Change changes[] = {
        {"remove", [](DocumentFile& f) { f.remove(3); }, documents({1, 2, 4, 5})},
        {"checked remove", [](DocumentFile& f) { f.remove(3, document(3)); }, documents({1, 2, 4, 5})},
        {"overwrite", [](DocumentFile& f) { f.overwrite(3, document(9)); }, documents({1, 2, 9, 4, 5})},
        {"checked overwrite", [](DocumentFile& f) { f.overwrite(3, document(9), document(3)); },
         documents({1, 2, 9, 4, 5})},
    };
    // A write that puts half its bytes down before failing would tear a
    // record written in place; the change goes through a whole new copy.
    const QByteArray before = documents({1, 2, 3, 4, 5});
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        DocumentFile f = file();
        const auto failures = everyFailureOf(
            ops, [&] { writeFileBytes(path(), before); }, [&] { change.apply(f); }, allFileCalls, {ENOSPC, EIO});
        ASSERT_GE(failures.size(), 10u);
        for (const InjectedFailure& failure : failures) {
            for (bool writeHalfFirst : {false, true}) {
                writeFileBytes(path(), before);
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
                EXPECT_EQ(readFileBytes(path()), threw ? before : change.after)
                    << describe(failure) << (threw ? " threw" : " returned");
                EXPECT_EQ(folderEntries(folder.uslugi()), QStringList{QStringLiteral("dokumenty_r.dat")})
                    << describe(failure);
            }
        }
    }
}

TEST_F(DocumentFileTest, ChangeOfADocumentChangedMeanwhileIsRefused)
{
    // Another instance overwrote document 3, or deleted one before it so
    // that 4 moved up, or deleted enough that position 3 is gone.
    const struct {
        const char* meanwhile;
        QByteArray onDisk;
    } cases[] = {
        {"changed", documents({1, 2, 7, 4, 5})},
        {"moved", documents({1, 2, 4, 5})},
        {"gone", documents({1, 2})},
    };
    for (const auto& c : cases) {
        for (const bool overwriting : {true, false}) {
            writeFileBytes(path(), c.onDisk);
            try {
                if (overwriting)
                    file().overwrite(3, document(9), document(3));
                else
                    file().remove(3, document(3));
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
        writeFileBytes(path(), documents({1, 2}) + "torn");
        EXPECT_THROW(file().remove(position), IoError) << position;
        EXPECT_THROW(file().overwrite(position, document(9)), IoError) << position;
        EXPECT_EQ(readFileBytes(path()), documents({1, 2}) + "torn");
    }
}

TEST_F(DocumentFileTest, FailedRemoveReplacesAStrayCopyAndLeavesNone)
{
    writeFileBytes(path(), documents({1, 2}));
    writeFileBytes(copyPath(), documents({9, 9, 9}));
    ops.failAt(FileCall::Write, 1, ENOSPC);
    EXPECT_THROW(file().remove(1), IoError);
    ops.reset();
    EXPECT_EQ(readFileBytes(path()), documents({1, 2}));
    EXPECT_FALSE(QFile::exists(copyPath()));
}

} // namespace
} // namespace kw
