#include "tests/cli/cli_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_program.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace kw {
namespace {

using Table = QList<QStringList>;

// The rows of a CSV file as Python's csv module reads it, the way
// spreadsheets do: semicolons, RFC 4180 quotes, the UTF-8 mark stripped.
Table readWithPython(const QString& csvFile)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f, delimiter=';'))))"),
                  csvFile});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    Table rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList cells;
        for (const QJsonValue& cell : row.toArray())
            cells.append(cell.toString());
        rows.append(cells);
    }
    return rows;
}

class CliExportTest : public CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_TRUE(out_.isValid());
    }

    // Runs the command into `name` in the output folder and returns its rows.
    Table csvOf(QStringList args, const char* name)
    {
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            return {};
        const QString file = out_.filePath(QString::fromLatin1(name));
        args << file;
        const ProcessResult result = run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.out.startsWith(QStringLiteral("Zapisano plik ") + file)) << result.out.toStdString();
        EXPECT_TRUE(readFileBytesIfAny(file).startsWith("\xEF\xBB\xBF"));
        return readWithPython(file);
    }

    QTemporaryDir out_;
};

TEST_F(CliExportTest, ListCsvHoldsEveryBillWithPolishLettersAndDecimalCommas)
{
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        GTEST_SKIP() << "python3 is not installed; the CSV is not read back";
    const Table rows = csvOf({QStringLiteral("list"), QStringLiteral("--csv")}, "lista.csv");
    // The header, then positions 2 to 5: the opening record and the record
    // of an unknown kind are no bills.
    ASSERT_EQ(rows.size(), 5);
    for (const QStringList& row : rows)
        EXPECT_EQ(row.size(), 33);
    EXPECT_EQ(rows[0].mid(0, 5),
              QStringList({QStringLiteral("Pozycja"), QStringLiteral("Rodzaj"), QStringLiteral("Numer"),
                           QStringLiteral("Rozszerzenie"), QStringLiteral("Data wystawienia")}));
    EXPECT_EQ(rows[0].mid(30),
              QStringList({QStringLiteral("Do zapłaty"), QStringLiteral("Zapłacono"), QStringLiteral("Płatny do")}));
    EXPECT_EQ(rows[1].mid(0, 6),
              QStringList({QStringLiteral("2"), QStringLiteral("F"), QStringLiteral("7"), QStringLiteral("2009"),
                           QStringLiteral("2009-03-05"), QStringLiteral("Jan Kowalski")}));
    EXPECT_EQ(rows[1][10], QStringLiteral("Gotówka"));
    EXPECT_EQ(rows[1].mid(12, 6),
              QStringList({QStringLiteral("Naprawa zegarka"), QString(), QStringLiteral("szt."), QStringLiteral("1,00"),
                           QStringLiteral("120,00"), QStringLiteral("120,00")}));
    EXPECT_EQ(rows[1][30], QStringLiteral("120,00"));
    // The corrective bill: its corrected line and the change it makes.
    EXPECT_EQ(rows[2][1], QStringLiteral("K"));
    EXPECT_EQ(rows[2][17], QStringLiteral("100,00"));
    EXPECT_EQ(rows[2][30], QStringLiteral("-20,00"));
    EXPECT_EQ(rows[3][5], QStringLiteral("Żaneta Łęcka"));
    EXPECT_EQ(rows[3][6], QStringLiteral("ul. Długa 5"));
}

TEST_F(CliExportTest, SummaryCsvHasAMonthPerRow)
{
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        GTEST_SKIP() << "python3 is not installed; the CSV is not read back";
    const Table rows = csvOf({QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("--csv")}, "rok.csv");
    ASSERT_EQ(rows.size(), 13);
    EXPECT_EQ(rows[0], QStringList({QStringLiteral("Miesiąc"), QStringLiteral("Kwota")}));
    EXPECT_EQ(rows[3], QStringList({QStringLiteral("Marzec"), QStringLiteral("110,00")}));
    EXPECT_EQ(rows[4], QStringList({QStringLiteral("Kwiecień"), QStringLiteral("35,50")}));
    EXPECT_EQ(rows[12], QStringList({QStringLiteral("Grudzień"), QStringLiteral("0,00")}));
}

// Half a grosz rounds away from zero in the month totals and in what a
// document pays, whatever binary fractions would make of it.
TEST_F(CliExportTest, CsvAmountsRoundHalfAGroszAwayFromZero)
{
    writeCliDataFolder(
        start(),
        {cliBill(7, QStringLiteral("2009-05-05"), QStringLiteral("Jan Kowalski"), QStringLiteral("149.985")),
         cliCorrectiveBill(1, QStringLiteral("2009-06-20"), QStringLiteral("Jan Kowalski"), QStringLiteral("7/2009"),
                           QStringLiteral("20.005"), QString())});
    const ProcessResult summary = run({QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("--csv")});
    EXPECT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    EXPECT_TRUE(summary.out.contains(QStringLiteral("\r\nMaj;149,99\r\nCzerwiec;-20,01\r\n")))
        << summary.out.toStdString();
    const ProcessResult list = run({QStringLiteral("list"), QStringLiteral("--csv")});
    EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
    // Cash: paid and due on the issue date.
    EXPECT_TRUE(list.out.contains(QStringLiteral(";149,99;2009-05-05;2009-05-05\r\n"))) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral(";-20,01;2009-06-20;2009-06-20\r\n"))) << list.out.toStdString();
}

TEST_F(CliExportTest, CsvWithoutAFileGoesToStandardOutput)
{
    const ProcessResult result =
        run({QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("Łęcka"), QStringLiteral("--csv")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("Miesiąc;Kwota\r\nStyczeń;0,00\r\n"))) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("\r\nKwiecień;35,50\r\n")));
}

TEST_F(CliExportTest, BackupUnpacksToTheDataFolderByteForByte)
{
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        GTEST_SKIP() << "unzip is not installed; the backup is not unpacked";
    writePrintFontFile(start(), QStringLiteral("Arial"), 10);
    QDir(start()).mkpath(QStringLiteral("Szablony/stare"));
    QFile sza(start() + QStringLiteral("/Szablony/stare/strzyżenie.sza"));
    ASSERT_TRUE(sza.open(QIODevice::WriteOnly));
    sza.write(QByteArray(3251, '\x01'));
    sza.close();

    const QString zip = out_.filePath(QStringLiteral("kopia.zip"));
    const ProcessResult result = run({QStringLiteral("backup"), zip});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QMap<QString, QByteArray> data = folderSnapshot(start());
    const qsizetype files = std::count_if(data.keyBegin(), data.keyEnd(),
                                          [](const QString& path) { return !path.endsWith(QLatin1Char('/')); });
    EXPECT_EQ(result.out, QStringLiteral("Zapisano kopię zapasową %1 (plików: %2).\n").arg(zip).arg(files));

    QTemporaryDir restored;
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-q"), zip, QStringLiteral("-d"), restored.path()});
    ASSERT_TRUE(unzip.waitForFinished(60000));
    ASSERT_EQ(unzip.exitCode(), 0) << unzip.readAllStandardError().toStdString();
    EXPECT_EQ(folderSnapshot(restored.path()), data);
}

TEST_F(CliExportTest, MailStartsTheComposerWithTheBillAttached)
{
    // A stand-in for xdg-email that writes down its arguments, one a line.
    QTemporaryDir bin;
    const QString log = bin.filePath(QStringLiteral("wywołanie.txt"));
    ASSERT_TRUE(writeRecordingProgram(bin.path(), QStringLiteral("xdg-email"), log));
    const QStringList path = {QStringLiteral("PATH=%1:/usr/bin:/bin").arg(bin.path())};

    const ProcessResult result =
        runKwitarnia(start(), {QStringLiteral("mail"), QStringLiteral("3"), QStringLiteral("jan@example.com")}, path);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    for (int i = 0; i < 100 && !QFile::exists(log); ++i)
        QThread::msleep(50);
    const QStringList args = QString::fromUtf8(readFileBytesIfAny(log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(args.size(), 5) << args.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(args[0], QStringLiteral("--subject"));
    EXPECT_EQ(args[1], QStringLiteral("Rachunek korygujący 1/K/2009"));
    EXPECT_EQ(args[2], QStringLiteral("--attach"));
    EXPECT_TRUE(args[3].endsWith(QStringLiteral("/Rachunek korygujący 1-K-2009.pdf"))) << args[3].toStdString();
    EXPECT_TRUE(readFileBytesIfAny(args[3]).startsWith("%PDF-"));
    EXPECT_EQ(args[4], QStringLiteral("jan@example.com"));
    EXPECT_EQ(result.out, QStringLiteral("Otwarto program pocztowy z załącznikiem %1.\n").arg(args[3]));
    QDir(QFileInfo(args[3]).absolutePath()).removeRecursively();

    // No composer, or an address the composer would take for an option.
    const ProcessResult missing =
        runKwitarnia(start(), {QStringLiteral("mail"), QStringLiteral("last")}, {QStringLiteral("PATH=/nonexistent")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("Nie znaleziono programu xdg-email")))
        << missing.err.toStdString();
    const ProcessResult option = runKwitarnia(
        start(), {QStringLiteral("mail"), QStringLiteral("2"), QStringLiteral("--"), QStringLiteral("--utf8")}, path);
    EXPECT_EQ(option.exitCode, 1);
    EXPECT_TRUE(option.err.startsWith(QStringLiteral("Nieprawidłowy adres e-mail"))) << option.err.toStdString();
}

} // namespace
} // namespace kw
