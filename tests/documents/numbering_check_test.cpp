#include "documents/numbering_check.h"
#include "tests/documents/document_builder.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cctype>
#include <string>
#include <tuple>
#include <vector>

namespace kw {
namespace {

// One stored document: kind, number, extension, issue date and, for a
// corrective bill, the number it corrects.
struct Stored {
    const char* kind;
    const char* number;
    const char* suffix;
    const char* issued;
    const char* corrected = "";
};

DocumentRecord recordOf(const Stored& stored)
{
    DocumentRecord record = billRecord(QString::fromUtf8(stored.issued), QStringLiteral("Jan Kowalski"), {"10.00"});
    record.set(doc::DocKind, QString::fromUtf8(stored.kind));
    record.set(doc::DocNumber, QString::fromUtf8(stored.number));
    record.set(doc::NumberSuffix, QString::fromUtf8(stored.suffix));
    record.set(doc::CorrectedRef, QString::fromUtf8(stored.corrected));
    return record;
}

struct CheckCase {
    const char* name;
    std::vector<Stored> documents; // after the opening record, from position 2
    const char* year;
    std::vector<const char*> findings;
};

const CheckCase checkCases[] = {
    {"clean",
     {{"F", "1", "2026", "2026-01-02"}, {"F", "2", "2026", "2026-01-02"}, {"F", "3", "2026", "2026-02-01"}},
     "",
     {}},
    {"opening record only", {}, "", {}},
    {"one number missing",
     {{"F", "1", "2026", "2026-01-02"}, {"F", "2", "2026", "2026-01-03"}, {"F", "4", "2026", "2026-01-04"}},
     "",
     {"brak numeru 3/2026"}},
    {"a run missing is one line, however long",
     {{"F", "1", "2026", "2026-01-02"}, {"F", "5", "2026", "2026-01-03"}, {"F", "9999999999", "2026", "2026-01-04"}},
     "",
     {"brak numerów od 2/2026 do 4/2026", "brak numerów od 6/2026 do 9999999998/2026"}},
    {"gaps only between the lowest and the highest",
     {{"F", "12", "2026", "2026-01-02"}, {"F", "13", "2026", "2026-01-03"}},
     "",
     {}},
    {"twice",
     {{"F", "1", "2026", "2026-01-02"}, {"F", "2", "2026", "2026-01-03"}, {"F", "2", "2026", "2026-01-03"}},
     "",
     {"numer 2/2026 dwa razy: pozycje 3 i 4"}},
    {"three times, stored apart",
     {{"F", "7", "2026", "2026-01-02"},
      {"F", "8", "2026", "2026-01-03"},
      {"F", "7", "2026", "2026-01-02"},
      {"F", "7", "2026", "2026-01-02"}},
     "",
     {"numer 7/2026 trzy razy: pozycje 2, 4 i 5"}},
    {"a higher number issued earlier",
     {{"F", "1", "2026", "2026-03-05"}, {"F", "2", "2026", "2026-03-01"}},
     "",
     {"numer 2/2026 (pozycja 3, 2026-03-01) ma wcześniejszą datę wystawienia niż numer 1/2026 (pozycja 2, "
      "2026-03-05)"}},
    {"one misdated bill is named once, against its neighbour",
     {{"F", "1", "2026", "2026-03-01"},
      {"F", "2", "2026", "2026-12-01"},
      {"F", "3", "2026", "2026-03-02"},
      {"F", "4", "2026", "2026-03-03"}},
     "",
     {"numer 3/2026 (pozycja 4, 2026-03-02) ma wcześniejszą datę wystawienia niż numer 2/2026 (pozycja 3, "
      "2026-12-01)"}},
    {"file order does not matter, nor an undated number between",
     {{"F", "3", "2026", "2026-03-03"}, {"F", "2", "2026", ""}, {"F", "1", "2026", "2026-03-01"}},
     "",
     {}},
    {"dates compared across an undated number",
     {{"F", "1", "2026", "2026-03-05"}, {"F", "2", "2026", "5 marca"}, {"F", "3", "2026", "2026-03-01"}},
     "",
     {"numer 3/2026 (pozycja 4, 2026-03-01) ma wcześniejszą datę wystawienia niż numer 1/2026 (pozycja 2, "
      "2026-03-05)"}},
    {"corrected bill present, before or after its correction",
     {{"K", "1", "K/2026", "2026-01-05", "2/2026"},
      {"F", "1", "2026", "2026-01-02"},
      {"F", "2", "2026", "2026-01-03"},
      {"K", "2", "K/2026", "2026-01-06", "1/2026"}},
     "",
     {}},
    {"corrected bill missing",
     {{"F", "1", "2026", "2026-01-02"},
      {"K", "1", "K/2026", "2026-01-05", "9/2026"},
      {"K", "2", "K/2026", "2026-01-06", "1/K/2026"},
      {"K", "3", "K/2026", "2026-01-07", ""}},
     "",
     {"rachunek korygujący 1/K/2026 (pozycja 3) koryguje rachunek 9/2026, którego nie ma w pliku dokumentów",
      "rachunek korygujący 2/K/2026 (pozycja 4) koryguje rachunek 1/K/2026, którego nie ma w pliku dokumentów",
      "rachunek korygujący 3/K/2026 (pozycja 5) nie podaje numeru korygowanego rachunku"}},
    {"a corrected number is matched as written",
     {{"F", "07", "2026", "2026-01-02"},
      {"F", "8", "", "2026-01-03"},
      {"F", "1234567890", "ABCDEFGHIJKLMNOPQRST", "2026-01-04"},
      {"K", "1", "K", "2026-01-05", "07/2026"},
      {"K", "2", "K", "2026-01-05", "7/2026"},
      {"K", "3", "K", "2026-01-05", "8/"},
      {"K", "4", "K", "2026-01-05", "1234567890/ABCDEFGHIJKLMNOPQRS"}},
     "",
     {"rachunek korygujący 2/K (pozycja 6) koryguje rachunek 7/2026, którego nie ma w pliku dokumentów"}},
    {"each extension is a series",
     {{"F", "1", "2025", "2025-01-02"},
      {"F", "1", "2026", "2026-01-02"},
      {"F", "2", "2025", "2025-01-03"},
      {"F", "3", "2026", "2026-01-03"},
      {"F", "3", "", "2026-01-05"},
      {"F", "1", "", "2026-01-04"}},
     "",
     {"brak numeru 2/2026", "brak numeru 2"}},
    {"each kind is a series, bills first",
     {{"K", "1", "2026", "2026-01-05", "1/2026"},
      {"K", "3", "2026", "2026-01-06", "1/2026"},
      {"F", "1", "2026", "2026-01-02"},
      {"F", "3", "2026", "2026-01-03"}},
     "",
     {"brak numeru 2/2026", "brak numeru rachunku korygującego 2/2026"}},
    {"corrective series in their own words",
     {{"F", "1", "2026", "2026-01-02"},
      {"K", "1", "K/2026", "2026-01-05", "1/2026"},
      {"K", "1", "K/2026", "2026-01-04", "1/2026"},
      {"K", "2", "K/2026", "2026-01-03", "1/2026"},
      {"K", "5", "K/2026", "2026-01-06", "1/2026"},
      {"K", "x", "K/2026", "2026-01-06", "1/2026"}},
     "",
     {"numer rachunku korygującego 1/K/2026 dwa razy: pozycje 3 i 4",
      "numer rachunku korygującego 2/K/2026 (pozycja 5, 2026-01-03) ma wcześniejszą datę wystawienia niż numer "
      "1/K/2026 (pozycja 3, 2026-01-05)",
      "brak numerów rachunków korygujących od 3/K/2026 do 4/K/2026",
      "numer rachunku korygującego „x/K/2026” nie jest liczbą: pozycja 7"}},
    {"only the year asked for",
     {{"F", "1", "2026", "2025-12-30"},
      {"F", "3", "2026", "2025-12-31"},
      {"F", "4", "2026", "2026-01-02"},
      {"F", "6", "2026", "2026-01-03"},
      {"F", "7", "2026", ""}},
     "2026",
     {"brak numeru 5/2026"}},
    {"a corrected bill of another year is found",
     {{"F", "9", "2025", "2025-12-30"},
      {"K", "1", "K/2026", "2026-01-02", "9/2025"},
      {"K", "2", "K/2025", "2025-12-31", "8/2025"}},
     "2026",
     {}},
    {"numbers without leading digits, each once",
     {{"F", "1", "2026", "2026-01-02"},
      {"F", "A1", "2026", "2026-01-02"},
      {"F", "5", "2026", "2026-01-02"},
      {"F", "bis", "2026", "2026-01-02"},
      {"F", "A1", "2026", "2026-01-02"},
      {"F", "  ", "2026", "2026-01-02"},
      {"F", "", "", "2026-01-02"}},
     "",
     {"brak numerów od 2/2026 do 4/2026", "numer „A1/2026” nie jest liczbą: pozycje 3 i 6",
      "numer „bis/2026” nie jest liczbą: pozycja 5", "rachunek bez numeru (rozszerzenie „2026”): pozycja 7",
      "rachunek bez numeru: pozycja 8"}},
    {"numbers count by their leading digits",
     {{"F", "1", "2026", "2026-01-02"}, {"F", " 2", "2026", "2026-01-02"}, {"F", "2a", "2026", "2026-01-02"}},
     "",
     {"numer 2/2026 dwa razy: pozycje 3 i 4"}},
    {"records of another kind are no documents",
     {{"F", "1", "2026", "2026-01-02"}, {"X", "1", "2026", "2026-01-02"}, {"", "5", "2026", "2026-01-02"}},
     "",
     {}},
    {"extensions with Polish letters",
     {{"F", "1", "Łódź", "2026-01-02"}, {"F", "3", "Łódź", "2026-01-02"}},
     "",
     {"brak numeru 2/Łódź"}},
    {"five times",
     {{"F", "1", "", "2026-01-02"},
      {"F", "1", "", "2026-01-02"},
      {"F", "1", "", "2026-01-02"},
      {"F", "1", "", "2026-01-02"},
      {"F", "1", "", "2026-01-02"}},
     "",
     {"numer 1 pięć razy: pozycje 2, 3, 4, 5 i 6"}},
};

void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }

class NumberingCheckTest : public ::testing::TestWithParam<CheckCase>
{
protected:
    QStringList check(const QByteArray& file, const QString& year = QString())
    {
        writeFileBytes(path(), file);
        return numberingFindings(systemFileOps(), path(), year);
    }
    QString path() const { return folder.paths().documentFile(); }

    TempDataFolder folder;
};

TEST_P(NumberingCheckTest, ListsWhatIsWrongWithTheNumbers)
{
    const CheckCase& c = GetParam();
    QList<DocumentRecord> records;
    for (const Stored& stored : c.documents)
        records.append(recordOf(stored));
    QStringList expected;
    for (const char* line : c.findings)
        expected.append(QString::fromUtf8(line));
    EXPECT_EQ(check(documentFileBytes(records), QString::fromUtf8(c.year)), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, NumberingCheckTest, ::testing::ValuesIn(checkCases),
                         [](const ::testing::TestParamInfo<CheckCase>& param) {
                             std::string name;
                             for (const char* c = param.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

using NumberingCheckFileTest = NumberingCheckTest;

TEST_F(NumberingCheckFileTest, AnEmptyFileHasNothingToFind) { EXPECT_EQ(check(QByteArray()), QStringList()); }

// The opening record is no bill wherever its number would fit; a record
// like it further on is a bill.
TEST_F(NumberingCheckFileTest, TheOpeningRecordIsLeftOut)
{
    DocumentRecord opening = sentinelRecord(QStringLiteral("2026"));
    const QByteArray bills =
        recordOf({"F", "2", "2026", "2026-01-02"}).bytes() + recordOf({"F", "3", "2026", "2026-01-03"}).bytes();
    EXPECT_EQ(check(opening.bytes() + bills), QStringList());
    EXPECT_EQ(check(opening.bytes() + bills + opening.bytes()), QStringList{"brak numeru 1/2026"});

    DocumentRecord numberedZero = opening;
    numberedZero.set(doc::BuyerLine1, QStringLiteral("Jan Kowalski"));
    EXPECT_EQ(check(numberedZero.bytes() + bills), QStringList{"brak numeru 1/2026"});

    // A corrective bill of the opening record names no bill.
    const QByteArray correction = recordOf({"K", "1", "K", "2026-01-04", "0/2026"}).bytes();
    EXPECT_EQ(check(opening.bytes() + bills + correction),
              QStringList{"rachunek korygujący 1/K (pozycja 4) koryguje rachunek 0/2026, którego nie ma w pliku "
                          "dokumentów"});
}

TEST_F(NumberingCheckFileTest, ATornTailIsNotRead)
{
    const QByteArray bills =
        documentFileBytes({recordOf({"F", "1", "2026", "2026-01-02"}), recordOf({"F", "2", "2026", "2026-01-03"})});
    EXPECT_EQ(check(bills + recordOf({"F", "9", "2026", "2026-01-04"}).bytes().left(100)), QStringList());
}

// A file long enough to be read in parts, with a finding of each kind on
// both sides of where the parts meet.
TEST_F(NumberingCheckFileTest, ALongFileReadInPartsFindsWhatOnePassFinds)
{
    const int count = 9000;
    QList<DocumentRecord> records;
    for (int i = 0; i < count; ++i) {
        QByteArray number = QByteArray::number(i + 1);
        QByteArray suffix = "2026";
        QByteArray kind = "F";
        QByteArray corrected;
        if (i == 4499 || i == 8500)
            number = "abc";
        else if (i == 8000)
            number = "10";
        else if (i >= 8990 && i <= 8992)
            std::tie(number, suffix) = std::make_tuple(QByteArray::number(i == 8992 ? 4 : i - 8989), "2027");
        else if (i >= 8998)
            std::tie(kind, number, suffix, corrected) =
                std::make_tuple("K", QByteArray::number(i - 8997), "K", i == 8998 ? "4000/2026" : "9000/2026");
        records.append(
            recordOf({kind.constData(), number.constData(), suffix.constData(), "2026-01-02", corrected.constData()}));
    }
    EXPECT_EQ(check(documentFileBytes(records)),
              (QStringList{"numer 10/2026 dwa razy: pozycje 11 i 8002", "brak numeru 4500/2026",
                           "brak numeru 8001/2026", "brak numeru 8501/2026", "brak numerów od 8991/2026 do 8993/2026",
                           "numer „abc/2026” nie jest liczbą: pozycje 4501 i 8502", "brak numeru 3/2027",
                           "rachunek korygujący 2/K (pozycja 9001) koryguje rachunek 9000/2026, którego nie ma w "
                           "pliku dokumentów"}));
}

struct NoticeCase {
    qsizetype findings;
    const char* lastLine; // empty: the last finding
};

// Nine findings at most fit the notice here; the rest are counted.
const NoticeCase noticeCases[] = {
    {1, ""},
    {9, ""},
    {10, "… i jeszcze 1 zastrzeżenie; wypisze je wszystkie polecenie: kwitarnia check 2026"},
    {12, "… i jeszcze 3 zastrzeżenia; wypisze je wszystkie polecenie: kwitarnia check 2026"},
    {30, "… i jeszcze 21 zastrzeżeń; wypisze je wszystkie polecenie: kwitarnia check 2026"},
};

TEST(NumberingNotice, ShowsTheFirstFindingsAndCountsTheRest)
{
    EXPECT_EQ(numberingNotice({}, QStringLiteral("2026"), 9), QStringLiteral("Numeracja bez zastrzeżeń."));
    for (const NoticeCase& c : noticeCases) {
        QStringList findings;
        for (qsizetype i = 1; i <= c.findings; ++i)
            findings.append(QStringLiteral("brak numeru %1/2026").arg(i));
        const QStringList lines = numberingNotice(findings, QStringLiteral("2026"), 9).split(QLatin1Char('\n'));
        const qsizetype shown = std::min<qsizetype>(c.findings, 9);
        EXPECT_EQ(lines.first(), QStringLiteral("Zastrzeżenia do numeracji dokumentów z roku 2026:"));
        EXPECT_EQ(lines.mid(1, shown), findings.first(shown)) << c.findings;
        EXPECT_EQ(lines.size(), 1 + shown + (*c.lastLine ? 1 : 0)) << c.findings;
        if (*c.lastLine) {
            EXPECT_EQ(lines.last(), QString::fromUtf8(c.lastLine));
        }
    }
}

} // namespace
} // namespace kw
