#include "tests/session/session_test.h"

#include "store/document_file.h"
#include "store/io_error.h"
#include "tests/support/file_bytes.h"

#include <cerrno>

namespace kw {
namespace {

using StoringTest = SessionTest;

TEST_F(StoringTest, ANewBillIsAppendedAsTheFormWithItsAmountsNormalised)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "B")});
    start();
    session.beginNewBill();
    edit([](DocumentForm& f) {
        f.head.place = QStringLiteral("Łódź");
        f.head.numberSuffix = QStringLiteral("2009");
        f.head.buyerLines = {QStringLiteral("Jan Kowalski"), QStringLiteral("ul. Długa 1"), QStringLiteral("90-001"),
                             QStringLiteral("Łódź")};
        f.head.buyerTaxId = QStringLiteral("725-000-00-00");
        f.head.paymentMethod = QStringLiteral("Przelew");
        f.head.paymentTerm = QStringLiteral("7 dni");
        f.head.serviceDate = QStringLiteral("2009-03-04");
        f.head.signature = QStringLiteral("Anna");
        cellOf(f, 1, 1) = QStringLiteral("Strzyżenie");
        cellOf(f, 4, 1) = QStringLiteral("1.5");
        cellOf(f, 5, 1) = QStringLiteral("8");
        cellOf(f, 4, 2) = QStringLiteral("abc");
        cellOf(f, 5, 2) = QStringLiteral("0");
        cellOf(f, 4, 3) = QStringLiteral("3");
        cellOf(f, 5, 3) = QStringLiteral("4,3325");
    });
    EXPECT_EQ(session.storeQuestion(), QStringLiteral("Zapisać nowy rachunek ?"));
    EXPECT_EQ(session.store(), 3);

    DocumentRecord expected;
    expected.set(doc::Place, QStringLiteral("Łódź"));
    expected.set(doc::IssueDate, today());
    expected.set(doc::DocNumber, QStringLiteral("1"));
    expected.set(doc::NumberSuffix, QStringLiteral("2009"));
    expected.set(doc::BuyerLine1, QStringLiteral("Jan Kowalski"));
    expected.set(doc::BuyerLine2, QStringLiteral("ul. Długa 1"));
    expected.set(doc::BuyerLine3, QStringLiteral("90-001"));
    expected.set(doc::BuyerLine4, QStringLiteral("Łódź"));
    expected.set(doc::BuyerTaxId, QStringLiteral("725-000-00-00"));
    expected.set(doc::PaymentMethod, QStringLiteral("Przelew"));
    expected.set(doc::PaymentTerm, QStringLiteral("7 dni"));
    expected.set(doc::ServiceDate, QStringLiteral("2009-03-04"));
    expected.set(doc::Signature, QStringLiteral("Anna"));
    expected.set(lineCell(LineTable::Bill, 1, 1), QStringLiteral("Strzyżenie"));
    expected.set(lineCell(LineTable::Bill, 4, 1), QStringLiteral("   1.50"));
    expected.set(lineCell(LineTable::Bill, 5, 1), QStringLiteral("    8.00"));
    expected.set(lineCell(LineTable::Bill, 6, 1), QStringLiteral("    12.00"));
    expected.set(lineCell(LineTable::Bill, 4, 2), QStringLiteral("abc")); // reads as zero: kept as typed
    expected.set(lineCell(LineTable::Bill, 5, 2), QStringLiteral("0"));
    // The total follows the price as stored: 3 × 4.33, not 3 × 4.3325.
    expected.set(lineCell(LineTable::Bill, 4, 3), QStringLiteral("   3.00"));
    expected.set(lineCell(LineTable::Bill, 5, 3), QStringLiteral("    4.33"));
    expected.set(lineCell(LineTable::Bill, 6, 3), QStringLiteral("    12.99"));
    expected.set(doc::DocKind, QStringLiteral("F"));
    ASSERT_EQ(storedCount(), 3);
    EXPECT_EQ(documents().left(2 * doc::Size), before);
    EXPECT_EQ(stored(3), expected);
    // Shown as read back.
    EXPECT_EQ(session.working(), expected);
    EXPECT_EQ(cellOf(session.form(), 4, 1), QStringLiteral("   1.50"));
    EXPECT_FALSE(session.hasUnsavedChanges());
}

TEST_F(StoringTest, ACorrectiveBillKeepsTheCorrectedLinesAndNamesTheCorrectedBill)
{
    SettingsRecord s;
    s.set(settings::CorrectionNumber, QStringLiteral("41"));
    s.set(settings::CorrectionSuffix, QStringLiteral("K/2009"));
    writeSettings(s);
    const DocumentRecord corrected = bill("7", "Firma ABC");
    writeDocuments({sentinel(), corrected});
    start();
    session.beginCorrection();
    edit([](DocumentForm& f) {
        cellOf(f, 1, 1) = QStringLiteral("Usługa A po korekcie");
        cellOf(f, 5, 1) = QStringLiteral("8");
    });
    EXPECT_EQ(session.storeQuestion(), QStringLiteral("Zapisać nowy rachunek korygujący ?"));
    EXPECT_EQ(session.store(), 3);

    ASSERT_EQ(storedCount(), 3);
    EXPECT_EQ(stored(2), corrected);
    const DocumentRecord k = stored(3);
    EXPECT_EQ(k.get(doc::DocKind), QStringLiteral("K"));
    EXPECT_EQ(k.get(doc::DocNumber), QStringLiteral("42"));
    EXPECT_EQ(k.get(doc::NumberSuffix), QStringLiteral("K/2009"));
    EXPECT_EQ(k.get(doc::CorrectedRef), QStringLiteral("7/2009"));
    EXPECT_EQ(k.get(doc::BuyerLine1), QStringLiteral("Firma ABC"));
    EXPECT_EQ(tableBytes(k, LineTable::Bill), tableBytes(corrected, LineTable::Bill));
    EXPECT_EQ(k.get(lineCell(LineTable::Correction, 1, 1)), QStringLiteral("Usługa A po korekcie"));
    EXPECT_EQ(k.get(lineCell(LineTable::Correction, 4, 1)), QStringLiteral("   2.00"));
    EXPECT_EQ(k.get(lineCell(LineTable::Correction, 5, 1)), QStringLiteral("    8.00"));
    EXPECT_EQ(k.get(lineCell(LineTable::Correction, 6, 1)), QStringLiteral("    16.00"));
    EXPECT_EQ(session.correctedReference(), QStringLiteral("7/2009"));
}

TEST_F(StoringTest, AReferenceLongerThanItsFieldLosesItsEnd)
{
    DocumentRecord corrected = bill("1234567890", "B");
    corrected.set(doc::NumberSuffix, QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    writeDocuments({sentinel(), corrected});
    start();
    session.beginCorrection();
    EXPECT_EQ(session.correctedReference(), QStringLiteral("1234567890/ABCDEFGHIJKLMNOPQRST"));
    session.store();
    EXPECT_EQ(stored(3).get(doc::CorrectedRef), QStringLiteral("1234567890/ABCDEFGHIJKLMNOPQRS"));
}

TEST_F(StoringTest, AStoredCorrectiveBillIsOverwrittenWithItsBillLinesUnchanged)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "B"), correctiveBill("4")});
    start();
    EXPECT_EQ(session.storeQuestion(), QStringLiteral("Zapisać zmiany w rachunku korygującym ?"));
    edit([](DocumentForm& f) { cellOf(f, 5, 1) = QStringLiteral("7"); });
    // Looking at the lines before the correction and back keeps the edit.
    session.showLinesBeforeCorrection();
    session.showLinesAfterCorrection();
    EXPECT_EQ(session.store(), 3);

    DocumentRecord expected = correctiveBill("4");
    expected.set(lineCell(LineTable::Correction, 5, 1), QStringLiteral("    7.00"));
    expected.set(lineCell(LineTable::Correction, 6, 1), QStringLiteral("    14.00"));
    ASSERT_EQ(documents().size(), before.size());
    EXPECT_EQ(documents().left(2 * doc::Size), before.left(2 * doc::Size));
    EXPECT_EQ(stored(3), expected);
}

TEST_F(StoringTest, AStoredBillIsOverwrittenInPlaceAndTheSettingsAreLeftAlone)
{
    SettingsRecord s;
    s.set(settings::Place, QStringLiteral("Gdańsk"));
    s.set(settings::BillNumber, QStringLiteral("3"));
    writeSettings(s);
    const QByteArray before = writeDocuments({sentinel(), bill("2", "B"), bill("3", "C")});
    start();
    session.billListOpened();
    session.loadChosen(2);
    edit([](DocumentForm& f) {
        f.head.place = QStringLiteral("Sopot");
        f.head.buyerLines[1] = QStringLiteral("ul. Długa 1");
        cellOf(f, 4, 1) = QStringLiteral("3");
    });
    EXPECT_EQ(session.storeQuestion(), QStringLiteral("Zapisać zmiany w rachunku ?"));
    EXPECT_EQ(session.store(), 2);

    DocumentRecord expected = bill("2", "B");
    expected.set(doc::Place, QStringLiteral("Sopot"));
    expected.set(doc::BuyerLine2, QStringLiteral("ul. Długa 1"));
    expected.set(lineCell(LineTable::Bill, 4, 1), QStringLiteral("   3.00"));
    expected.set(lineCell(LineTable::Bill, 6, 1), QStringLiteral("    30.00"));
    ASSERT_EQ(documents().size(), before.size());
    EXPECT_EQ(documents().left(doc::Size), before.left(doc::Size));
    EXPECT_EQ(stored(2), expected);
    EXPECT_EQ(documents().mid(2 * doc::Size), before.mid(2 * doc::Size));
    EXPECT_EQ(settingsBytes(), s.bytes());
    EXPECT_EQ(session.form().head.place, QStringLiteral("Sopot"));
    EXPECT_FALSE(session.hasUnsavedChanges());
}

// Another instance changed the shown bill after it was loaded: storing over
// it would lose that change.
TEST_F(StoringTest, OverwritingABillAnotherInstanceChangedIsRefused)
{
    writeDocuments({sentinel(), bill("2", "B"), bill("3", "C")});
    start();
    session.loadChosen(2);
    const QByteArray changed = writeDocuments({sentinel(), bill("2", "B zmieniony"), bill("3", "C")});
    edit([](DocumentForm& f) { f.head.buyerLines[1] = QStringLiteral("ul. Długa 1"); });
    try {
        session.store();
        ADD_FAILURE() << "stored over a changed bill";
    } catch (const IoError& error) {
        EXPECT_EQ(error.message(), documentChangedNotice(folder.paths().documentFile(), 2));
    }
    EXPECT_EQ(documents(), changed);
}

// The bill is stored even when its number cannot be: the error is reported
// and the bill is shown as stored, so storing it again does not add it twice.
TEST_F(StoringTest, ABillIsStoredAndShownWhenItsNumberCannotBeWritten)
{
    SettingsRecord s;
    s.set(settings::BillNumber, QStringLiteral("7"));
    writeSettings(s);
    writeDocuments({sentinel(), bill("2", "B")});
    start();
    session.beginNewBill();
    edit([](DocumentForm& f) { f.head.buyerLines[0] = QStringLiteral("Nowy klient"); });
    // The settings file is replaced by a rename; the document file is not.
    ops.failAt(FileCall::Rename, 1, ENOSPC);
    EXPECT_THROW(session.store(), IoError);
    EXPECT_TRUE(ops.failed());

    ASSERT_EQ(storedCount(), 3);
    EXPECT_EQ(stored(3).get(doc::BuyerLine1), QStringLiteral("Nowy klient"));
    EXPECT_EQ(stored(3).get(doc::DocNumber), QStringLiteral("8"));
    EXPECT_EQ(settingsBytes(), s.bytes());
    EXPECT_FALSE(session.state().isNew());
    EXPECT_EQ(session.state().currentRecord(), 3);
    EXPECT_TRUE(session.state().newBillEnabled());
    EXPECT_EQ(session.modeCaption(), QStringLiteral("Edycja wczytanego rachunku"));
    EXPECT_EQ(session.working(), stored(3));
    EXPECT_EQ(session.storeQuestion(), QStringLiteral("Zapisać zmiany w rachunku ?"));
}

TEST_F(StoringTest, AnExtensionStartingWithASlashIsQuestioned)
{
    start();
    session.beginNewBill();
    EXPECT_EQ(session.suffixQuestion(), std::nullopt);
    edit([](DocumentForm& f) { f.head.numberSuffix = QStringLiteral("2026/"); });
    EXPECT_EQ(session.suffixQuestion(), std::nullopt);
    edit([](DocumentForm& f) { f.head.numberSuffix = QStringLiteral("/2026"); });
    EXPECT_EQ(session.suffixQuestion(),
              QStringLiteral("Rozszerzenie numeru zaczyna się od „/”, a numer jest drukowany jako "
                             "numer/rozszerzenie (np. 1//2026). Zapisać rachunek mimo to?"));
}

// A cash bill is paid on its issue date, whatever term was typed.
TEST_F(StoringTest, ACashBillIsStoredWithItsIssueDateAsItsTerm)
{
    writeDocuments({sentinel(), bill("2", "B")});
    start();
    session.beginNewBill();
    edit([](DocumentForm& f) {
        f.head.paymentMethod = QStringLiteral("Gotówka");
        f.head.paymentTerm = QStringLiteral("7 dni");
    });
    session.store();
    EXPECT_EQ(stored(3).get(doc::PaymentTerm), today());

    // A stored cash bill keeps the term of the day it was issued.
    session.loadChosen(2);
    edit([](DocumentForm& f) {
        f.head.paymentMethod = QStringLiteral("Gotówka");
        f.head.paymentTerm = QStringLiteral("7 dni");
    });
    session.store();
    EXPECT_EQ(stored(2).get(doc::PaymentTerm), QStringLiteral("2009-02-10"));
}

} // namespace
} // namespace kw
