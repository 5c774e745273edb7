#include "tests/session/session_test.h"

#include "documents/document_template.h"

#include <functional>

namespace kw {
namespace {

class UnsavedChangesTest : public SessionTest
{
protected:
    // A cash bill stored without its term and line totals, as an older
    // program left it: what the form shows of them is no change of the user's.
    static DocumentRecord cashBill()
    {
        DocumentRecord r = bill("2", "B");
        r.set(doc::PaymentMethod, QStringLiteral("Gotówka"));
        r.set(doc::PaymentTerm, QString());
        r.set(lineCell(LineTable::Bill, 6, 1), QString());
        return r;
    }
};

TEST_F(UnsavedChangesTest, ADocumentJustLoadedBegunOrStoredHoldsNoChanges)
{
    const struct {
        const char* name;
        std::function<void(DocumentSession&)> commands;
    } cases[] = {
        {"loaded at start", [](DocumentSession&) {}},
        {"chosen", [](DocumentSession& s) { s.loadChosen(2); }},
        {"corrective bill chosen", [](DocumentSession& s) { s.loadChosen(3); }},
        {"new bill", [](DocumentSession& s) { s.beginNewBill(); }},
        {"correction begun",
         [](DocumentSession& s) {
             s.loadChosen(2);
             s.beginCorrection();
         }},
        {"lines before the correction",
         [](DocumentSession& s) {
             s.loadChosen(3);
             s.showLinesBeforeCorrection();
         }},
        {"lines before and after the correction",
         [](DocumentSession& s) {
             s.loadChosen(3);
             s.showLinesBeforeCorrection();
             s.showLinesAfterCorrection();
         }},
        {"new bill stored",
         [](DocumentSession& s) {
             s.beginNewBill();
             s.store();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeDocuments({sentinel(), cashBill(), correctiveBill("4"), cashBill()});
        // A session of its own for each case: it starts anew on its register.
        DocumentSession own(ops);
        own.setFolder(folder.paths(), today());
        own.readSettings();
        own.openDocuments();
        c.commands(own);
        EXPECT_FALSE(own.hasUnsavedChanges());
    }
}

TEST_F(UnsavedChangesTest, ACashBillShowsItsIssueDateAsTermAndItsLineTotals)
{
    writeDocuments({sentinel(), cashBill()});
    start();
    EXPECT_EQ(session.form().head.paymentTerm, QStringLiteral("2009-02-10"));
    EXPECT_EQ(cellOf(session.form(), 6, 1), QStringLiteral("    20.00"));
    EXPECT_FALSE(session.hasUnsavedChanges());
}

TEST_F(UnsavedChangesTest, EveryEditCounts)
{
    const struct {
        const char* name;
        std::function<void(DocumentForm&)> change;
    } edits[] = {
        {"buyer", [](DocumentForm& f) { f.head.buyerLines[3] = QStringLiteral("Łódź"); }},
        {"number", [](DocumentForm& f) { f.head.number = QStringLiteral("3"); }},
        {"service date", [](DocumentForm& f) { f.head.serviceDate = QStringLiteral("2009-02-11"); }},
        {"line name", [](DocumentForm& f) { cellOf(f, 1, 3) = QStringLiteral("Usługa C"); }},
        {"quantity", [](DocumentForm& f) { cellOf(f, 4, 1) = QStringLiteral("3"); }},
        {"payment form", [](DocumentForm& f) { f.head.paymentMethod = QStringLiteral("Przelew"); }},
    };
    for (const auto& e : edits) {
        SCOPED_TRACE(e.name);
        writeDocuments({sentinel(), cashBill()});
        start();
        edit(e.change);
        EXPECT_TRUE(session.hasUnsavedChanges());
        session.markUntouched();
        EXPECT_FALSE(session.hasUnsavedChanges());
    }
}

TEST_F(UnsavedChangesTest, EditedLinesOfACorrectionStayChangedWhileTheLinesBeforeAreShown)
{
    writeDocuments({sentinel(), correctiveBill("2")});
    start();
    edit([](DocumentForm& f) { cellOf(f, 1, 1) = QStringLiteral("Inna usługa"); });
    session.showLinesBeforeCorrection();
    EXPECT_EQ(cellOf(session.form(), 1, 1), QStringLiteral("Usługa A"));
    EXPECT_TRUE(session.hasUnsavedChanges());
}

TEST_F(UnsavedChangesTest, TypingIntoANewBillIsAChange)
{
    start();
    session.beginNewBill();
    edit([](DocumentForm& f) { f.head.buyerLines[0] = QStringLiteral("Jan"); });
    EXPECT_TRUE(session.hasUnsavedChanges());
}

TEST_F(UnsavedChangesTest, InsertingATemplateIsAChange)
{
    start();
    session.beginNewBill();
    DocumentForm filled;
    filled.head.buyerLines[0] = QStringLiteral("Stały klient");
    session.insertTemplate(templateRecord(filled));
    EXPECT_TRUE(session.hasUnsavedChanges());
}

// The window may hand over its fields before its tick has written the cash
// term and the line totals: what follows from the form is no change.
TEST_F(UnsavedChangesTest, TheTermAndTotalsThatFollowFromTheFormAreNoChange)
{
    writeDocuments({sentinel(), cashBill()});
    start();
    edit([](DocumentForm& f) {
        f.head.paymentTerm = QStringLiteral("14 dni");
        cellOf(f, 6, 1) = QString();
    });
    EXPECT_FALSE(session.hasUnsavedChanges());
}

} // namespace
} // namespace kw
