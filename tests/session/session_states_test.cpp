#include "tests/session/session_test.h"

#include "documents/document_template.h"

#include <functional>
#include <vector>

namespace kw {
namespace {

const char* nameOf(ShownLines lines)
{
    switch (lines) {
    case ShownLines::NewDocument: return "new document";
    case ShownLines::Bill: return "bill";
    case ShownLines::Correction: return "correction";
    case ShownLines::BeforeCorrection: return "before correction";
    }
    return "?";
}

// What a command left: the document state, the commands offered and what
// the document area says about the document.
struct Outcome {
    bool isNew;
    bool correction;
    bool save;
    bool del;
    qint64 record;
    bool newBill;
    bool correct;
    QString modeCaption;
    QString kindCaption;
    ShownLines lines;
    QString reference;
};

const QString loadedBill = QStringLiteral("Edycja wczytanego rachunku");
const QString loadedCorrective = QStringLiteral("Edycja wczytanego rachunku korygującego");
const QString newBill = QStringLiteral("Edycja nowego rachunku");
const QString correcting = QStringLiteral("Edycja korygowanego rachunku");
const QString beforeLoading = QStringLiteral("Wczytany ostatnio wystawiony dokument");
const QString corrective = QStringLiteral("korygujący");
const QString corrected = QStringLiteral("korygowany");

enum class Register {
    Bills,              // sentinel, bills 2 and 3
    EndingOnCorrection, // sentinel, bills 2 and 3, corrective bill 4 of bill 2
    EndingOnUnknown,    // sentinel, bill 2, a record of kind "X"
    UnknownInside,      // sentinel, bill 2, a record of kind "X", corrective bill 4
};

struct Scenario {
    const char* name;
    Register documents;
    std::function<void(DocumentSession&)> commands;
    Outcome expected;
};

DocumentRecord unknownKind()
{
    DocumentRecord r = SessionTest::bill(QStringLiteral("9"), QStringLiteral("Nieznany"));
    r.set(doc::DocKind, QStringLiteral("X"));
    return r;
}

DocumentRecord aTemplate()
{
    DocumentForm form;
    form.head.buyerLines[0] = QStringLiteral("Stały klient");
    return templateRecord(form);
}

const Scenario scenarios[] = {
    {"start on a bill",
     Register::Bills,
     [](DocumentSession&) {},
     {false, false, true, true, 3, true, true, loadedBill, "", ShownLines::Bill, ""}},
    {"start on a corrective bill",
     Register::EndingOnCorrection,
     [](DocumentSession&) {},
     {false, true, true, true, 4, true, false, loadedCorrective, corrective, ShownLines::Correction, "2/2009"}},
    {"start on a record of unknown kind",
     Register::EndingOnUnknown,
     [](DocumentSession&) {},
     {false, false, true, true, 3, true, false, beforeLoading, "", ShownLines::Bill, ""}},
    {"new bill after a corrective bill",
     Register::EndingOnCorrection,
     [](DocumentSession& s) { s.beginNewBill(); },
     {true, false, true, false, 4, false, false, newBill, "", ShownLines::NewDocument, ""}},
    {"list opened during a new bill",
     Register::Bills,
     [](DocumentSession& s) {
         s.beginNewBill();
         s.billListOpened();
     },
     {true, false, true, false, 3, true, false, newBill, "", ShownLines::NewDocument, ""}},
    {"bill chosen after a corrective bill",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.billListOpened();
         s.loadChosen(2);
     },
     {false, false, true, true, 2, true, true, loadedBill, "", ShownLines::Bill, ""}},
    {"corrective bill chosen during a new bill",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.beginNewBill();
         s.billListOpened();
         s.loadChosen(4);
     },
     {false, true, true, true, 4, true, false, loadedCorrective, corrective, ShownLines::Correction, "2/2009"}},
    {"record of unknown kind chosen keeps what the corrective bill set",
     Register::UnknownInside,
     [](DocumentSession& s) { s.loadChosen(3); },
     {false, true, true, true, 3, true, false, loadedCorrective, "", ShownLines::Correction, "2/2009"}},
    {"correction begun",
     Register::Bills,
     [](DocumentSession& s) { s.beginCorrection(); },
     {true, true, true, false, 3, true, false, correcting, corrected, ShownLines::Correction, "3/2009"}},
    {"lines before the correction shown",
     Register::EndingOnCorrection,
     [](DocumentSession& s) { s.showLinesBeforeCorrection(); },
     {false, true, false, true, 4, true, false, loadedCorrective, corrective, ShownLines::BeforeCorrection, "2/2009"}},
    {"lines after the correction shown",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.showLinesBeforeCorrection();
         s.showLinesAfterCorrection();
     },
     {false, true, true, true, 4, true, false, loadedCorrective, corrective, ShownLines::Correction, "2/2009"}},
    {"new bill while the lines before the correction are shown",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.showLinesBeforeCorrection();
         s.beginNewBill();
     },
     {true, false, true, false, 4, false, false, newBill, "", ShownLines::NewDocument, ""}},
    {"bill chosen while the lines before the correction are shown",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.showLinesBeforeCorrection();
         s.billListOpened();
         s.loadChosen(3);
     },
     {false, false, true, true, 3, true, true, loadedBill, "", ShownLines::Bill, ""}},
    {"template inserted into a new bill",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.beginNewBill();
         s.insertTemplate(aTemplate());
     },
     {true, false, true, false, 4, false, false, newBill, "", ShownLines::NewDocument, ""}},
    {"new bill stored",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.beginNewBill();
         s.store();
     },
     {false, false, true, true, 5, true, true, loadedBill, "", ShownLines::Bill, ""}},
    {"corrective bill stored",
     Register::Bills,
     [](DocumentSession& s) {
         s.beginCorrection();
         s.store();
     },
     {false, true, true, true, 4, true, false, loadedCorrective, corrective, ShownLines::Correction, "3/2009"}},
    {"chosen bill stored again",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.loadChosen(2);
         s.store();
     },
     {false, false, true, true, 2, true, true, loadedBill, "", ShownLines::Bill, ""}},
    {"corrective bill stored again",
     Register::EndingOnCorrection,
     [](DocumentSession& s) { s.store(); },
     {false, true, true, true, 4, true, false, loadedCorrective, corrective, ShownLines::Correction, "2/2009"}},
    {"corrective bill deleted, a bill comes last",
     Register::EndingOnCorrection,
     [](DocumentSession& s) { s.remove(); },
     {false, false, true, true, 3, true, true, loadedBill, "", ShownLines::Bill, ""}},
    {"deleted while the lines before the correction are shown",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.showLinesBeforeCorrection();
         s.remove();
     },
     {false, false, true, true, 3, true, true, loadedBill, "", ShownLines::Bill, ""}},
    {"bill deleted, a corrective bill comes last",
     Register::EndingOnCorrection,
     [](DocumentSession& s) {
         s.loadChosen(3);
         s.remove();
     },
     {false, true, true, true, 3, true, false, loadedCorrective, corrective, ShownLines::Correction, "2/2009"}},
};

class SessionStatesTest : public SessionTest
{
protected:
    void writeRegister(Register documents)
    {
        switch (documents) {
        case Register::Bills: writeDocuments({sentinel(), bill("2", "B"), bill("3", "C")}); break;
        case Register::EndingOnCorrection:
            writeDocuments({sentinel(), bill("2", "B"), bill("3", "C"), correctiveBill("4")});
            break;
        case Register::EndingOnUnknown: writeDocuments({sentinel(), bill("2", "B"), unknownKind()}); break;
        case Register::UnknownInside:
            writeDocuments({sentinel(), bill("2", "B"), unknownKind(), correctiveBill("4")});
            break;
        }
    }
};

TEST_F(SessionStatesTest, EveryCommandLeavesTheStateAndCaptionsOfItsDocument)
{
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        writeRegister(s.documents);
        // A session of its own for each case: it starts anew on its register.
        DocumentSession own(ops);
        own.setFolder(folder.paths(), today());
        own.readSettings();
        own.openDocuments();
        s.commands(own);

        const Outcome& e = s.expected;
        const DocumentState& state = own.state();
        EXPECT_EQ(state.isNew(), e.isNew);
        EXPECT_EQ(state.inCorrection(), e.correction);
        EXPECT_EQ(state.saveEnabled(), e.save);
        EXPECT_EQ(state.deleteEnabled(), e.del);
        EXPECT_EQ(state.currentRecord(), e.record);
        EXPECT_EQ(state.newBillEnabled(), e.newBill);
        EXPECT_EQ(state.correctionEnabled(), e.correct);
        EXPECT_EQ(own.modeCaption(), e.modeCaption);
        EXPECT_EQ(own.kindCaption(), e.kindCaption);
        EXPECT_STREQ(nameOf(own.shownLines()), nameOf(e.lines));
        EXPECT_EQ(own.correctedReference(), e.reference);
    }
}

TEST_F(SessionStatesTest, BeforeStartUpNothingIsLoaded)
{
    EXPECT_EQ(session.modeCaption(), beforeLoading);
    EXPECT_FALSE(session.state().isNew());
    EXPECT_TRUE(session.state().saveEnabled());
    EXPECT_TRUE(session.state().deleteEnabled());
}

} // namespace
} // namespace kw
