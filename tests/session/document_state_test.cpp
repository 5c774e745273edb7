#include "session/document_state.h"

#include <gtest/gtest.h>

#include <functional>

namespace kw {
namespace {

struct Flags {
    bool isNew;
    bool correction;
    bool save;
    bool del;
    qint64 record;
};

struct Transition {
    const char* name;
    std::function<void(DocumentState&)> events;
    Flags expected;
};

// Start-up ending on a stored bill (false) or corrective bill (true) at record 5.
void startOn(DocumentState& s, bool corrective)
{
    s.startUp();
    s.lastLoaded(5, corrective, true);
}

const Transition transitions[] = {
    {"start-up on a bill", [](DocumentState& s) { startOn(s, false); }, {false, false, true, true, 5}},
    {"start-up on a corrective bill", [](DocumentState& s) { startOn(s, true); }, {false, true, true, true, 5}},
    {"start-up on a record of unknown kind",
     [](DocumentState& s) {
         s.startUp();
         s.lastLoaded(1, true, false);
     },
     {false, false, true, true, 1}},
    {"new bill after a corrective bill",
     [](DocumentState& s) {
         startOn(s, true);
         s.newBillBegun();
     },
     {true, false, true, false, 5}},
    {"correction begun",
     [](DocumentState& s) {
         startOn(s, false);
         s.correctionBegun();
     },
     {true, true, true, false, 5}},
    {"lines before correction shown",
     [](DocumentState& s) {
         startOn(s, true);
         s.linesBeforeCorrectionShown();
     },
     {false, true, false, true, 5}},
    {"lines after correction shown",
     [](DocumentState& s) {
         startOn(s, true);
         s.linesBeforeCorrectionShown();
         s.linesAfterCorrectionShown();
     },
     {false, true, true, true, 5}},
    {"template inserted into a new bill",
     [](DocumentState& s) {
         startOn(s, true);
         s.newBillBegun();
         s.templateInserted();
     },
     {true, false, true, false, 5}},
    {"new bill stored",
     [](DocumentState& s) {
         startOn(s, false);
         s.newBillBegun();
         s.storeConfirmed();
         s.appended(6);
         s.lastLoaded(6, false, true);
     },
     {false, false, true, true, 6}},
    {"corrective bill stored",
     [](DocumentState& s) {
         startOn(s, false);
         s.correctionBegun();
         s.storeConfirmed();
         s.appended(6);
         s.lastLoaded(6, true, true);
     },
     {false, true, true, true, 6}},
    {"stored bill saved again",
     [](DocumentState& s) {
         startOn(s, true);
         s.chosenLoaded(3, false, true);
         s.storeConfirmed();
         s.overwritten(false, true);
     },
     {false, false, true, true, 3}},
    {"corrective bill deleted, a bill comes last",
     [](DocumentState& s) {
         startOn(s, true);
         s.deleteConfirmed();
         s.lastLoaded(4, false, true);
     },
     {false, false, true, true, 4}},
    {"deleted, a record of unknown kind comes last",
     [](DocumentState& s) {
         startOn(s, true);
         s.deleteConfirmed();
         s.lastLoaded(4, true, false);
     },
     {false, false, true, true, 4}},
    {"corrective bill chosen from the list during a new bill",
     [](DocumentState& s) {
         startOn(s, false);
         s.newBillBegun();
         s.chosenLoaded(2, true, true);
     },
     {false, true, true, true, 2}},
    {"bill chosen from the list while the lines before correction were shown",
     [](DocumentState& s) {
         startOn(s, true);
         s.linesBeforeCorrectionShown();
         s.chosenLoaded(2, false, true);
     },
     {false, false, true, true, 2}},
    {"record of unknown kind chosen from the list keeps the correction mode",
     [](DocumentState& s) {
         startOn(s, true);
         s.chosenLoaded(2, false, false);
     },
     {false, true, true, true, 2}},
};

TEST(DocumentState, TransitionsSetTheFlagsAndTheOfferedCommands)
{
    for (const Transition& t : transitions) {
        DocumentState s;
        t.events(s);
        const Flags& e = t.expected;
        EXPECT_EQ(s.isNew(), e.isNew) << t.name;
        EXPECT_EQ(s.inCorrection(), e.correction) << t.name;
        EXPECT_EQ(s.saveEnabled(), e.save) << t.name;
        EXPECT_EQ(s.deleteEnabled(), e.del) << t.name;
        EXPECT_EQ(s.currentRecord(), e.record) << t.name;

        // Printing, the summary and saving a template need a stored document;
        // inserting a template needs a new one; a correction hides both
        // template commands and shows its note instead.
        EXPECT_EQ(s.printEnabled(), !e.isNew) << t.name;
        EXPECT_EQ(s.summaryEnabled(), !e.isNew) << t.name;
        EXPECT_EQ(s.saveTemplateEnabled(), !e.isNew) << t.name;
        EXPECT_EQ(s.insertTemplateEnabled(), e.isNew) << t.name;
        EXPECT_EQ(s.templatesVisible(), !e.correction) << t.name;
        EXPECT_EQ(s.correctionNoteVisible(), e.correction) << t.name;
    }
}

struct Offered {
    const char* name;
    std::function<void(DocumentState&)> events;
    bool newBill;
    bool correct;
};

// "Nowy rachunek" is given back only by storing a new document or by opening
// the list of bills; "Korekta rachunku" only by loading a bill of kind "F".
const Offered offered[] = {
    {"start-up on a bill", [](DocumentState& s) { startOn(s, false); }, true, true},
    {"start-up on a corrective bill", [](DocumentState& s) { startOn(s, true); }, true, false},
    {"start-up on a record of unknown kind",
     [](DocumentState& s) {
         s.startUp();
         s.lastLoaded(1, false, false);
     },
     true, false},
    {"new bill",
     [](DocumentState& s) {
         startOn(s, false);
         s.newBillBegun();
     },
     false, false},
    {"new bill, template inserted",
     [](DocumentState& s) {
         startOn(s, false);
         s.newBillBegun();
         s.templateInserted();
     },
     false, false},
    {"new bill, list opened",
     [](DocumentState& s) {
         startOn(s, false);
         s.newBillBegun();
         s.billListOpened();
     },
     true, false},
    {"new bill stored",
     [](DocumentState& s) {
         startOn(s, false);
         s.newBillBegun();
         s.storeConfirmed();
         s.appended(6);
         s.lastLoaded(6, false, true);
     },
     true, true},
    {"correction begun",
     [](DocumentState& s) {
         startOn(s, false);
         s.correctionBegun();
     },
     true, false},
    {"corrective bill stored",
     [](DocumentState& s) {
         startOn(s, false);
         s.correctionBegun();
         s.storeConfirmed();
         s.appended(6);
         s.lastLoaded(6, true, true);
     },
     true, false},
    {"bill chosen after a corrective bill",
     [](DocumentState& s) {
         startOn(s, true);
         s.billListOpened();
         s.chosenLoaded(2, false, true);
     },
     true, true},
    {"record of unknown kind chosen after a bill",
     [](DocumentState& s) {
         startOn(s, false);
         s.chosenLoaded(2, false, false);
     },
     true, true},
    {"corrective bill deleted, a bill comes last",
     [](DocumentState& s) {
         startOn(s, true);
         s.deleteConfirmed();
         s.lastLoaded(4, false, true);
     },
     true, true},
};

TEST(DocumentState, NewBillAndCorrectionAreOfferedAsTheDocumentShownAllows)
{
    for (const Offered& o : offered) {
        DocumentState s;
        o.events(s);
        EXPECT_EQ(s.newBillEnabled(), o.newBill) << o.name;
        EXPECT_EQ(s.correctionEnabled(), o.correct) << o.name;
    }
}

// A delete that removed the shown document but could not load the last one:
// the document shown is stored nowhere, so it can only be stored anew.
TEST(DocumentState, AShownDocumentNoLongerStoredCanOnlyBeStoredAnew)
{
    for (const bool corrective : {false, true}) {
        DocumentState s;
        startOn(s, corrective);
        s.linesBeforeCorrectionShown();
        s.deleteConfirmed();
        s.shownDocumentLost();
        EXPECT_TRUE(s.isNew()) << corrective;
        EXPECT_FALSE(s.inCorrection()) << corrective;
        EXPECT_TRUE(s.saveEnabled()) << corrective;
        EXPECT_FALSE(s.deleteEnabled()) << corrective;
        EXPECT_FALSE(s.correctionEnabled()) << "a bill no longer stored cannot be corrected";
        EXPECT_EQ(s.currentRecord(), 5) << corrective;
    }
}

} // namespace
} // namespace kw
