#include "document_file.h"
#include "failing_file_ops.h"
#include "failure_sweep.h"
#include "file_bytes.h"
#include "io_error.h"
#include "temp_data_folder.h"

#include <gtest/gtest.h>

#include <cerrno>

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

TEST_F(DocumentFileTest, FailedRemoveLeavesTheDocumentFileWhole)
{
    const QByteArray before = documents({1, 2, 3, 4, 5});
    const QByteArray after = documents({1, 2, 4, 5});
    const auto failures = everyFailureOf(
        ops, [&] { writeFileBytes(path(), before); }, [&] { file().remove(3); }, allFileCalls, {ENOSPC, EIO});
    ASSERT_GE(failures.size(), 10u);
    for (const InjectedFailure& f : failures) {
        for (bool writeHalfFirst : {false, true}) {
            writeFileBytes(path(), before);
            ops.failAt(f.call, f.n, f.error, writeHalfFirst);
            bool threw = false;
            try {
                file().remove(3);
            } catch (const IoError&) {
                threw = true;
            }
            EXPECT_TRUE(ops.failed()) << describe(f);
            ops.reset();
            if (f.call == FileCall::Write || f.call == FileCall::Rename || f.call == FileCall::Read ||
                (f.call == FileCall::Sync && f.n == 1)) {
                EXPECT_TRUE(threw) << describe(f);
            }
            EXPECT_EQ(readFileBytes(path()), threw ? before : after)
                << describe(f) << (threw ? " threw" : " returned");
            EXPECT_FALSE(QFile::exists(copyPath())) << describe(f);
        }
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
