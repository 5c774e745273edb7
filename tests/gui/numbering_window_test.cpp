#include "tests/gui/document_window_test.h"

#include <cerrno>

using namespace kw;

namespace {

class NumberingWindowTest : public DocumentWindowTest
{
protected:
    static DocumentRecord billOn(const QString& number, const QString& issueDate)
    {
        return document(number, issueDate, QStringLiteral("Kowalski"), {{QStringLiteral("Usługa"), 10.0}});
    }

    void checkYear(const QString& year)
    {
        ui().SpeedButton17->click();
        ui().lata->setEditText(year);
        window->Timer2Timer();
        ui().sprawdz_numeracje->click();
    }
};

const QString takenQuestion = QStringLiteral("Numer 2/2009 ma już rachunek na pozycji 2. Zapisać mimo to?");

// A number typed by hand that a stored bill has is questioned after the
// extension and before storing; No stores nothing.
TEST_F(NumberingWindowTest, ATakenNumberIsQuestionedBeforeStoring)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "Kowalski")});
    start();
    const QByteArray settings = settingsBytes();
    ui().SpeedButton6->click();
    ui().numerator->setText(QStringLiteral("2"));
    ui().rozszerzenie->setText(QStringLiteral("2009"));
    store(false);
    EXPECT_EQ(dialogs.questions, QStringList{takenQuestion});
    EXPECT_EQ(documents(), before);
    EXPECT_EQ(settingsBytes(), settings);

    dialogs.answers.enqueue(true);
    store();
    EXPECT_EQ(dialogs.questions,
              (QStringList{takenQuestion, takenQuestion, QStringLiteral("Zapisać nowy rachunek ?")}));
    ASSERT_EQ(storedCount(), 3);
    EXPECT_EQ(stored(3).get(doc::DocNumber), QStringLiteral("2"));
    expectNoErrors();
}

TEST_F(NumberingWindowTest, TheExtensionIsQuestionedFirstAndAFreeNumberNotAtAll)
{
    writeDocuments({sentinel(), bill("2", "Kowalski")});
    start();
    ui().SpeedButton6->click();
    ui().numerator->setText(QStringLiteral("2"));
    ui().rozszerzenie->setText(QStringLiteral("/2009"));
    store(false);
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].startsWith(QStringLiteral("Rozszerzenie numeru zaczyna się od „/”")));

    ui().numerator->setText(QStringLiteral("3"));
    ui().rozszerzenie->setText(QStringLiteral("2009"));
    store(false);
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Zapisać nowy rachunek ?"));
    EXPECT_EQ(dialogs.questions.size(), 2);
}

// Storing a loaded bill under its own number asks nothing more; under the
// number of another bill it asks.
TEST_F(NumberingWindowTest, AnOverwriteIsQuestionedOnlyForAnotherBillsNumber)
{
    writeDocuments({sentinel(), bill("2", "Kowalski"), bill("3", "Nowak")});
    start();
    ui().odbiorca1->setText(QStringLiteral("Nowak i syn"));
    store(false);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Zapisać zmiany w rachunku ?")});

    ui().numerator->setText(QStringLiteral("2"));
    store(false);
    EXPECT_EQ(dialogs.questions.last(), takenQuestion);
    EXPECT_EQ(stored(3).get(doc::DocNumber), QStringLiteral("3"));
}

TEST_F(NumberingWindowTest, TheSummaryChecksTheNumberingOfTheChosenYear)
{
    writeDocuments({sentinel(), billOn("1", "2009-01-02"), billOn("3", "2009-01-03"), billOn("3", "2009-01-04"),
                    billOn("1", "2010-01-02")});
    start();
    ui().SpeedButton17->click();
    window->Timer2Timer();
    EXPECT_FALSE(ui().sprawdz_numeracje->isEnabled()) << "no year chosen";

    checkYear(QStringLiteral("2009"));
    EXPECT_EQ(dialogs.notices,
              QStringList{QStringLiteral("Zastrzeżenia do numeracji dokumentów z roku 2009:\n"
                                         "brak numeru 2/2009\n"
                                         "numer 3/2009 dwa razy: pozycje 3 i 4")});
    checkYear(QStringLiteral("2010"));
    EXPECT_EQ(dialogs.notices.last(), QStringLiteral("Numeracja bez zastrzeżeń."));
    checkYear(QStringLiteral("dwa tysiące"));
    EXPECT_TRUE(dialogs.notices.last().startsWith(QStringLiteral("Numerację sprawdza się dla roku")));
    EXPECT_EQ(dialogs.notices.size(), 3);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    expectNoErrors();
}

TEST_F(NumberingWindowTest, ADocumentFileThatCannotBeReadIsReported)
{
    writeDocuments({sentinel(), bill("2", "Kowalski")});
    start();
    files.failAt(FileCall::Read, 1, EIO);
    checkYear(QStringLiteral("2009"));
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_EQ(dialogs.errors.size(), 1);
}

} // namespace
