#include "documents/payment_marks.h"
#include "tests/cli/cli_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/qt_printers.h"

#include <QDate>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <memory>

namespace kw {
namespace {

const QDate today = QDate::currentDate();

QString daysAgo(int days) { return today.addDays(-days).toString(Qt::ISODate); }

DocumentRecord transferBill(int number, int issuedDaysAgo, const QString& buyer, const QString& total,
                            const QString& term)
{
    DocumentRecord bill = cliBill(number, daysAgo(issuedDaysAgo), buyer, total);
    bill.set(doc::PaymentMethod, QStringLiteral("Przelew"));
    bill.set(doc::PaymentTerm, term);
    return bill;
}

// The sentinel, then:
//   2 bill 7/2009, issued 30 days ago, 14 days to pay: 16 days overdue
//   3 bill 8/2009, issued 2 days ago, 14 days to pay
//   4 bill 9/2009, paid in cash
//   5 corrective bill 1/K/2009 lowering 7/2009: nothing to pay
//   6 bill 10/2009 with a term nobody can read
class CliPaymentTest : public CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        writeCliDataFolder(start(),
                           {transferBill(7, 30, QStringLiteral("Jan Kowalski"), QStringLiteral("120.00"), "14 dni"),
                            transferBill(8, 2, QStringLiteral("Żaneta Łęcka"), QStringLiteral("35.50"), "14"),
                            cliBill(9, daysAgo(1), QStringLiteral("Firma ABC"), QStringLiteral("10.00")),
                            cliCorrectiveBill(1, daysAgo(1), QStringLiteral("Jan Kowalski"), QStringLiteral("7/2009"),
                                              QStringLiteral("120.00"), QStringLiteral("100.00")),
                            transferBill(10, 5, QStringLiteral("Zenon"), QStringLiteral("1.00"), "kiedyś")});
    }
    QString marksFile() const { return start() + QStringLiteral("/Uslugi/zaplaty.txt"); }
    QString lineOf7() const
    {
        return QStringLiteral("2: 7/2009 Jan Kowalski; 120,00 zł; termin 14 dni (do %1); po terminie 16 dni")
            .arg(daysAgo(16));
    }
    QString lineOf8() const
    {
        return QStringLiteral("3: 8/2009 Żaneta Łęcka; 35,50 zł; termin 14 (do %1)").arg(daysAgo(-12));
    }
    const QString lineOf10 = QStringLiteral("6: 10/2009 Zenon; 1,00 zł; termin kiedyś (data nieznana)");
};

TEST_F(CliPaymentTest, UnpaidListsWhatIsOwedByDueDateWithTheTotal)
{
    const ProcessResult all = run({QStringLiteral("unpaid")});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_EQ(
        all.outLines(),
        QStringList({lineOf7(), lineOf8(), lineOf10, QStringLiteral("Razem do zapłaty: 156,50 zł (rachunków: 3).")}));

    const ProcessResult overdue = run({QStringLiteral("unpaid"), QStringLiteral("--overdue")});
    EXPECT_EQ(overdue.exitCode, 0) << overdue.err.toStdString();
    EXPECT_EQ(overdue.outLines(),
              QStringList({lineOf7(), QStringLiteral("Razem do zapłaty: 120,00 zł (rachunków: 1).")}));
    EXPECT_FALSE(QFileInfo::exists(marksFile()));
}

TEST_F(CliPaymentTest, PaidMarksABillTodayOrOnADateAndUnpaidTakesItBack)
{
    const ProcessResult onDate = run({QStringLiteral("paid"), QStringLiteral("2"), QStringLiteral("2009-12-09")});
    EXPECT_EQ(onDate.exitCode, 0) << onDate.err.toStdString();
    EXPECT_EQ(onDate.out, QStringLiteral("Rachunek 7/2009 (pozycja 2) zapłacony 2009-12-09.\n"));
    const ProcessResult last = run({QStringLiteral("paid"), QStringLiteral("last")});
    EXPECT_EQ(last.out, QStringLiteral("Rachunek 10/2009 (pozycja 6) zapłacony %1.\n").arg(daysAgo(0)));
    EXPECT_EQ(run({QStringLiteral("unpaid")}).outLines(),
              QStringList({lineOf8(), QStringLiteral("Razem do zapłaty: 35,50 zł (rachunków: 1).")}));

    const ProcessResult undone = run({QStringLiteral("paid"), QStringLiteral("2"), QStringLiteral("--unpaid")});
    EXPECT_EQ(undone.out, QStringLiteral("Rachunek 7/2009 (pozycja 2) nie jest zapłacony.\n"));
    // Cash counts as paid until marked unpaid; then it is due on its issue date.
    run({QStringLiteral("paid"), QStringLiteral("4"), QStringLiteral("--unpaid")});
    EXPECT_EQ(run({QStringLiteral("unpaid")}).outLines(),
              QStringList({lineOf7(),
                           QStringLiteral("4: 9/2009 Firma ABC; 10,00 zł; termin 7 dni (do %1); po "
                                          "terminie 1 dzień")
                               .arg(daysAgo(1)),
                           lineOf8(), QStringLiteral("Razem do zapłaty: 165,50 zł (rachunków: 3).")}));
    EXPECT_EQ(QString::fromUtf8(readFileBytes(marksFile())),
              QStringLiteral("Kwitarnia: zapłaty rachunków, wersja 1\nF\t10\t2009\t%1\t%2\nF\t9\t2009\t%3\tnie\n")
                  .arg(daysAgo(5), daysAgo(0), daysAgo(1)));
}

TEST_F(CliPaymentTest, NothingUnpaidIsNoError)
{
    for (const char* position : {"2", "3", "6"})
        ASSERT_EQ(run({QStringLiteral("paid"), QString::fromLatin1(position)}).exitCode, 0);
    const ProcessResult none = run({QStringLiteral("unpaid")});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, QStringLiteral("Brak nieopłaconych rachunków.\n"));
    const ProcessResult noneLate = run({QStringLiteral("unpaid"), QStringLiteral("--overdue")});
    EXPECT_EQ(noneLate.exitCode, 0);
    EXPECT_EQ(noneLate.out, QStringLiteral("Brak rachunków po terminie.\n"));
}

TEST_F(CliPaymentTest, RefusalsWriteNoMarks)
{
    const struct {
        QStringList args;
        const char* error;
    } cases[] = {
        {{"paid", "1"}, "Na pozycji 1 jest początek bloczka rachunkowego, a nie rachunek; nie oznaczono zapłaty."},
        {{"paid", "99"}, "99"},
        {{"paid", "2", "2009-02-30"}, "Nieprawidłowa data „2009-02-30”"},
        {{"paid", "2", "2009-12-01", "--unpaid"}, "nie obie naraz"},
        {{"paid"}, "Nieprawidłowe wywołanie polecenia paid"},
        {{"paid", "2", "--overdue"}, "Nieznana opcja „--overdue”"},
        {{"unpaid", "2"}, "Nieprawidłowe wywołanie polecenia unpaid"},
        {{"unpaid", "--xlsx"}, "Podaj plik arkusza po opcji --xlsx"},
    };
    for (const auto& c : cases) {
        const ProcessResult result = run(c.args);
        EXPECT_EQ(result.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.error))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(marksFile()));
}

TEST_F(CliPaymentTest, ABrokenMarksFileIsReportedWithItsLine)
{
    writeFileBytes(marksFile(),
                   "Kwitarnia: zap\xc5\x82"
                   "aty rachunk\xc3\xb3w, wersja 1\nF\t7\t2009\n");
    for (const QStringList& args : {QStringList{"unpaid"}, QStringList{"paid", "2"}, QStringList{"list", "--csv"}}) {
        const ProcessResult result = run(args);
        EXPECT_EQ(result.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("Plik zapłat %1 jest uszkodzony (wiersz 2)").arg(marksFile())))
            << result.err.toStdString();
    }
}

TEST_F(CliPaymentTest, UnpaidAndListExportThePaymentColumns)
{
    run({QStringLiteral("paid"), QStringLiteral("3"), QStringLiteral("2009-12-09")});
    const ProcessResult csv = run({QStringLiteral("unpaid"), QStringLiteral("--csv")});
    EXPECT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    EXPECT_EQ(csv.out,
              QStringLiteral("Pozycja;Numer;Nabywca;Kwota;Termin płatności;Płatny do;Dni po terminie\r\n"
                             "2;7/2009;Jan Kowalski;120,00;14 dni;%1;16\r\n"
                             "6;10/2009;Zenon;1,00;kiedyś;;0\r\n")
                  .arg(daysAgo(16)));

    const ProcessResult list = run({QStringLiteral("list"), QStringLiteral("--csv")});
    QStringList lines = list.out.split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(";Do zapłaty;Zapłacono;Płatny do"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(";120,00;;%1").arg(daysAgo(16)))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(";35,50;2009-12-09;%1").arg(daysAgo(-12)))) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral(";10,00;%1;%1").arg(daysAgo(1)))) << lines[3].toStdString();
    EXPECT_TRUE(lines[5].endsWith(QStringLiteral(";1,00;;"))) << lines[5].toStdString();
}

TEST_F(CliPaymentTest, ExportsReplaceTheirOwnFilesAndListsOfTheEarlierLayout)
{
    QTemporaryDir out;
    const QString file = out.filePath(QStringLiteral("należności.csv"));
    ASSERT_EQ(run({QStringLiteral("unpaid"), QStringLiteral("--csv"), file}).exitCode, 0);
    const ProcessResult again =
        run({QStringLiteral("unpaid"), QStringLiteral("--overdue"), QStringLiteral("--csv"), file});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, QStringLiteral("Zapisano plik %1 (wierszy: 2).\n").arg(file));

    // A list exported before the payment columns existed.
    const QString earlier = out.filePath(QStringLiteral("lista.csv"));
    const QByteArray earlierHead =
        "\xEF\xBB\xBFPozycja;Rodzaj;Numer;Rozszerzenie;Data wystawienia;Nabywca 1;Nabywca 2;Nabywca 3;Nabywca 4;"
        "NIP nabywcy;Forma zap\xC5\x82"
        "aty;Termin p\xC5\x82"
        "atno\xC5\x9B"
        "ci;Nazwa 1;PKWiU 1;J.m. 1;Ilo\xC5\x9B"
        "\xC4\x87"
        " 1;Cena 1;Razem 1;Nazwa 2;PKWiU 2;J.m. 2;Ilo\xC5\x9B\xC4\x87 2;Cena 2;Razem 2;Nazwa 3;PKWiU 3;J.m. 3;"
        "Ilo\xC5\x9B\xC4\x87 3;Cena 3;Razem 3;Do zap\xC5\x82"
        "aty\r\n";
    writeFileBytes(earlier, earlierHead + "2;F;7;2009\r\n");
    const ProcessResult list = run({QStringLiteral("list"), QStringLiteral("--csv"), earlier});
    EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_TRUE(readFileBytes(earlier).contains("Zap\xC5\x82"
                                                "acono"));

    // Anything else is left alone.
    const QString statement = out.filePath(QStringLiteral("wyciąg.csv"));
    writeFileBytes(statement, "Data;Kwota\r\n");
    EXPECT_EQ(run({QStringLiteral("unpaid"), QStringLiteral("--csv"), statement}).exitCode, 1);
    EXPECT_EQ(readFileBytes(statement), QByteArray("Data;Kwota\r\n"));
}

// Each run either marks its bill or, when the others keep the document lock
// past its wait, says so and marks nothing; no run undoes another's mark.
TEST_F(CliPaymentTest, PaidRunsAtOnceLoseNoMark)
{
    QList<DocumentRecord> bills;
    for (int n = 1; n <= 10; ++n)
        bills.append(transferBill(n, 3, QStringLiteral("Klient %1").arg(n), QStringLiteral("5.00"), "7 dni"));
    writeCliDataFolder(start(), bills);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.remove(QStringLiteral("DISPLAY"));
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int position = 2; position <= 11; ++position) {
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->setProcessEnvironment(env);
        runs.back()->setWorkingDirectory(start());
        runs.back()->start(QStringLiteral(KWITARNIA_BINARY), {QStringLiteral("paid"), QString::number(position)});
    }
    QStringList marked;
    for (size_t i = 0; i < runs.size(); ++i) {
        QProcess& process = *runs[i];
        ASSERT_TRUE(process.waitForFinished(120000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        if (process.exitCode() == 0)
            marked << QStringLiteral("F\t%1\t2009\t").arg(i + 1);
        else
            EXPECT_TRUE(err.startsWith(QStringLiteral("Plik dokumentów jest właśnie używany"))) << err.toStdString();
    }
    EXPECT_FALSE(marked.isEmpty());
    const QStringList lines = QString::fromUtf8(readFileBytes(marksFile())).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), marked.size() + 1);
    for (const QString& mark : marked)
        EXPECT_EQ(lines.filter(mark).size(), 1) << mark.toStdString();
    const ProcessResult left = run({QStringLiteral("unpaid")});
    EXPECT_TRUE(left.out.endsWith(QStringLiteral("(rachunków: %1).\n").arg(10 - marked.size())) ||
                (marked.size() == 10 && left.out == QStringLiteral("Brak nieopłaconych rachunków.\n")))
        << left.out.toStdString();
}

TEST_F(CliPaymentTest, ABackupTakesTheMarksAndARestoreGivesThemBack)
{
    ASSERT_EQ(run({QStringLiteral("paid"), QStringLiteral("2"), QStringLiteral("2009-12-09")}).exitCode, 0);
    const QByteArray marks = readFileBytes(marksFile());
    QTemporaryDir out;
    const QString zip = out.filePath(QStringLiteral("kopia.zip"));
    const QString restored = out.filePath(QStringLiteral("odtworzony"));
    ASSERT_EQ(run({QStringLiteral("backup"), zip}).exitCode, 0);
    const ProcessResult restore = run({QStringLiteral("restore"), zip, restored});
    ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString();
    EXPECT_EQ(readFileBytes(restored + QStringLiteral("/Uslugi/zaplaty.txt")), marks);
    const ProcessResult unpaid = runKwitarnia(restored, {QStringLiteral("unpaid")});
    EXPECT_EQ(unpaid.outLines().first(), lineOf8());
}

} // namespace
} // namespace kw
