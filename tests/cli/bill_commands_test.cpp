#include "editing/next_number.h"
#include "store/data_folder.h"
#include "store/document_file.h"
#include "store/document_head.h"
#include "store/document_lock.h"
#include "store/records.h"
#include "tests/cli/cli_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/small_disk.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <future>
#include <set>

namespace kw {
namespace {

SettingsRecord numbering(const QString& last, const QString& suffix)
{
    SettingsRecord settings;
    settings.set(settings::Place, QStringLiteral("Kraków"));
    settings.set(settings::BillNumber, last);
    settings.set(settings::BillSuffix, suffix);
    settings.set(settings::CorrectionNumber, QStringLiteral("3"));
    settings.set(settings::CorrectionSuffix, QStringLiteral("K/2026"));
    settings.set(settings::Signature, QStringLiteral("Ewa Wiśniewska"));
    settings.set(settings::CopyLabel, QStringLiteral("oryginał / kopia"));
    settings.set(settings::CopyCount, QStringLiteral("2"));
    return settings;
}

// A bill paid by transfer with a tax number and lines typed as people type
// them, so storing has figures to normalise.
DocumentRecord transferBill()
{
    DocumentRecord record =
        cliBill(5, QStringLiteral("2009-03-10"), QStringLiteral("Biuro Rachunkowe Ćma"), QStringLiteral("0"));
    record.set(doc::BuyerLine4, QStringLiteral("Polska"));
    record.set(doc::BuyerTaxId, QStringLiteral("525-000-12-34"));
    record.set(doc::PaymentMethod, QStringLiteral("Przelew"));
    record.set(doc::PaymentTerm, QStringLiteral("14 dni"));
    const QStringList first = {
        QStringLiteral("Przegląd zegara"), QStringLiteral("95.25"),     QStringLiteral("usł."), QStringLiteral("1,5"),
        QStringLiteral("99.99"),           QStringLiteral("stara suma")};
    const QStringList second = {QStringLiteral("Wymiana paska"), QString(),
                                QStringLiteral("szt."),          QStringLiteral("3"),
                                QStringLiteral("4.3325"),        QStringLiteral("12.99")};
    // A total left in a line with no amounts: the new bill computes its own.
    const QStringList third = {QStringLiteral("Dojazd gratis"), QString(), QString(), QString(), QString(),
                               QStringLiteral("     5.00")};
    for (int column = 1; column <= doc::Columns; ++column) {
        record.set(lineCell(LineTable::Bill, column, 1), first[column - 1]);
        record.set(lineCell(LineTable::Bill, column, 2), second[column - 1]);
        record.set(lineCell(LineTable::Bill, column, 3), third[column - 1]);
    }
    return record;
}

DocumentRecord recordAt(const QString& documentFile, qint64 position)
{
    return DocumentRecord::fromBytes(readFileBytes(documentFile).mid((position - 1) * doc::Size, doc::Size));
}

// Field by field first, so a failure names the field; then every byte.
void expectSameRecord(const DocumentRecord& stored, const DocumentRecord& expected)
{
    EXPECT_EQ(readHead(stored), readHead(expected));
    for (LineTable table : {LineTable::Bill, LineTable::Correction})
        for (int column = 1; column <= doc::Columns; ++column)
            for (int line = 1; line <= doc::Lines; ++line)
                EXPECT_EQ(stored.get(lineCell(table, column, line)), expected.get(lineCell(table, column, line)))
                    << (table == LineTable::Bill ? "bill" : "correction") << " cell " << column << "," << line;
    EXPECT_EQ(stored.get(doc::DocKind), expected.get(doc::DocKind));
    EXPECT_EQ(stored.get(doc::CorrectedRef), expected.get(doc::CorrectedRef));
    EXPECT_EQ(stored.bytes(), expected.bytes());
}

void setLine(DocumentRecord& record, int line, const QStringList& cells)
{
    for (int column = 1; column <= doc::Columns; ++column)
        record.set(lineCell(LineTable::Bill, column, line), cells.value(column - 1));
}

// The standard documents and a bill paid by transfer at position 7, bills
// numbered 7/2026 last.
void makeBillFolder(const QString& folder)
{
    QList<DocumentRecord> documents = standardDocuments();
    documents.append(transferBill());
    QDir(folder).mkpath(QStringLiteral("Admini"));
    QDir(folder).mkpath(QStringLiteral("Uslugi"));
    writeCliDataFolder(folder, documents);
    writeFileBytes(DataPaths(folder).settingsFile(), numbering(QStringLiteral("7"), QStringLiteral("2026")).bytes());
}

void writeTemplate(const QString& folder, const QString& relative, const DocumentRecord& tpl)
{
    const QString path = folder + QLatin1Char('/') + relative;
    QDir(folder).mkpath(QFileInfo(path).path());
    writeFileBytes(path, tpl.bytes());
}

class CliBillTest : public CliTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start_.isValid());
        makeBillFolder(start());
    }

    DataPaths paths() const { return DataPaths(start()); }
    DocumentRecord stored(qint64 position) const { return recordAt(paths().documentFile(), position); }
    qint64 storedCount() const { return readFileBytes(paths().documentFile()).size() / doc::Size; }
    SettingsRecord settings() const { return SettingsRecord::fromBytes(readFileBytes(paths().settingsFile())); }
    void writeTemplate(const QString& relative, const DocumentRecord& tpl) const
    {
        kw::writeTemplate(start(), relative, tpl);
    }
};

TEST_F(CliBillTest, CopyStoresTheSourcesBuyerPaymentAndLinesNumberedFromTheSettings)
{
    const DocumentRecord source = stored(7);
    const ProcessResult result =
        run({QStringLiteral("copy"), QStringLiteral("7"), QStringLiteral("--date"), QStringLiteral("2026-03-10"),
             QStringLiteral("--service-date"), QStringLiteral("2026-03-09")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("Zapisano rachunek 8/2026 (pozycja 8).\n"));
    EXPECT_EQ(result.err, QString());
    ASSERT_EQ(storedCount(), 8);

    // The window's new bill after loading the source: what it does not show
    // stays as the source had it.
    DocumentRecord expected = source;
    expected.set(doc::Place, QStringLiteral("Kraków"));
    expected.set(doc::IssueDate, QStringLiteral("2026-03-10"));
    expected.set(doc::DocNumber, QStringLiteral("8"));
    expected.set(doc::NumberSuffix, QStringLiteral("2026"));
    expected.set(doc::ServiceDate, QStringLiteral("2026-03-09"));
    expected.set(doc::Signature, QStringLiteral("Ewa Wiśniewska"));
    // 1.50 × 99.99 = 149.985 is 149.99; 3 × 4.33 (the price as stored) is 12.99.
    setLine(expected, 1,
            {QStringLiteral("Przegląd zegara"), QStringLiteral("95.25"), QStringLiteral("usł."),
             QStringLiteral("   1.50"), QStringLiteral("   99.99"), QStringLiteral("   149.99")});
    setLine(expected, 2,
            {QStringLiteral("Wymiana paska"), QString(), QStringLiteral("szt."), QStringLiteral("   3.00"),
             QStringLiteral("    4.33"), QStringLiteral("    12.99")});
    setLine(expected, 3, {QStringLiteral("Dojazd gratis")});
    expectSameRecord(stored(8), expected);

    SettingsRecord numbers = numbering(QStringLiteral("8"), QStringLiteral("2026"));
    EXPECT_EQ(settings().bytes(), numbers.bytes());

    // The next copy is numbered after the one just stored, from the last document.
    const ProcessResult next = run({QStringLiteral("copy"), QStringLiteral("last")});
    ASSERT_EQ(next.exitCode, 0) << next.err.toStdString();
    EXPECT_EQ(next.out, QStringLiteral("Zapisano rachunek 9/2026 (pozycja 9).\n"));
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    expected.set(doc::DocNumber, QStringLiteral("9"));
    expected.set(doc::IssueDate, today);
    expected.set(doc::ServiceDate, today);
    expectSameRecord(stored(9), expected);
    numbers.set(settings::BillNumber, QStringLiteral("9"));
    EXPECT_EQ(settings().bytes(), numbers.bytes());
}

TEST_F(CliBillTest, CopyOfACashBillIsDueOnItsIssueDateAndWithoutAnExtensionHasNoSlash)
{
    writeFileBytes(paths().settingsFile(), numbering(QStringLiteral("41"), QString()).bytes());
    const ProcessResult result =
        run({QStringLiteral("copy"), QStringLiteral("2"), QStringLiteral("--date"), QStringLiteral("2026-04-01")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("Zapisano rachunek 42 (pozycja 8).\n"));
    const DocumentRecord bill = stored(8);
    EXPECT_EQ(bill.get(doc::PaymentMethod), QStringLiteral("Gotówka"));
    EXPECT_EQ(bill.get(doc::PaymentTerm), QStringLiteral("2026-04-01")); // "7 dni" in the source
    EXPECT_EQ(bill.get(doc::ServiceDate), QStringLiteral("2026-04-01"));
    EXPECT_EQ(bill.get(doc::NumberSuffix), QString());
    EXPECT_EQ(settings().get(settings::BillNumber), QStringLiteral("42"));
}

TEST_F(CliBillTest, CopyOfACorrectiveBillIsABillOfItsCorrectedLines)
{
    const DocumentRecord source = stored(3);
    ASSERT_TRUE(isCorrective(source));
    const ProcessResult result =
        run({QStringLiteral("copy"), QStringLiteral("3"), QStringLiteral("--date"), QStringLiteral("2026-03-10")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("Zapisano rachunek 8/2026 (pozycja 8).\n"));

    DocumentRecord expected = source;
    DocumentHead head = readHead(source);
    head.place = QStringLiteral("Kraków");
    head.issueDate = QStringLiteral("2026-03-10");
    head.number = QStringLiteral("8");
    head.numberSuffix = QStringLiteral("2026");
    head.paymentTerm = QStringLiteral("2026-03-10");
    head.serviceDate = QStringLiteral("2026-03-10");
    head.signature = QStringLiteral("Ewa Wiśniewska");
    writeHead(expected, head);
    expected.set(doc::DocKind, QStringLiteral("F"));
    expected.set(doc::CorrectedRef, QString());
    setLine(expected, 1,
            {QStringLiteral("Naprawa zegarka"), QString(), QStringLiteral("szt."), QStringLiteral("   1.00"),
             QStringLiteral("  100.00"), QStringLiteral("   100.00")});
    expectSameRecord(stored(8), expected);
    // Numbered in the bills' series; the corrections' series stays.
    EXPECT_EQ(settings().bytes(), numbering(QStringLiteral("8"), QStringLiteral("2026")).bytes());
}

TEST_F(CliBillTest, NewFromATemplateTakesTheTypedLinesAndTodaysDate)
{
    DocumentRecord tpl;
    tpl.set(doc::Place, QStringLiteral("Zakopane"));
    tpl.set(doc::IssueDate, QStringLiteral("2001-01-01"));
    tpl.set(doc::BuyerLine1, QStringLiteral("Schronisko Murowaniec"));
    tpl.set(doc::BuyerTaxId, QStringLiteral("736-000-00-01"));
    tpl.set(doc::PaymentMethod, QStringLiteral("Przelew"));
    tpl.set(doc::PaymentTerm, QStringLiteral("30 dni"));
    tpl.set(doc::Signature, QStringLiteral("Józef Gąsienica"));
    tpl.set(doc::DocKind, QStringLiteral("F"));
    for (int line = 1; line <= doc::Lines; ++line)
        setLine(tpl, line,
                {QStringLiteral("Pozycja szablonu %1").arg(line), QString(), QStringLiteral("szt."),
                 QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("10.00")});
    writeTemplate(QStringLiteral("Szablony/schronisko.sza"), tpl);

    const ProcessResult result =
        run({QStringLiteral("new"), QStringLiteral("--template"), QStringLiteral("schronisko.sza"),
             QStringLiteral("--line"), QStringLiteral("Serwis zegara;95.25;usł.;2;150,5"), QStringLiteral("--line"),
             QStringLiteral("Dojazd;;km;;")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("Zapisano rachunek 8/2026 (pozycja 8).\n"));

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    DocumentRecord expected = tpl;
    expected.set(doc::IssueDate, today);
    expected.set(doc::ServiceDate, today);
    expected.set(doc::DocNumber, QStringLiteral("8"));
    expected.set(doc::NumberSuffix, QStringLiteral("2026"));
    setLine(expected, 1,
            {QStringLiteral("Serwis zegara"), QStringLiteral("95.25"), QStringLiteral("usł."),
             QStringLiteral("   2.00"), QStringLiteral("  150.50"), QStringLiteral("   301.00")});
    setLine(expected, 2, {QStringLiteral("Dojazd"), QString(), QStringLiteral("km")});
    setLine(expected, 3, {});
    expectSameRecord(stored(8), expected);

    // The template's place and signature are the bill's, so the settings keep them.
    SettingsRecord numbers = numbering(QStringLiteral("8"), QStringLiteral("2026"));
    numbers.set(settings::Place, QStringLiteral("Zakopane"));
    numbers.set(settings::Signature, QStringLiteral("Józef Gąsienica"));
    EXPECT_EQ(settings().bytes(), numbers.bytes());
}

TEST_F(CliBillTest, NewWithoutLinesKeepsTheTemplatesFromAPathGivenFromTheCurrentFolder)
{
    DocumentRecord tpl;
    tpl.set(doc::BuyerLine1, QStringLiteral("Klub Sportowy"));
    tpl.set(doc::PaymentMethod, QStringLiteral("Gotówka"));
    tpl.set(doc::PaymentTerm, QStringLiteral("zaraz"));
    tpl.set(doc::DocKind, QStringLiteral("F"));
    setLine(tpl, 1,
            {QStringLiteral("Abonament"), QString(), QStringLiteral("mies."), QStringLiteral("1"),
             QStringLiteral("49,9"), QString()});
    writeTemplate(QStringLiteral("moje/klub.sza"), tpl);
    // A template of the same name in Szablony is not the one meant.
    writeTemplate(QStringLiteral("Szablony/klub.sza"), DocumentRecord());

    const ProcessResult result = run(
        {QStringLiteral("new"), QStringLiteral("--template"), QStringLiteral("moje/klub.sza"), QStringLiteral("--date"),
         QStringLiteral("2026-05-04"), QStringLiteral("--service-date"), QStringLiteral("2026-04-30")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();

    DocumentRecord expected = tpl;
    expected.set(doc::IssueDate, QStringLiteral("2026-05-04"));
    expected.set(doc::ServiceDate, QStringLiteral("2026-04-30"));
    expected.set(doc::PaymentTerm, QStringLiteral("2026-05-04"));
    expected.set(doc::DocNumber, QStringLiteral("8"));
    expected.set(doc::NumberSuffix, QStringLiteral("2026"));
    setLine(expected, 1,
            {QStringLiteral("Abonament"), QString(), QStringLiteral("mies."), QStringLiteral("   1.00"),
             QStringLiteral("   49.90"), QStringLiteral("    49.90")});
    expectSameRecord(stored(8), expected);
}

struct Refusal {
    const char* what;
    QStringList args;
    QString error; // a part of the one line on standard error
    std::function<void(const QString& folder)> prepare = {};
};

QString dropFinalStop(QString sentence)
{
    sentence.chop(1);
    return sentence;
}

void writeNumbering(const QString& folder, const QString& last, const QString& suffix)
{
    writeFileBytes(DataPaths(folder).settingsFile(), numbering(last, suffix).bytes());
}

const QString copy = QStringLiteral("copy");
const QString newBill = QStringLiteral("new");
const QString tpl = QStringLiteral("--template");
const QString line = QStringLiteral("--line");

const QList<Refusal> refusals = {
    Refusal{"PositionBeyondTheFile",
            {copy, QStringLiteral("99")},
            QStringLiteral("Nie ma dokumentu na pozycji 99 (pozycje od 1 do 7).")},
    Refusal{"OpeningRecord",
            {copy, QStringLiteral("1")},
            QStringLiteral("Na pozycji 1 jest początek bloczka rachunkowego, a nie rachunek; nie zapisano "
                           "rachunku.")},
    Refusal{"UnknownKind",
            {copy, QStringLiteral("6")},
            QStringLiteral("Dokument na pozycji 6 nie jest ani rachunkiem, ani rachunkiem korygującym (rodzaj "
                           "„X”); nie zapisano rachunku.")},
    Refusal{
        "NoNextNumber",
        {copy, QStringLiteral("2")},
        dropFinalStop(noNextNumberNotice(QStringLiteral("rachunku"), QStringLiteral("9999999999"))) +
            QStringLiteral("; nie zapisano rachunku."),
        [](const QString& folder) { writeNumbering(folder, QStringLiteral("9999999999"), QStringLiteral("2026")); }},
    Refusal{"ExtensionStartingWithASlash",
            {newBill, tpl, QStringLiteral("abo.sza")},
            QStringLiteral("Rozszerzenie numeru zaczyna się od „/”, a numer jest drukowany jako "
                           "numer/rozszerzenie (np. 1//2026); popraw rozszerzenie w ustawieniach numeracji; "
                           "nie zapisano rachunku."),
            [](const QString& folder) {
                writeNumbering(folder, QStringLiteral("7"), QStringLiteral("/2026"));
                DocumentRecord abo;
                abo.set(doc::DocKind, QStringLiteral("F"));
                writeTemplate(folder, QStringLiteral("Szablony/abo.sza"), abo);
            }},
    Refusal{"NumberAStoredBillHas",
            {copy, QStringLiteral("2")},
            numberTakenNotice(QStringLiteral("5/2009"), 7),
            [](const QString& folder) { writeNumbering(folder, QStringLiteral("4"), QStringLiteral("2009")); }},
    Refusal{"MissingSettings",
            {copy, QStringLiteral("2")},
            QStringLiteral("Brak pliku danych "),
            [](const QString& folder) { QFile::remove(DataPaths(folder).settingsFile()); }},
    Refusal{"MissingTemplate", {newBill, tpl, QStringLiteral("brak.sza")}, QStringLiteral("/Szablony/brak.sza: ")},
    Refusal{
        "ShortTemplate",
        {newBill, tpl, QStringLiteral("krótki.sza")},
        QStringLiteral("krótki.sza jest krótszy niż jeden rekord (3251 bajtów)."),
        [](const QString& folder) { writeFileBytes(folder + QStringLiteral("/krótki.sza"), QByteArray(3250, 'F')); }},
    Refusal{"NoTemplateGiven", {newBill}, QStringLiteral("Podaj plik szablonu po opcji --template")},
    Refusal{"ImpossibleDate",
            {copy, QStringLiteral("2"), QStringLiteral("--date"), QStringLiteral("2026-02-30")},
            QStringLiteral("Nieprawidłowa data „2026-02-30”: podaj ją jako RRRR-MM-DD, np. 2009-03-05.")},
    Refusal{"ShortServiceDate",
            {copy, QStringLiteral("2"), QStringLiteral("--service-date"), QStringLiteral("26-3-1")},
            QStringLiteral("Nieprawidłowa data „26-3-1”")},
    Refusal{"DateGivenTwice",
            {copy, QStringLiteral("2"), QStringLiteral("--date"), QStringLiteral("2026-01-01"),
             QStringLiteral("--date"), QStringLiteral("2026-01-02")},
            QStringLiteral("Opcję --date polecenia copy można podać tylko raz.")},
    Refusal{"DateWithoutValue",
            {copy, QStringLiteral("2"), QStringLiteral("--date")},
            QStringLiteral("Po opcji --date polecenia copy brakuje wartości")},
    Refusal{"LinesForACopy",
            {copy, QStringLiteral("2"), line, QStringLiteral("a;;;1;1")},
            QStringLiteral("Nieznana opcja „--line” polecenia copy")},
    Refusal{"LineOfFourFields",
            {newBill, tpl, QStringLiteral("abo.sza"), line, QStringLiteral("Serwis;;szt.;1")},
            QStringLiteral("Nieprawidłowy wiersz rachunku „Serwis;;szt.;1”: podaj pięć pól rozdzielonych "
                           "średnikami, NAZWA;PKWIU;JM;ILOŚĆ;CENA (podano pól: 4).")},
    Refusal{"QuantityWithText",
            {newBill, tpl, QStringLiteral("abo.sza"), line, QStringLiteral("Serwis;;szt.;1,5x;10")},
            QStringLiteral("Nieprawidłowa wartość „1,5x” w polu „Ilość” wiersza „Serwis;;szt.;1,5x;10”")},
    Refusal{"PriceWithoutDigits",
            {newBill, tpl, QStringLiteral("abo.sza"), line, QStringLiteral("Serwis;;szt.;1;dużo")},
            QStringLiteral("Nieprawidłowa wartość „dużo” w polu „Brutto”")},
    Refusal{"FourLines",
            {newBill, tpl, QStringLiteral("abo.sza"), line, QStringLiteral("a;;;1;1"), line, QStringLiteral("b;;;1;1"),
             line, QStringLiteral("c;;;1;1"), line, QStringLiteral("d;;;1;1")},
            QStringLiteral("Rachunek ma 3 wiersze, a opcję --line podano 4 razy.")},
    Refusal{"NameTooLong",
            {newBill, tpl, QStringLiteral("abo.sza"), line, QString(61, QLatin1Char('n')) + ";;;1;1"},
            QStringLiteral("Pole „Nazwa usługi” mieści najwyżej 60 znaków, a wpisano 61.")},
    Refusal{"UnitOutsideTheCodePage",
            {newBill, tpl, QStringLiteral("abo.sza"), line, QStringLiteral("Serwis;;ед.;1;1")},
            QStringLiteral("Pole „J.m” zawiera znak „е”, którego nie da się zapisać w pliku danych.")}};

TEST(CliBillRefusals, SayWhyInPolishAndWriteNothing)
{
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        QTemporaryDir folder;
        makeBillFolder(folder.path());
        if (refusal.prepare)
            refusal.prepare(folder.path());
        const QMap<QString, QByteArray> before = folderSnapshot(folder.path());
        const ProcessResult result = runKwitarnia(folder.path(), refusal.args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, QString());
        EXPECT_TRUE(result.err.contains(refusal.error)) << result.err.toStdString();
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
        EXPECT_EQ(folderSnapshot(folder.path()), before);
    }
}

TEST_F(CliBillTest, ADocumentFileAnotherProgramKeepsIsReportedAndNothingChanges)
{
    const DocumentLock held(paths().documentFile());
    ASSERT_TRUE(held.held());
    const QMap<QString, QByteArray> before = folderSnapshot(start());
    const ProcessResult result = run({QStringLiteral("copy"), QStringLiteral("2")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, QString());
    EXPECT_EQ(result.err, documentBusyNotice(paths().documentFile()) + QLatin1Char('\n'));
    EXPECT_EQ(folderSnapshot(start()), before);
}

// Copies started at once number from the same settings; whichever stores
// second finds its number taken and stores nothing, so no number is given
// twice however the runs interleave.
TEST_F(CliBillTest, CopiesStartedAtOnceNeverStoreOneNumberTwice)
{
    constexpr int runs = 6;
    std::vector<std::future<ProcessResult>> started;
    for (int i = 0; i < runs; ++i)
        started.push_back(std::async(std::launch::async, [this] { return run({copy, QStringLiteral("7")}); }));
    int storedRuns = 0;
    for (std::future<ProcessResult>& result : started) {
        const ProcessResult done = result.get();
        if (done.exitCode == 0) {
            ++storedRuns;
            EXPECT_TRUE(done.out.startsWith(QStringLiteral("Zapisano rachunek "))) << done.out.toStdString();
        } else {
            EXPECT_TRUE(done.err.contains(QStringLiteral("więc nowego nie zapisano")) ||
                        done.err.contains(documentBusyNotice(paths().documentFile())))
                << done.err.toStdString();
        }
    }
    EXPECT_GE(storedRuns, 1);
    ASSERT_EQ(storedCount(), 7 + storedRuns);
    std::set<QString> numbers;
    for (qint64 position = 8; position <= storedCount(); ++position)
        numbers.insert(stored(position).get(doc::DocNumber) + QLatin1Char('/') +
                       stored(position).get(doc::NumberSuffix));
    EXPECT_EQ(int(numbers.size()), storedRuns);
    EXPECT_EQ(settings().get(settings::BillNumber), QString::number(7 + storedRuns));
}

// A disk with no room at all for the lock file, and one with room for the
// lock file but not for the record.
TEST(CliBillFullDisk, IsReportedAndTheDataFilesStayAsTheyWere)
{
    const std::pair<qint64, QString> cases[] = {
        {0, QStringLiteral("Nie można założyć blokady pliku dokumentów ")},
        {4096, QStringLiteral("/Uslugi/dokumenty_r.dat: brak miejsca na dysku.")},
    };
    for (const auto& [room, error] : cases) {
        SCOPED_TRACE(room);
        SmallDisk disk(64);
        if (!disk.available())
            GTEST_SKIP() << "a small tmpfs cannot be mounted here";
        const QString folder = disk.path() + QStringLiteral("/dane");
        makeBillFolder(folder);
        const QString filler = disk.path() + QStringLiteral("/.zapełnienie");
        disk.fill(QFileInfo(filler).fileName());
        ASSERT_TRUE(QFile::resize(filler, QFileInfo(filler).size() - room));
        const QMap<QString, QByteArray> before = folderSnapshot(folder);

        const ProcessResult result = runKwitarnia(folder, {QStringLiteral("copy"), QStringLiteral("2")});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, QString());
        EXPECT_TRUE(result.err.contains(error)) << result.err.toStdString();
        EXPECT_EQ(folderSnapshot(folder), before);
    }
}

// The bill is in the document file when the settings cannot take its
// number: the error says so instead of inviting a second copy.
TEST_F(CliBillTest, SettingsThatCannotBeWrittenAfterStoringAreReportedWithTheStoredBill)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can run the program as a user the settings are closed to";
    constexpr UnixUser clerk{4201, 4201, 022};
    QTemporaryDir bin;
    const QString program = bin.filePath(QStringLiteral("kwitarnia"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KWITARNIA_BINARY), program));
    for (const QString& path : {bin.path(), program, start(), paths().folder() + QStringLiteral("/Admini")})
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(paths().settingsFile()).constData(), 0644), 0);
    for (const QString& path : {start() + QStringLiteral("/Uslugi"), paths().documentFile()})
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), clerk.uid, clerk.gid), 0);
    const QByteArray settingsBefore = readFileBytes(paths().settingsFile());

    const ProcessResult result = runKwitarniaAs(clerk, program, start(), {QStringLiteral("copy"), QStringLiteral("2")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, QString());
    EXPECT_TRUE(result.err.startsWith(
        QStringLiteral("Rachunek 8/2026 dopisano do pliku dokumentów (pozycja 8), ale zapisu nie dokończono: ")))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("rachunek.dat"))) << result.err.toStdString();
    EXPECT_EQ(storedCount(), 8);
    EXPECT_EQ(stored(8).get(doc::DocNumber), QStringLiteral("8"));
    EXPECT_EQ(readFileBytes(paths().settingsFile()), settingsBefore);
}

} // namespace
} // namespace kw
