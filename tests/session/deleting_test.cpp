#include "tests/session/session_test.h"

#include "store/document_file.h"
#include "store/io_error.h"
#include "tests/support/file_bytes.h"

#include <cerrno>

namespace kw {
namespace {

using DeletingTest = SessionTest;

TEST_F(DeletingTest, DeletingTheThirdOfFiveMovesTheLaterOnesUpAndShowsTheLast)
{
    const QByteArray before =
        writeDocuments({sentinel(), bill("2", "B"), bill("3", "C"), bill("4", "D"), bill("5", "E")});
    start();
    session.loadChosen(3);
    EXPECT_EQ(session.deleteRefusal(), std::nullopt);
    EXPECT_EQ(DocumentSession::deleteQuestion(), QStringLiteral("Usunąć dokument ?"));
    session.remove();
    EXPECT_EQ(documents(), before.left(2 * doc::Size) + before.mid(3 * doc::Size));
    EXPECT_EQ(session.form().head.buyerLines[0], QStringLiteral("E"));
    EXPECT_EQ(session.state().currentRecord(), 4);
    EXPECT_EQ(folderEntries(folder.uslugi()), QStringList{QStringLiteral("dokumenty_r.dat")});
}

TEST_F(DeletingTest, DeletingTheShownSentinelMakesTheFirstBillRecordOne)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "B")});
    start();
    session.loadChosen(1);
    EXPECT_EQ(session.form().head.buyerLines[0], QStringLiteral("Początek bloczka rachunkowego"));
    session.remove();
    EXPECT_EQ(documents(), before.mid(doc::Size));
    EXPECT_EQ(session.form().head.buyerLines[0], QStringLiteral("B"));
    EXPECT_EQ(session.state().currentRecord(), 1);
    EXPECT_EQ(session.deleteRefusal(), QStringLiteral("Nie można usunąć ostatniego wpisu"));
}

TEST_F(DeletingTest, TheOnlyRecordIsNeverOfferedForDeleting)
{
    start();
    EXPECT_EQ(session.deleteRefusal(), QStringLiteral("Nie można usunąć ostatniego wpisu"));
}

TEST_F(DeletingTest, ABillAnotherInstanceChangedIsNotDeleted)
{
    writeDocuments({sentinel(), bill("2", "B"), bill("3", "C")});
    start();
    session.loadChosen(2);
    const QByteArray changed = writeDocuments({sentinel(), bill("2", "B zmieniony"), bill("3", "C")});
    try {
        session.remove();
        ADD_FAILURE() << "deleted a changed bill";
    } catch (const IoError& error) {
        EXPECT_EQ(error.message(), documentChangedNotice(folder.paths().documentFile(), 2));
    }
    EXPECT_EQ(documents(), changed);
}

// The shown bill was removed, but the last one could not be read after it:
// its old position now holds the next bill, so deleting or overwriting again
// would hit that one. The bill shown can only be stored anew.
TEST_F(DeletingTest, ABillDeletedWithoutTheLastOneShownCanOnlyBeStoredAnew)
{
    const std::initializer_list<DocumentRecord> three = {sentinel(), bill("2", "B"), bill("3", "C")};
    writeDocuments(three);
    start();
    session.loadChosen(2);
    ops.reset();
    session.remove();
    const int reads = ops.count(FileCall::Read);

    const QByteArray before = writeDocuments(three);
    session.loadChosen(2);
    // The last read of a delete is the one that loads the last document.
    ops.failAt(FileCall::Read, reads, EIO);
    EXPECT_THROW(session.remove(), IoError);
    ASSERT_TRUE(ops.failed());
    ASSERT_EQ(documents(), before.left(doc::Size) + before.mid(2 * doc::Size));

    EXPECT_TRUE(session.state().isNew());
    EXPECT_FALSE(session.state().deleteEnabled());
    EXPECT_TRUE(session.state().saveEnabled());
    EXPECT_EQ(session.modeCaption(), QStringLiteral("Edycja nowego rachunku"));
    EXPECT_EQ(session.form().head.buyerLines[0], QStringLiteral("B"));
    EXPECT_EQ(session.storeQuestion(), QStringLiteral("Zapisać nowy rachunek ?"));
    ops.reset();
    EXPECT_EQ(session.store(), 3);
    EXPECT_EQ(documents(), before.left(doc::Size) + before.mid(2 * doc::Size) + bill("2", "B").bytes());
}

// A corrective bill lost that way is stored anew as a bill: it carries no
// reference to the bill it corrected and cannot itself be corrected.
TEST_F(DeletingTest, ACorrectiveBillDeletedWithoutTheLastOneShownBecomesABill)
{
    const std::initializer_list<DocumentRecord> three = {sentinel(), correctiveBill("2"), bill("3", "C")};
    writeDocuments(three);
    start();
    session.loadChosen(2);
    ops.reset();
    session.remove();
    const int reads = ops.count(FileCall::Read);

    writeDocuments(three);
    session.loadChosen(2);
    ops.failAt(FileCall::Read, reads, EIO);
    EXPECT_THROW(session.remove(), IoError);
    ASSERT_TRUE(ops.failed());

    EXPECT_TRUE(session.correctedReference().isEmpty());
    EXPECT_TRUE(session.kindCaption().isEmpty());
    EXPECT_FALSE(session.state().correctionEnabled());
    EXPECT_EQ(session.recordToStore().get(doc::DocKind), QStringLiteral("F"));
    EXPECT_TRUE(session.recordToStore().get(doc::CorrectedRef).isEmpty());
}

} // namespace
} // namespace kw
