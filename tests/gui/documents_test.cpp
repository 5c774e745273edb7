#include "tests/gui/document_window_test.h"

#include "editing/next_number.h"

#include <QDir>

using namespace kw;

namespace {

class DocumentsTest : public DocumentWindowTest
{
protected:
    SettingsRecord settingsWith(const QString& place, const QString& number, const QString& signature)
    {
        SettingsRecord s;
        s.set(settings::Place, place);
        s.set(settings::BillNumber, number);
        s.set(settings::BillSuffix, QStringLiteral("2009"));
        s.set(settings::CorrectionNumber, QStringLiteral("4"));
        s.set(settings::CopyLabel, QStringLiteral("oryginał"));
        s.set(settings::Signature, signature);
        s.set(settings::CopyCount, QStringLiteral("2"));
        return s;
    }
};

TEST_F(DocumentsTest, FirstBillIsNumberedOneAndTheNextTwo)
{
    start();
    ui().SpeedButton6->click();
    EXPECT_EQ(ui().numerator->text(), "1");
    EXPECT_EQ(ui().Label22->text(), "Edycja nowego rachunku");
    EXPECT_FALSE(ui().SpeedButton6->isEnabled());
    ui().odbiorca1->setText(QStringLiteral("Jan Kowalski"));
    ui().miejscowosc->setText(QStringLiteral("Łódź"));
    ui().podpis->setText(QStringLiteral("Anna"));
    setCell(1, 4, "1.5");
    setCell(1, 5, "8");
    setCell(2, 4, "abc");
    setCell(2, 5, "0");
    store();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Zapisać nowy rachunek ?")});

    ASSERT_EQ(storedCount(), 2);
    EXPECT_EQ(documents().left(doc::Size), sentinelRecord("2009-03-05").bytes());
    const DocumentRecord first = stored(2);
    EXPECT_EQ(first.get(doc::DocNumber), "1");
    EXPECT_EQ(first.get(doc::DocKind), "F");
    EXPECT_EQ(first.get(doc::BuyerLine1), QStringLiteral("Jan Kowalski"));
    EXPECT_EQ(first.get(doc::IssueDate), "2009-03-05");
    EXPECT_EQ(first.get(lineCell(LineTable::Bill, 4, 1)), "   1.50");
    EXPECT_EQ(first.get(lineCell(LineTable::Bill, 5, 1)), "    8.00");
    EXPECT_EQ(first.get(lineCell(LineTable::Bill, 4, 2)), "abc"); // reads as zero: kept as typed
    EXPECT_EQ(first.get(lineCell(LineTable::Bill, 5, 2)), "0");
    SettingsRecord expected;
    expected.set(settings::Place, QStringLiteral("Łódź"));
    expected.set(settings::BillNumber, "1");
    expected.set(settings::Signature, QStringLiteral("Anna"));
    EXPECT_EQ(settingsBytes(), expected.bytes());
    EXPECT_EQ(window->documentState().currentRecord(), 2);
    EXPECT_EQ(ui().Label22->text(), "Edycja wczytanego rachunku");
    EXPECT_TRUE(ui().SpeedButton6->isEnabled());

    ui().SpeedButton6->click();
    EXPECT_EQ(ui().numerator->text(), "2");
    EXPECT_EQ(ui().miejscowosc->text(), QStringLiteral("Łódź"));
    store();
    ASSERT_EQ(storedCount(), 3);
    EXPECT_EQ(stored(3).get(doc::DocNumber), "2");
    expected.set(settings::BillNumber, "2");
    EXPECT_EQ(settingsBytes(), expected.bytes());
    expectNoErrors();
}

TEST_F(DocumentsTest, NumberTypedByHandSetsTheNextProposal)
{
    writeBytes("Admini/rachunek.dat", settingsWith("Gdańsk", "7", "Ewa").bytes());
    start();
    ui().SpeedButton6->click();
    EXPECT_EQ(ui().numerator->text(), "8");
    EXPECT_EQ(ui().podpis->text(), "Ewa");
    ui().numerator->setText("100");
    ui().miejscowosc->setText(QStringLiteral("Sopot"));
    ui().podpis->setText(QStringLiteral("Olga"));
    store();
    EXPECT_EQ(stored(2).get(doc::DocNumber), "100");
    // Only the place, the bill's number pair and the signature change.
    EXPECT_EQ(settingsBytes(), settingsWith("Sopot", "100", "Olga").bytes());

    ui().SpeedButton6->click();
    EXPECT_EQ(ui().numerator->text(), "101");
    EXPECT_EQ(ui().miejscowosc->text(), "Sopot");
    EXPECT_EQ(ui().podpis->text(), "Olga");
    expectNoErrors();
}

// A number that no longer fits its field is never cut; one that cannot be
// read does not silently restart the series.
TEST_F(DocumentsTest, NoNextNumberLeavesTheFieldEmptyWithANotice)
{
    for (const QString& last : {QStringLiteral("9999999999"), QStringLiteral("-5"), QStringLiteral("abc")}) {
        writeBytes("Admini/rachunek.dat", settingsWith("Gdańsk", last, "Ewa").bytes());
        start();
        dialogs.notices.clear();
        ui().SpeedButton6->click();
        EXPECT_EQ(ui().numerator->text(), QString()) << last.toStdString();
        ASSERT_EQ(dialogs.notices.size(), 1) << last.toStdString();
        EXPECT_EQ(dialogs.notices[0], noNextNumberNotice(QStringLiteral("rachunku"), last));
    }
    writeBytes("Admini/rachunek.dat", settingsWith("Gdańsk", "9999999998", "Ewa").bytes());
    start();
    ui().SpeedButton6->click();
    EXPECT_EQ(ui().numerator->text(), "9999999999");
}

TEST_F(DocumentsTest, StoringNumbersKeepsSettingsChangedByAnotherInstanceSinceTheyWereRead)
{
    writeBytes("Admini/rachunek.dat", settingsWith("Gdańsk", "7", "Ewa").bytes());
    start();
    ui().SpeedButton6->click();
    SettingsRecord changed = settingsWith("Gdańsk", "7", "Ewa");
    changed.set(settings::CopyCount, QStringLiteral("3"));
    changed.set(settings::PrintFootnote, QStringLiteral("Zwolnienie z VAT"));
    writeBytes("Admini/rachunek.dat", changed.bytes());
    store();
    changed.set(settings::BillNumber, QStringLiteral("8"));
    EXPECT_EQ(settingsBytes(), changed.bytes());
    expectNoErrors();
}

TEST_F(DocumentsTest, StoringALoadedBillOverwritesItInPlace)
{
    writeBytes("Admini/rachunek.dat", settingsWith("Gdańsk", "3", "Ewa").bytes());
    const QByteArray before = writeDocuments({sentinel(), bill("2", "Kowalski"), bill("3", "Nowak")});
    start();
    loadFromList(1);
    ui().odbiorca2->setText(QStringLiteral("ul. Długa 1"));
    setCell(1, 4, "2");
    store();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Zapisać zmiany w rachunku ?")});

    DocumentRecord expected = bill("2", "Kowalski");
    expected.set(doc::BuyerLine2, QStringLiteral("ul. Długa 1"));
    expected.set(lineCell(LineTable::Bill, 4, 1), QStringLiteral("   2.00"));
    expected.set(lineCell(LineTable::Bill, 6, 1), QStringLiteral("    20.00"));
    ASSERT_EQ(documents().size(), before.size());
    EXPECT_EQ(stored(2), expected);
    EXPECT_EQ(documents().left(doc::Size), before.left(doc::Size));
    EXPECT_EQ(documents().mid(2 * doc::Size), before.mid(2 * doc::Size));
    EXPECT_EQ(settingsBytes(), settingsWith("Gdańsk", "3", "Ewa").bytes());
    EXPECT_EQ(window->documentState().currentRecord(), 2);
    EXPECT_EQ(cell(1, 4), "   2.00");
    expectNoErrors();
}

TEST_F(DocumentsTest, AnsweringNoStoresNothing)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "Kowalski")});
    start();
    const QByteArray settings = settingsBytes();
    ui().odbiorca1->setText("Zmieniony");
    store(false);
    ui().SpeedButton6->click();
    store(false);
    EXPECT_EQ(dialogs.questions,
              (QStringList{QStringLiteral("Zapisać zmiany w rachunku ?"), QStringLiteral("Zapisać nowy rachunek ?")}));
    EXPECT_EQ(documents(), before);
    EXPECT_EQ(settingsBytes(), settings);
}

// An extension typed with a leading slash would print "1//2026": it is
// questioned before the store question, and No stores nothing.
TEST_F(DocumentsTest, AnExtensionStartingWithASlashIsQuestionedFirst)
{
    const QString slashQuestion = QStringLiteral("Rozszerzenie numeru zaczyna się od „/”, a numer jest drukowany jako "
                                                 "numer/rozszerzenie (np. 1//2026). Zapisać rachunek mimo to?");
    start();
    ui().SpeedButton6->click();
    ui().rozszerzenie->setText(QStringLiteral("/2026"));
    const QByteArray before = documents();
    store(false);
    EXPECT_EQ(dialogs.questions, QStringList{slashQuestion});
    EXPECT_EQ(documents(), before);

    dialogs.answers.enqueue(true);
    store();
    EXPECT_EQ(dialogs.questions,
              (QStringList{slashQuestion, slashQuestion, QStringLiteral("Zapisać nowy rachunek ?")}));
    EXPECT_EQ(stored(storedCount()).get(doc::NumberSuffix), QStringLiteral("/2026"));
}

TEST_F(DocumentsTest, CorrectiveStatesAskTheirOwnQuestions)
{
    writeDocuments({sentinel(), bill("2", "Kowalski"), bill("3", "Nowak", "K")});
    start();
    store(false);
    loadFromList(1);
    ui().SpeedButton9->click();
    store(false);
    EXPECT_EQ(dialogs.questions,
              (QStringList{QStringLiteral("Zapisać zmiany w rachunku korygującym ?"),
                           QStringLiteral("Zapisać nowy rachunek korygujący ?")}));
}

TEST_F(DocumentsTest, DeletingTheThirdOfFiveMovesTheLaterOnesUp)
{
    const std::initializer_list<DocumentRecord> five = {sentinel(), bill("2", "B"), bill("3", "C"), bill("4", "D"),
                                                        bill("5", "E")};
    const QByteArray before = writeDocuments(five);
    start();
    loadFromList(2);
    EXPECT_EQ(ui().odbiorca1->text(), "C");
    remove();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Usunąć dokument ?")});
    EXPECT_EQ(documents(), before.left(2 * doc::Size) + before.mid(3 * doc::Size));
    EXPECT_EQ(ui().odbiorca1->text(), "E");
    EXPECT_EQ(window->documentState().currentRecord(), 4);
    EXPECT_EQ(QDir(path("Uslugi")).entryList(QDir::Files),
              (QStringList{"dokumenty_r.dat", "klienci.dat", "uslugi.dat"}));
    expectNoErrors();
}

TEST_F(DocumentsTest, TheOnlyRecordIsNeverDeleted)
{
    start();
    const QByteArray before = documents();
    ui().SpeedButton8->click();
    EXPECT_EQ(dialogs.notices, QStringList{QStringLiteral("Nie można usunąć ostatniego wpisu")});
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(documents(), before);
}

TEST_F(DocumentsTest, AnsweringNoDeletesNothing)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "B")});
    start();
    remove(false);
    EXPECT_EQ(documents(), before);
}

TEST_F(DocumentsTest, DeletingTheShownSentinelMakesTheFirstBillRecordOne)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "B")});
    start();
    loadFromList(0);
    EXPECT_EQ(ui().odbiorca1->text(), QStringLiteral("Początek bloczka rachunkowego"));
    remove();
    EXPECT_EQ(documents(), before.mid(doc::Size));
    EXPECT_EQ(ui().odbiorca1->text(), "B");
    EXPECT_EQ(window->documentState().currentRecord(), 1);
}

TEST_F(DocumentsTest, DeleteIsUnavailableForANewBillUntilItIsStored)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "B")});
    start();
    ui().SpeedButton6->click();
    window->Timer2Timer();
    EXPECT_FALSE(ui().SpeedButton8->isEnabled());
    ui().SpeedButton8->click(); // a disabled button does nothing
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(documents(), before);

    store();
    window->Timer2Timer();
    EXPECT_TRUE(ui().SpeedButton8->isEnabled());
    remove();
    EXPECT_EQ(documents(), before);
}

} // namespace
