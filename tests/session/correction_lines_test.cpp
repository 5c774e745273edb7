#include "tests/session/session_test.h"

namespace kw {
namespace {

class CorrectionLinesTest : public SessionTest
{
protected:
    void SetUp() override
    {
        writeDocuments({sentinel(), bill("2", "B"), correctiveBill("3")});
        start();
    }
    QString shownName() const { return cellOf(session.form(), 1, 1); }
};

TEST_F(CorrectionLinesTest, ACorrectionStartsFromTheCorrectedBillsLines)
{
    session.loadChosen(2);
    const DocumentForm bill = session.form();
    session.beginCorrection();
    EXPECT_EQ(session.form().cells, bill.cells);
    EXPECT_EQ(session.form().head.buyerLines, bill.head.buyerLines);
}

TEST_F(CorrectionLinesTest, TheLinesBeforeShownTwiceKeepTheCorrectedLines)
{
    edit([](DocumentForm& f) { cellOf(f, 1, 1) = QStringLiteral("Poprawiona"); });
    session.showLinesBeforeCorrection();
    EXPECT_EQ(shownName(), QStringLiteral("Usługa A"));
    EXPECT_EQ(cellOf(session.form(), 5, 1), QStringLiteral("   10.00"));
    session.showLinesBeforeCorrection();
    EXPECT_EQ(shownName(), QStringLiteral("Usługa A"));
    session.showLinesAfterCorrection();
    EXPECT_EQ(shownName(), QStringLiteral("Poprawiona"));
    EXPECT_EQ(cellOf(session.form(), 5, 1), QStringLiteral("    8.00"));
    // What storing writes: the corrected lines, and the bill's lines as loaded.
    const DocumentRecord record = session.recordToStore();
    EXPECT_EQ(record.get(lineCell(LineTable::Correction, 1, 1)), QStringLiteral("Poprawiona"));
    EXPECT_EQ(tableBytes(record, LineTable::Bill), tableBytes(correctiveBill("3"), LineTable::Bill));
}

TEST_F(CorrectionLinesTest, StoringWhileTheLinesBeforeAreShownKeepsTheCorrectedLines)
{
    edit([](DocumentForm& f) { cellOf(f, 1, 1) = QStringLiteral("Poprawiona"); });
    session.showLinesBeforeCorrection();
    const DocumentRecord record = session.recordToStore();
    EXPECT_EQ(record.get(lineCell(LineTable::Correction, 1, 1)), QStringLiteral("Poprawiona"));
    EXPECT_EQ(tableBytes(record, LineTable::Bill), tableBytes(correctiveBill("3"), LineTable::Bill));
}

// The lines after the correction are shown from what was put aside when the
// lines before were shown: showing them again drops edits made since.
TEST_F(CorrectionLinesTest, TheLinesAfterShownAgainDropTheEditsSinceTheyWerePutAside)
{
    session.showLinesBeforeCorrection();
    session.showLinesAfterCorrection();
    edit([](DocumentForm& f) { cellOf(f, 1, 1) = QStringLiteral("Poprawiona"); });
    session.showLinesAfterCorrection();
    EXPECT_EQ(shownName(), QStringLiteral("Usługa A po korekcie"));
}

} // namespace
} // namespace kw
