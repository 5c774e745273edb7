#include "tests/session/session_test.h"

#include "editing/next_number.h"
#include "tests/support/file_bytes.h"

#include <QFile>

namespace kw {
namespace {

SettingsRecord numbering(const QString& billNumber, const QString& correctionNumber)
{
    SettingsRecord s;
    s.set(settings::Place, QStringLiteral("Gdańsk"));
    s.set(settings::BillNumber, billNumber);
    s.set(settings::BillSuffix, QStringLiteral("2009"));
    s.set(settings::CorrectionNumber, correctionNumber);
    s.set(settings::CorrectionSuffix, QStringLiteral("K/2009"));
    s.set(settings::CopyLabel, QStringLiteral("oryginał"));
    s.set(settings::Signature, QStringLiteral("Ewa"));
    s.set(settings::CopyCount, QStringLiteral("2"));
    s.set(settings::PrintFootnote, QStringLiteral("Zwolnienie z VAT"));
    return s;
}

struct NumberCase {
    const char* last;
    const char* next; // empty: no number, and a notice says why
};

// The last number of a series in the settings file and the number of the
// next document of that series. Number fields hold 10 characters.
const NumberCase numberCases[] = {
    {"", "1"},
    {"   ", "1"},
    {"41", "42"},
    {"  41", "42"},
    {"007", "8"},
    {"41/2009", "42"},
    {"9999999998", "9999999999"},
    {"9999999999", ""},
    {"abc", ""},
    {"-5", ""},
};

using NumberingTest = SessionTest;

TEST_F(NumberingTest, ANewBillIsNumberedAfterTheLastBill)
{
    writeDocuments({sentinel(), bill("2", "B")});
    start();
    for (const NumberCase& c : numberCases) {
        const QString last = QString::fromUtf8(c.last);
        SCOPED_TRACE(c.last);
        writeSettings(numbering(last, QStringLiteral("5")));
        const std::optional<QString> notice = session.beginNewBill();
        EXPECT_EQ(session.form().head.number, QString::fromUtf8(c.next));
        EXPECT_EQ(session.form().head.numberSuffix, QStringLiteral("2009"));
        EXPECT_EQ(session.form().head.place, QStringLiteral("Gdańsk"));
        EXPECT_EQ(session.form().head.signature, QStringLiteral("Ewa"));
        EXPECT_EQ(session.form().head.issueDate, today());
        if (*c.next)
            EXPECT_EQ(notice, std::nullopt);
        else
            EXPECT_EQ(notice, noNextNumberNotice(QStringLiteral("rachunku"), last));
    }
}

TEST_F(NumberingTest, ACorrectiveBillIsNumberedAfterTheLastCorrectiveBill)
{
    writeDocuments({sentinel(), bill("7", "B")});
    start();
    for (const NumberCase& c : numberCases) {
        const QString last = QString::fromUtf8(c.last);
        SCOPED_TRACE(c.last);
        writeSettings(numbering(QStringLiteral("5"), last));
        session.loadLast();
        const std::optional<QString> notice = session.beginCorrection();
        EXPECT_EQ(session.form().head.number, QString::fromUtf8(c.next));
        EXPECT_EQ(session.form().head.numberSuffix, QStringLiteral("K/2009"));
        // The rest of the head stays the corrected bill's.
        EXPECT_EQ(session.form().head.buyerLines[0], QStringLiteral("B"));
        EXPECT_EQ(session.form().head.issueDate, QStringLiteral("2009-02-10"));
        if (*c.next)
            EXPECT_EQ(notice, std::nullopt);
        else
            EXPECT_EQ(notice, noNextNumberNotice(QStringLiteral("rachunku korygującego"), last));
    }
}

TEST_F(NumberingTest, AMissingSettingsFileIsCreatedEmptyWhenACorrectionBegins)
{
    writeDocuments({sentinel(), bill("7", "B")});
    start();
    ASSERT_TRUE(QFile::remove(folder.admini() + QStringLiteral("/rachunek.dat")));
    session.beginCorrection();
    EXPECT_EQ(session.form().head.number, QStringLiteral("1"));
    EXPECT_EQ(session.form().head.numberSuffix, QString());
    EXPECT_EQ(settingsBytes(), QByteArray(settings::Size, '\0'));
}

TEST_F(NumberingTest, TheFirstBillIsNumberedOneAndTheNextTwo)
{
    start();
    EXPECT_EQ(documents(), sentinelRecord(today()).bytes());
    EXPECT_EQ(settingsBytes(), QByteArray(settings::Size, '\0'));
    session.beginNewBill();
    EXPECT_EQ(session.form().head.number, QStringLiteral("1"));
    EXPECT_EQ(session.store(), 2);
    EXPECT_EQ(stored(2).get(doc::DocNumber), QStringLiteral("1"));
    SettingsRecord expected;
    expected.set(settings::BillNumber, QStringLiteral("1"));
    EXPECT_EQ(settingsBytes(), expected.bytes());
    session.beginNewBill();
    EXPECT_EQ(session.form().head.number, QStringLiteral("2"));
}

// Storing a new document writes the place, the signature and the number pair
// of its own series; every other field of the settings file stays as the file
// holds it now, though another instance changed it after it was read.
TEST_F(NumberingTest, StoringWritesTheNumbersOfItsOwnSeriesOnly)
{
    const struct {
        const char* name;
        bool corrective;
        StringField number;
        StringField suffix;
    } series[] = {
        {"bill", false, settings::BillNumber, settings::BillSuffix},
        {"corrective bill", true, settings::CorrectionNumber, settings::CorrectionSuffix},
    };
    for (const auto& c : series) {
        SCOPED_TRACE(c.name);
        writeSettings(numbering(QStringLiteral("7"), QStringLiteral("41")));
        writeDocuments({sentinel(), bill("2", "B")});
        start();
        if (c.corrective)
            session.beginCorrection();
        else
            session.beginNewBill();
        SettingsRecord changed = numbering(QStringLiteral("7"), QStringLiteral("41"));
        changed.set(settings::CopyCount, QStringLiteral("3"));
        changed.set(settings::CopyLabel, QStringLiteral("kopia"));
        changed.set(settings::PrintFootnote, QStringLiteral("Inna stopka"));
        writeSettings(changed);
        edit([](DocumentForm& f) {
            f.head.place = QStringLiteral("Sopot");
            f.head.number = QStringLiteral("100");
            f.head.numberSuffix = QStringLiteral("S/2009");
            f.head.signature = QStringLiteral("Olga");
        });
        session.store();

        SettingsRecord expected = changed;
        expected.set(settings::Place, QStringLiteral("Sopot"));
        expected.set(c.number, QStringLiteral("100"));
        expected.set(c.suffix, QStringLiteral("S/2009"));
        expected.set(settings::Signature, QStringLiteral("Olga"));
        EXPECT_EQ(settingsBytes(), expected.bytes());
    }
}

} // namespace
} // namespace kw
