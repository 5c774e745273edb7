#include "tests/session/session_test.h"

#include "store/io_error.h"

#include <cerrno>

namespace kw {
namespace {

using TakenNumberTest = SessionTest;

void numbered(DocumentForm& form, const char* number, const char* suffix)
{
    form.head.number = QString::fromUtf8(number);
    form.head.numberSuffix = QString::fromUtf8(suffix);
}

struct TakenCase {
    const char* number;
    const char* suffix;
    const char* question; // empty: none
};

// Stored: 1 the opening record, 2 bill 1/2009, 3 bill 2/2009, 4 bill
// 2/2009 again, 5 corrective bill 3/K/2009.
const TakenCase newBillCases[] = {
    {"1", "2009", "Numer 1/2009 ma już rachunek na pozycji 2. Zapisać mimo to?"},
    {"2", "2009", "Numer 2/2009 ma już rachunek na pozycji 3. Zapisać mimo to?"},
    {"4", "2009", ""},
    {"1", "2010", ""},
    {"02", "2009", ""},          // the texts as stored are compared
    {"3", "K/2009", ""},         // a corrective bill's number is another series
    {"12345678901", "2009", ""}, // cut to the field's ten characters: 1234567890
};

TEST_F(TakenNumberTest, ANewBillAsksWhenAStoredBillHasItsNumber)
{
    writeDocuments({sentinel(), bill("1", "A"), bill("2", "B"), bill("2", "C"), correctiveBill("3")});
    start();
    session.beginNewBill();
    for (const TakenCase& c : newBillCases) {
        SCOPED_TRACE(std::string(c.number) + "/" + c.suffix);
        edit([&](DocumentForm& f) { numbered(f, c.number, c.suffix); });
        const std::optional<QString> expected =
            *c.question ? std::optional<QString>(QString::fromUtf8(c.question)) : std::nullopt;
        EXPECT_EQ(session.takenNumberQuestion(), expected);
    }
}

TEST_F(TakenNumberTest, ANewCorrectiveBillAsksAboutCorrectiveBillsOnly)
{
    writeDocuments({sentinel(), bill("2", "B"), correctiveBill("1"), bill("4", "D")});
    start();
    session.loadChosen(2);
    session.beginCorrection();
    edit([](DocumentForm& f) { numbered(f, "1", "K/2009"); });
    EXPECT_EQ(session.takenNumberQuestion(),
              QStringLiteral("Numer 1/K/2009 ma już rachunek korygujący na pozycji 3. Zapisać mimo to?"));
    edit([](DocumentForm& f) { numbered(f, "4", "2009"); });
    EXPECT_EQ(session.takenNumberQuestion(), std::nullopt);
}

TEST_F(TakenNumberTest, AnOverwriteAsksAboutOtherDocumentsOnly)
{
    writeDocuments({sentinel(), bill("1", "A"), bill("2", "B"), bill("3", "C"), bill("3", "D")});
    start();
    session.loadChosen(3);
    EXPECT_EQ(session.takenNumberQuestion(), std::nullopt);
    edit([](DocumentForm& f) { f.head.buyerLines[0] = QStringLiteral("Nowy nabywca"); });
    EXPECT_EQ(session.takenNumberQuestion(), std::nullopt);
    edit([](DocumentForm& f) { numbered(f, "1", "2009"); });
    EXPECT_EQ(session.takenNumberQuestion(),
              QStringLiteral("Numer 1/2009 ma już rachunek na pozycji 2. Zapisać mimo to?"));

    // A number stored twice already: the other one is named.
    session.loadChosen(4);
    EXPECT_EQ(session.takenNumberQuestion(),
              QStringLiteral("Numer 3/2009 ma już rachunek na pozycji 5. Zapisać mimo to?"));
    session.loadLast();
    EXPECT_EQ(session.takenNumberQuestion(),
              QStringLiteral("Numer 3/2009 ma już rachunek na pozycji 4. Zapisać mimo to?"));
}

TEST_F(TakenNumberTest, AskingStoresNothing)
{
    const QByteArray before = writeDocuments({sentinel(), bill("1", "A")});
    start();
    session.beginNewBill();
    edit([](DocumentForm& f) { numbered(f, "1", "2009"); });
    ASSERT_TRUE(session.takenNumberQuestion().has_value());
    EXPECT_EQ(documents(), before);
    // Answered yes, the bill is stored with the number it was asked about.
    EXPECT_EQ(session.store(), 3);
    EXPECT_EQ(stored(3).get(doc::DocNumber), QStringLiteral("1"));
}

TEST_F(TakenNumberTest, AFileThatCannotBeReadIsReported)
{
    writeDocuments({sentinel(), bill("1", "A")});
    start();
    session.beginNewBill();
    ops.failAt(FileCall::Read, 1, EIO);
    EXPECT_THROW(session.takenNumberQuestion(), IoError);
}

} // namespace
} // namespace kw
