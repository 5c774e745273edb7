#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/io_error.h"
#include "store/records.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/file_bytes.h"
#include "tests/support/numbered_documents.h"
#include "tests/support/temp_data_folder.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cerrno>

namespace kw {
namespace {

TEST(JournalBytes, LayoutAndRoundTrip)
{
    const QByteArray bytes = journalBytes({0x0102030405LL, numberedDocument(7).bytes()});
    ASSERT_EQ(bytes.size(), DocumentJournal::Size);
    EXPECT_EQ(bytes.left(8), QByteArray("KWJR\x01\0\0\0", 8));
    EXPECT_EQ(qFromLittleEndian<qint64>(bytes.constData() + 8), 0x0102030405LL);
    EXPECT_EQ(bytes.mid(16, doc::Size), numberedDocument(7).bytes());
    const std::optional<JournalEntry> entry = parseJournal(bytes);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->position, 0x0102030405LL);
    EXPECT_EQ(entry->record, numberedDocument(7).bytes());
}

TEST(JournalBytes, AnythingButAWholeJournalIsRefused)
{
    const QByteArray whole = journalBytes({3, numberedDocument(7).bytes()});
    QList<std::pair<const char*, QByteArray>> cases = {
        {"empty", {}},
        {"cut short by one byte", whole.chopped(1)},
        {"the header only", whole.left(16)},
        {"grown by one byte", whole + 'x'},
        {"zero position", journalBytes({0, numberedDocument(7).bytes()})},
        {"negative position", journalBytes({-5, numberedDocument(7).bytes()})},
    };
    // A changed byte anywhere: magic, version, position, record, sum.
    for (int at : {0, 3, 4, 8, 15, 16, 100, 16 + doc::Size - 1, DocumentJournal::Size - 8, DocumentJournal::Size - 1}) {
        QByteArray changed = whole;
        changed[at] = char(changed[at] ^ 0x20);
        cases.append({"one byte changed", changed});
    }
    for (const auto& [name, bytes] : cases)
        EXPECT_FALSE(parseJournal(bytes)) << name << " (" << bytes.size() << " bytes)";
}

class DocumentJournalTest : public ::testing::Test
{
protected:
    QString documentFile() const { return folder.paths().documentFile(); }
    QString journalFile() const { return folder.paths().documentJournalFile(); }
    DocumentJournal journal() { return DocumentJournal(ops, documentFile()); }

    TempDataFolder folder;
    FailingFileOps ops;
};

TEST_F(DocumentJournalTest, LiesBesideTheDocumentFile)
{
    EXPECT_EQ(journalFile(), folder.uslugi() + QStringLiteral("/dokumenty_r.jrn"));
    EXPECT_EQ(journal().path(), journalFile());
    EXPECT_FALSE(journal().mayExist());
    writeFileBytes(journalFile(), "x");
    EXPECT_TRUE(journal().mayExist());
}

TEST_F(DocumentJournalTest, RecoveryFinishesAWholeJournalAndDropsAnyOther)
{
    const QByteArray whole = journalBytes({2, numberedDocument(9).bytes()});
    const struct {
        const char* name;
        QByteArray journal;
        QByteArray after;
    } cases[] = {
        {"whole", whole, numberedDocuments({1, 9, 3})},
        {"cut short", whole.left(2000), numberedDocuments({1, 2, 3})},
        {"wrong sum", whole.left(DocumentJournal::Size - 1) + char(whole.back() ^ 1), numberedDocuments({1, 2, 3})},
        {"empty", {}, numberedDocuments({1, 2, 3})},
        {"past the file's end", journalBytes({4, numberedDocument(9).bytes()}), numberedDocuments({1, 2, 3})},
    };
    for (const auto& c : cases) {
        writeFileBytes(documentFile(), numberedDocuments({1, 2, 3}));
        writeFileBytes(journalFile(), c.journal);
        DocumentLock lock(documentFile());
        journal().recover(lock);
        EXPECT_EQ(readFileBytes(documentFile()), c.after) << c.name;
        EXPECT_FALSE(QFile::exists(journalFile())) << c.name;
    }
}

TEST_F(DocumentJournalTest, AReaderWithoutTheLockStopsOnlyAtAWholeJournal)
{
    // A lock that cannot be made, as in a read-only folder.
    const DocumentLock notHeld(folder.path() + QStringLiteral("/Brak/dokumenty_r.dat"), DocumentLock::Reading);
    ASSERT_FALSE(notHeld.held());
    writeFileBytes(documentFile(), numberedDocuments({1, 2, 3}));

    writeFileBytes(journalFile(), journalBytes({2, numberedDocument(9).bytes()}).left(100));
    EXPECT_NO_THROW(journal().recover(notHeld));

    writeFileBytes(journalFile(), journalBytes({2, numberedDocument(9).bytes()}));
    try {
        journal().recover(notHeld);
        ADD_FAILURE() << "read on past a whole journal";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Nie można dokończyć przerwanego zapisu dokumentu nr 2")))
            << e.what();
    }
    EXPECT_EQ(readFileBytes(documentFile()), numberedDocuments({1, 2, 3}));
    EXPECT_TRUE(QFile::exists(journalFile()));
}

TEST_F(DocumentJournalTest, AJournalThatCannotBeFinishedStaysForTheNextTry)
{
    const struct {
        FileCall call;
        int n;
    } failures[] = {
        {FileCall::Open, 1}, // the journal
        {FileCall::Open, 2}, // the document file
        {FileCall::Write, 1}, {FileCall::Sync, 1}, {FileCall::Unlink, 1},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(fileCallName(failure.call));
        writeFileBytes(documentFile(), numberedDocuments({1, 2, 3}));
        writeFileBytes(journalFile(), journalBytes({2, numberedDocument(9).bytes()}));
        DocumentLock lock(documentFile());
        ops.failAt(failure.call, failure.n, ENOSPC, true);
        try {
            journal().recover(lock);
            ADD_FAILURE() << "the failure went unreported";
        } catch (const IoError& e) {
            EXPECT_TRUE(e.message().contains(describeErrno(ENOSPC))) << e.what();
        }
        EXPECT_TRUE(ops.failed());
        ops.reset();
        EXPECT_TRUE(QFile::exists(journalFile()));
        journal().recover(lock);
        EXPECT_EQ(readFileBytes(documentFile()), numberedDocuments({1, 9, 3}));
        EXPECT_FALSE(QFile::exists(journalFile()));
    }
}

TEST_F(DocumentJournalTest, WriteLeavesAWholeJournalOrNone)
{
    writeFileBytes(documentFile(), numberedDocuments({1, 2, 3}));
    const JournalEntry entry{2, numberedDocument(9).bytes()};
    for (FileCall call : {FileCall::Open, FileCall::Write, FileCall::Sync, FileCall::Close, FileCall::Rename}) {
        SCOPED_TRACE(fileCallName(call));
        ops.failAt(call, 1, EIO, true);
        EXPECT_THROW(journal().write(entry), IoError);
        ops.reset();
        EXPECT_EQ(folderEntries(folder.uslugi()), QStringList{QStringLiteral("dokumenty_r.dat")});
    }
    journal().write(entry);
    EXPECT_EQ(readFileBytes(journalFile()), journalBytes(entry));
}

} // namespace
} // namespace kw
