#include "tests/gui/keyboard_window_test.h"

#include <cerrno>
#include <functional>

using namespace kw;

namespace {

using Answer = Dialogs::Answer;

const QString storeQuestion = QStringLiteral("Zapisać zmiany w rachunku?");
const QString endQuestion = QStringLiteral("Koniec pracy ?");

// Closing the module while the document on screen holds changes not stored.
class ClosingTest : public KeyboardWindowTest
{
protected:
    // Ctrl+Q; true when the module ended.
    bool closeByKey()
    {
        bool closed = false;
        const auto connection = QObject::connect(window.get(), &Tfaktura_f::moduleClosed, [&] { closed = true; });
        press(Qt::Key_Q, Qt::ControlModifier);
        QObject::disconnect(connection);
        return closed;
    }

    void startOnTwoBills()
    {
        writeDocuments({sentinel(), bill("2", "Kowalski")});
        startShown();
    }

    // A new bill with a buyer and one line, typed as a person would leave it.
    void typeNewBill()
    {
        ui().SpeedButton6->click();
        ui().odbiorca1->setText(QStringLiteral("Zakład Łódź"));
        setCell(1, 1, QStringLiteral("Strzyżenie"));
        setCell(1, 4, QStringLiteral("2"));
        setCell(1, 5, QStringLiteral("12,5"));
    }
};

// Nothing to store: only the question of ending. Derived texts the window
// writes by itself (line totals, the term of a cash bill) are no change.
TEST_F(ClosingTest, UntouchedDocumentAsksOnlyWhetherToEnd)
{
    DocumentRecord cash = bill("3", "Nowak");
    cash.set(doc::PaymentMethod, QStringLiteral("Gotówka"));
    cash.set(doc::PaymentTerm, QStringLiteral("7 dni"));
    cash.set(lineCell(LineTable::Bill, 6, 1), QStringLiteral("10"));
    const struct {
        const char* situation;
        std::function<void()> prepare;
    } cases[] = {
        {"the last stored bill, freshly started", [&] { startOnTwoBills(); }},
        {"a cash bill stored elsewhere, after the ticks",
         [&] {
             writeDocuments({sentinel(), cash});
             startShown();
             window->Timer2Timer();
         }},
        {"a bill chosen from the list",
         [&] {
             startOnTwoBills();
             loadFromList(0);
         }},
        {"a new bill not typed into",
         [&] {
             startOnTwoBills();
             ui().SpeedButton6->click();
             window->Timer2Timer();
         }},
        {"a new corrective bill not typed into",
         [&] {
             startOnTwoBills();
             ui().SpeedButton9->click();
         }},
        {"a new bill just stored",
         [&] {
             startOnTwoBills();
             typeNewBill();
             store();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        c.prepare();
        dialogs.questions.clear();
        dialogs.answers.enqueue(false);
        EXPECT_FALSE(closeByKey());
        EXPECT_EQ(dialogs.questions, QStringList{endQuestion});
        expectNoErrors();
    }
}

// "Tak" stores the bill byte for byte as "Zapisz rachunek" stores it, then
// the module asks whether to end.
TEST_F(ClosingTest, TypedNewBillIsStoredOnYesAsSavingStoresIt)
{
    const auto prepare = [&] {
        writeBytes("Admini/rachunek.dat", SettingsRecord().bytes());
        startOnTwoBills();
        typeNewBill();
    };
    prepare();
    store();
    const QByteArray savedDocuments = documents();
    const QByteArray savedSettings = settingsBytes();
    ASSERT_EQ(storedCount(), 3);

    prepare();
    dialogs.questions.clear();
    dialogs.threeWayAnswers.enqueue(Answer::Yes);
    dialogs.answers.enqueue(true);
    EXPECT_TRUE(closeByKey());
    EXPECT_EQ(dialogs.questions, (QStringList{storeQuestion, endQuestion}));
    EXPECT_EQ(documents(), savedDocuments);
    EXPECT_EQ(settingsBytes(), savedSettings);
    EXPECT_EQ(stored(3).get(doc::BuyerLine1), QStringLiteral("Zakład Łódź"));
    expectNoErrors();
}

TEST_F(ClosingTest, ChangedStoredBillIsOverwrittenOnYesAndThenCountsAsUntouched)
{
    startOnTwoBills();
    ui().odbiorca1->setText(QStringLiteral("Kowalska"));
    dialogs.threeWayAnswers.enqueue(Answer::Yes);
    dialogs.answers.enqueue(false);
    EXPECT_FALSE(closeByKey());
    EXPECT_EQ(dialogs.questions, (QStringList{storeQuestion, endQuestion}));
    ASSERT_EQ(storedCount(), 2);
    EXPECT_EQ(stored(2).get(doc::BuyerLine1), QStringLiteral("Kowalska"));

    dialogs.questions.clear();
    dialogs.answers.enqueue(false);
    EXPECT_FALSE(closeByKey());
    EXPECT_EQ(dialogs.questions, QStringList{endQuestion});
}

// "Nie" goes on to the question of ending without storing; "Anuluj" keeps
// the window and the document as they are. The close box asks the same.
TEST_F(ClosingTest, NoEndsWithoutStoringAndCancelKeepsTheWindow)
{
    const struct {
        Answer answer;
        QStringList questions;
        bool closed;
    } cases[] = {
        {Answer::No, {storeQuestion, endQuestion}, true},
        {Answer::Cancel, {storeQuestion}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.closed);
        startOnTwoBills();
        const QByteArray before = documents();
        typeNewBill();
        dialogs.questions.clear();
        dialogs.threeWayAnswers.enqueue(c.answer);
        if (c.closed)
            dialogs.answers.enqueue(true);
        bool closed = false;
        QObject::connect(window.get(), &Tfaktura_f::moduleClosed, [&] { closed = true; });
        window->close();
        EXPECT_EQ(closed, c.closed);
        EXPECT_EQ(dialogs.questions, c.questions);
        EXPECT_EQ(documents(), before);
        EXPECT_TRUE(window->documentState().isNew());
        EXPECT_EQ(ui().odbiorca1->text(), QStringLiteral("Zakład Łódź"));
    }
}

// A bill that could not be stored is not lost by closing after all.
TEST_F(ClosingTest, FailedStoringKeepsTheWindowOpen)
{
    startOnTwoBills();
    const QByteArray before = documents();
    typeNewBill();
    files.failAt(FileCall::Write, 1, ENOSPC);
    dialogs.threeWayAnswers.enqueue(Answer::Yes);
    EXPECT_FALSE(closeByKey());
    EXPECT_EQ(dialogs.questions, QStringList{storeQuestion});
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(documents(), before);
    EXPECT_TRUE(window->documentState().isNew());
    EXPECT_EQ(ui().odbiorca1->text(), QStringLiteral("Zakład Łódź"));
}

// The grid showing the lines before a correction is not what is stored: the
// corrected lines are.
TEST_F(ClosingTest, CorrectionIsStoredWithItsCorrectedLinesWhileTheLinesBeforeAreShown)
{
    startOnTwoBills();
    ui().SpeedButton9->click();
    setCell(1, 5, QStringLiteral("8"));
    ui().SpeedButton15->click();
    ASSERT_FALSE(window->documentState().saveEnabled());
    dialogs.threeWayAnswers.enqueue(Answer::Yes);
    dialogs.answers.enqueue(false);
    EXPECT_FALSE(closeByKey());
    ASSERT_EQ(storedCount(), 3);
    const DocumentRecord correction = stored(3);
    EXPECT_EQ(correction.get(doc::DocKind), "K");
    EXPECT_EQ(correction.get(lineCell(LineTable::Correction, 5, 1)), "    8.00");
    EXPECT_EQ(correction.get(lineCell(LineTable::Bill, 5, 1)), stored(2).get(lineCell(LineTable::Bill, 5, 1)));
    expectNoErrors();
}

} // namespace
