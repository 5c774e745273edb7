#include "tests/gui/document_window_test.h"

#include "store/io_error.h"
#include "tests/support/failure_sweep.h"

#include <QDir>

#include <cerrno>
#include <functional>

using namespace kw;

namespace {

class DocumentFaultsTest : public DocumentWindowTest
{
protected:
    struct Files {
        QByteArray documents, settings;
        QStringList uslugi, admini;
        bool operator==(const Files&) const = default;
    };
    Files snapshot() const
    {
        return {documents(), settingsBytes(), QDir(path("Uslugi")).entryList(QDir::Files),
                QDir(path("Admini")).entryList(QDir::Files)};
    }

    struct Scenario {
        const char* name;
        std::function<void()> prepare;   // writes the files, starts the window
        std::function<void()> operation; // one command, answered yes
        // Checks the window after a reported failure that still changed the
        // document file: a retry must neither store the document twice nor
        // hit the document that moved into a deleted one's position.
        std::function<void()> afterReportedChange;
        // A write that fails after putting half its bytes down; not for the
        // overwrite, whose record is written in place and would be torn.
        bool tornWrites;
    };

    // Fails each write, sync, rename and open of the operation in turn. The
    // files then hold either what they held before or the complete result,
    // every stored document stays readable, and anything short of the
    // complete result is reported.
    void sweep(const Scenario& s)
    {
        SCOPED_TRACE(s.name);
        s.prepare();
        const Files before = snapshot();
        const auto failures =
            everyFailureOf(files, s.prepare, s.operation,
                           {FileCall::Write, FileCall::Sync, FileCall::Rename, FileCall::Open}, {ENOSPC, EIO});
        expectNoErrors();
        const Files after = snapshot();
        ASSERT_NE(after.documents, before.documents);
        ASSERT_GE(failures.size(), 8u);
        for (const InjectedFailure& f : failures) {
            SCOPED_TRACE(describe(f));
            s.prepare();
            dialogs.errors.clear();
            files.failAt(f.call, f.n, f.error, s.tornWrites && f.call == FileCall::Write);
            s.operation();
            files.reset();
            const Files now = snapshot();
            EXPECT_TRUE(now.documents == before.documents || now.documents == after.documents);
            EXPECT_TRUE(now.settings == before.settings || now.settings == after.settings);
            EXPECT_EQ(now.uslugi, before.uslugi);
            EXPECT_EQ(now.admini, before.admini);
            const bool reported = !dialogs.errors.isEmpty();
            EXPECT_TRUE(reported || now == after) << "an incomplete result went unreported";
            if (reported && now.documents != before.documents) {
                ASSERT_TRUE(s.afterReportedChange);
                s.afterReportedChange();
            }
            if (reported) {
                EXPECT_TRUE(dialogs.errors[0].contains(describeErrno(f.error))) << dialogs.errors[0].toStdString();
            }
        }
    }

    void startWith(std::initializer_list<DocumentRecord> records)
    {
        SettingsRecord s;
        s.set(settings::BillNumber, QStringLiteral("3"));
        s.set(settings::CopyCount, QStringLiteral("2"));
        writeBytes("Admini/rachunek.dat", s.bytes());
        writeDocuments(records);
        dialogs.questions.clear();
        start();
    }
};

TEST_F(DocumentFaultsTest, StoringANewBill)
{
    sweep({"append and numbers",
           [&] {
               startWith({sentinel(), bill("2", "B"), bill("3", "C")});
               ui().SpeedButton6->click();
               ui().odbiorca1->setText(QStringLiteral("Nowy"));
               ui().miejscowosc->setText(QStringLiteral("Toruń"));
           },
           [&] { store(); },
           [&] { // the appended bill is the shown one: storing again overwrites it
               EXPECT_FALSE(window->documentState().isNew());
               EXPECT_EQ(window->documentState().currentRecord(), 4);
           },
           true});
}

TEST_F(DocumentFaultsTest, OverwritingAStoredBill)
{
    sweep({"overwrite in place",
           [&] {
               startWith({sentinel(), bill("2", "B"), bill("3", "C")});
               loadFromList(1);
               ui().odbiorca2->setText(QStringLiteral("Zmiana"));
           },
           [&] { store(); },
           [&] { // written but not synced: storing again writes the same place
               EXPECT_FALSE(window->documentState().isNew());
               EXPECT_EQ(window->documentState().currentRecord(), 2);
           },
           false});
}

TEST_F(DocumentFaultsTest, DeletingABill)
{
    sweep({"delete through the shortened copy",
           [&] {
               startWith({sentinel(), bill("2", "B"), bill("3", "C"), bill("4", "D"), bill("5", "E")});
               loadFromList(2);
           },
           [&] { remove(); },
           [&] {
               window->Timer2Timer();
               EXPECT_FALSE(ui().SpeedButton8->isEnabled());
               EXPECT_TRUE(window->documentState().isNew());
           },
           true});
}

} // namespace
