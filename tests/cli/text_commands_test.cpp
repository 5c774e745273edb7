#include "tests/cli/cli_fixture.h"

#include <QFile>

namespace kw {
namespace {

const QStringList storedList = {
    QStringLiteral("1: F 0/2009-03-01 Początek bloczka rachunkowego"),
    QStringLiteral("2: F 7/2009 Jan Kowalski"),
    QStringLiteral("3: K 1/K/2009 Jan Kowalski"),
    QStringLiteral("4: F 8/2009 Żaneta Łęcka"),
    QStringLiteral("5: F 9/2009 Firma ABC"),
    QStringLiteral("6: X 10/2009 Nieznany"),
};

void expectSuccess(const ProcessResult& result)
{
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
}

TEST_F(CliTest, ListNumbersEveryStoredDocumentByPosition)
{
    const ProcessResult result = run({QStringLiteral("list")});
    expectSuccess(result);
    EXPECT_EQ(result.outLines(), storedList);
}

TEST_F(CliTest, ListSkipsATornTail)
{
    QFile file(start() + QStringLiteral("/Uslugi/dokumenty_r.dat"));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(100, 'x'));
    file.close();

    const ProcessResult result = run({QStringLiteral("list")});
    expectSuccess(result);
    EXPECT_EQ(result.outLines(), storedList);
}

// The location file in the start folder decides where the data lie.
TEST_F(CliTest, ListReadsTheFolderTheLocationFileNames)
{
    QTemporaryDir local;
    QTemporaryDir network;
    makeDataFolder(local.path());
    makeDataFolder(network.path());
    writeCliDataFolder(local.path(),
                       {cliBill(1, QStringLiteral("2009-01-02"), QStringLiteral("Lokalny"), QStringLiteral("1"))});
    writeCliDataFolder(network.path(),
                       {cliBill(2, QStringLiteral("2009-01-02"), QStringLiteral("Sieciowy"), QStringLiteral("1"))});

    struct Case {
        quint8 mode;
        QString secondLine;
    };
    for (const Case& c : {Case{1, QStringLiteral("2: F 1/2009 Lokalny")},
                          Case{2, QStringLiteral("2: F 2/2009 Sieciowy")}, Case{3, storedList[1]}}) {
        writeLocationFile(start(), c.mode, local.path(), network.path());
        const ProcessResult result = run({QStringLiteral("list")});
        expectSuccess(result);
        EXPECT_EQ(result.outLines().value(1), c.secondLine) << "mode " << int(c.mode);
    }
}

TEST_F(CliTest, SummaryShowsThePanelsLinesForEveryClient)
{
    const ProcessResult result = run({QStringLiteral("summary"), QStringLiteral("2009")});
    expectSuccess(result);
    // March: 120.00, the correction's -20.00 and 10.00; April: 35.50. The
    // record of an unknown kind counts nowhere.
    EXPECT_EQ(result.outLines(),
              QStringList({
                  QStringLiteral("Podliczenie dokumentów dla wszystkich klientów"),
                  QStringLiteral("Styczeń             0.00 PLN"),
                  QStringLiteral("Luty                0.00 PLN"),
                  QStringLiteral("Marzec            110.00 PLN"),
                  QStringLiteral("Kwiecień           35.50 PLN"),
                  QStringLiteral("Maj                 0.00 PLN"),
                  QStringLiteral("Czerwiec            0.00 PLN"),
                  QStringLiteral("Lipiec              0.00 PLN"),
                  QStringLiteral("Sierpień            0.00 PLN"),
                  QStringLiteral("Wrzesień            0.00 PLN"),
                  QStringLiteral("Październik         0.00 PLN"),
                  QStringLiteral("Listopad            0.00 PLN"),
                  QStringLiteral("Grudzień            0.00 PLN"),
                  QStringLiteral("                  110.00 PLN = 100%"),
              }));
}

TEST_F(CliTest, SummaryForOneClientNamesIt)
{
    const ProcessResult result = run({QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("Kowalski")});
    expectSuccess(result);
    const QStringList lines = result.outLines();
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QStringLiteral("Podliczenie dokumentów dla wybranego klienta"));
    EXPECT_EQ(lines[1], QStringLiteral("Kowalski"));
    EXPECT_EQ(lines[4], QStringLiteral("Marzec            100.00 PLN"));
    EXPECT_EQ(lines[5], QStringLiteral("Kwiecień            0.00 PLN"));
    EXPECT_EQ(lines[14], QStringLiteral("                  100.00 PLN = 100%"));
}

// A line break in a stored name must not forge list entries, nor an escape
// sequence reach the terminal.
TEST_F(CliTest, ControlCharactersFromTheDataArePrintedAsQuestionMarks)
{
    writeCliDataFolder(start(),
                       {cliBill(7, QStringLiteral("2009-03-05"),
                                QStringLiteral("Jan\n2: F 99/2009 Fałszywy\x1b[2J\x7f\t"), QStringLiteral("120.00"))});
    const ProcessResult list = run({QStringLiteral("list")});
    expectSuccess(list);
    EXPECT_EQ(list.outLines(),
              QStringList({storedList[0], QStringLiteral("2: F 7/2009 Jan?2: F 99/2009 Fałszywy?[2J??")}));

    const ProcessResult summary =
        run({QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("Fałszywy\x1b[2J")});
    expectSuccess(summary);
    EXPECT_EQ(summary.outLines().size(), 15);
    EXPECT_EQ(summary.outLines().value(1), QStringLiteral("Fałszywy?[2J"));
}

// The same number of lines whatever the data, so a script can rely on it.
TEST_F(CliTest, SummaryOfAYearWithoutDocumentsKeepsItsShape)
{
    const ProcessResult result = run({QStringLiteral("summary"), QStringLiteral("2010")});
    expectSuccess(result);
    const QStringList lines = result.outLines();
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[0], QStringLiteral("Podliczenie dokumentów dla wszystkich klientów"));
    EXPECT_EQ(lines[1], QStringLiteral("Styczeń             0.00 PLN"));
    EXPECT_EQ(lines[13], QStringLiteral("                    0.00 PLN = 100%"));

    const ProcessResult client = run({QStringLiteral("summary"), QStringLiteral("2010"), QStringLiteral("Nikt")});
    expectSuccess(client);
    ASSERT_EQ(client.outLines().size(), 15);
    EXPECT_EQ(client.outLines()[1], QStringLiteral("Nikt"));
}

// A mistyped command is reported, never taken for the window's start; "--"
// ends the options, so a negative amount can follow it.
TEST(CliArguments, UnknownCommandsAndOptionsAreReportedAndDoubleDashEndsOptions)
{
    QTemporaryDir empty;
    struct Case {
        QStringList args;
        int exitCode;
        QString output;
    };
    const QList<Case> cases = {
        {{QStringLiteral("lsit")}, 1, QStringLiteral("Nieznane polecenie „lsit”. Polecenia: list, summary, pdf")},
        {{QStringLiteral("Rachunek.pdf")}, 1, QStringLiteral("Nieznane polecenie „Rachunek.pdf”")},
        {{QStringLiteral("list"), QStringLiteral("--cvs")}, 1, QStringLiteral("Nieznana opcja „--cvs” polecenia list")},
        {{QStringLiteral("words"), QStringLiteral("--"), QStringLiteral("-5")},
         0,
         QStringLiteral("Słownie :   minus pięć złotych")},
        {{QStringLiteral("words"), QStringLiteral("-5")}, 0, QStringLiteral("Słownie :   minus pięć złotych")},
        {{QStringLiteral("words"), QStringLiteral("--"), QStringLiteral("--5")},
         1,
         QStringLiteral("Nieprawidłowa kwota „--5”")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const ProcessResult result = runKwitarnia(empty.path(), c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err.toStdString();
        EXPECT_TRUE((c.exitCode == 0 ? result.out : result.err).startsWith(c.output))
            << result.out.toStdString() << result.err.toStdString();
        if (c.exitCode != 0) {
            EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1);
        }
    }
}

TEST(CliWords, SayTheAmountAsThePrintoutDoes)
{
    QTemporaryDir empty;
    struct Case {
        QString amount;
        QString line;
    };
    for (const Case& c : {
             Case{QStringLiteral("12,5"), QStringLiteral("Słownie :    dwanaście złotych pięćdziesiąt  groszy")},
             Case{QStringLiteral("12.50"), QStringLiteral("Słownie :    dwanaście złotych pięćdziesiąt  groszy")},
             Case{QStringLiteral("-20"), QStringLiteral("Słownie :   minus dwadzieścia  złotych ")},
             Case{QStringLiteral("2147483647.99"),
                  QStringLiteral("Słownie :    dwa miliardy sto czterdzieści siedem milionów czterysta "
                                 "osiemdziesiąt trzy tysiące sześćset czterdzieści siedem złotych "
                                 "dziewięćdziesiąt dziewięć groszy")},
             Case{QStringLiteral("22"), QStringLiteral("Słownie :    dwadzieścia dwa złote ")},
             // Half a grosz rounds away from zero, read as the decimal typed.
             Case{QStringLiteral("149,985"),
                  QStringLiteral("Słownie :    sto czterdzieści dziewięć złotych dziewięćdziesiąt dziewięć groszy")},
             Case{QStringLiteral("2.675"), QStringLiteral("Słownie :    dwa złote sześćdziesiąt osiem groszy")},
             Case{QStringLiteral("-0,015"), QStringLiteral("Słownie :   minus  dwa grosze")},
         }) {
        const ProcessResult result = runKwitarnia(empty.path(), {QStringLiteral("words"), c.amount});
        expectSuccess(result);
        EXPECT_EQ(result.out, c.line + QLatin1Char('\n')) << c.amount.toStdString();
    }
}

TEST(CliHelp, HelpNamesEveryCommandAndVersionTheProgram)
{
    QTemporaryDir empty;
    const ProcessResult help = runKwitarnia(empty.path(), {QStringLiteral("--help")});
    expectSuccess(help);
    for (const char* command :
         {"kwitarnia list", "kwitarnia summary ROK [KLIENT]", "kwitarnia pdf POZYCJA|last PLIK.pdf",
          "kwitarnia pdf --month RRRR-MM PLIK.pdf", "kwitarnia words KWOTA"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(command))) << command;
    // Every reader finishes a save the window left unfinished; the help must
    // not promise that no data file changes.
    EXPECT_FALSE(help.out.contains(QStringLiteral("nie zmieniają"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("Uslugi/dokumenty_r.jrn"))) << help.out.toStdString();

    const ProcessResult version = runKwitarnia(empty.path(), {QStringLiteral("--version")});
    expectSuccess(version);
    EXPECT_EQ(version.out, QStringLiteral("kwitarnia " KWITARNIA_VERSION "\n"));
}

} // namespace
} // namespace kw
