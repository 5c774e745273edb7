#include "tests/session/session_test.h"

#include "store/document_file.h"
#include "store/io_error.h"

namespace kw {
namespace {

// What a duplicate prints: the shown document as the file holds it, never
// the edits on screen.
class StoredShownTest : public SessionTest
{
protected:
    void SetUp() override
    {
        writeDocuments({sentinel(), bill("2", "B"), correctiveBill("3")});
        start();
    }

    void expectRefused(qint64 position)
    {
        try {
            session.storedShown();
            ADD_FAILURE() << "the shown document was taken from a file that no longer holds it";
        } catch (const IoError& error) {
            EXPECT_EQ(error.message(), documentChangedNotice(folder.paths().documentFile(), position));
        }
    }
};

TEST_F(StoredShownTest, IsTheStoredRecordWhateverTheFormShows)
{
    struct Case {
        const char* name;
        qint64 position;
        std::function<void(DocumentSession&)> change;
    };
    const Case cases[] = {
        {"buyer and a price edited", 2,
         [](DocumentSession& s) {
             DocumentForm form = s.form();
             form.head.buyerLines[0] = QStringLiteral("Ktoś inny");
             cellOf(form, 5, 1) = QStringLiteral("99.00");
             s.setForm(form);
         }},
        // The corrected lines being edited wait in the working record while
        // the lines before the correction are shown.
        {"corrected lines put aside", 3,
         [](DocumentSession& s) {
             DocumentForm form = s.form();
             cellOf(form, 1, 1) = QStringLiteral("Poprawiona");
             s.setForm(form);
             s.showLinesBeforeCorrection();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session.loadChosen(c.position);
        c.change(session);
        EXPECT_EQ(session.storedShown(), stored(c.position));
    }
}

TEST_F(StoredShownTest, FollowsTheDocumentAsStored)
{
    session.loadChosen(2);
    edit([](DocumentForm& f) { f.head.buyerLines[0] = QStringLiteral("B zmieniony"); });
    session.store();
    EXPECT_EQ(session.storedShown().get(doc::BuyerLine1), QStringLiteral("B zmieniony"));
    EXPECT_EQ(session.storedShown(), stored(2));
}

TEST_F(StoredShownTest, IsRefusedWhenAnotherInstanceChangedOrRemovedIt)
{
    session.loadChosen(2);
    writeDocuments({sentinel(), bill("2", "B zmieniony"), correctiveBill("3")});
    expectRefused(2);

    session.loadChosen(3);
    writeDocuments({sentinel(), bill("2", "B")});
    expectRefused(3);
}

} // namespace
} // namespace kw
