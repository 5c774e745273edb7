#include "tests/cli/cli_fixture.h"

#include <QFile>

namespace kw {
namespace {

const QString standardFinding = QStringLiteral("numer 9/2009 (pozycja 5, 2009-03-31) ma wcześniejszą datę wystawienia "
                                               "niż numer 8/2009 (pozycja 4, 2009-04-02)");

// The findings go to standard output, line by line, and set the exit code;
// standard error stays for errors.
TEST_F(CliTest, CheckListsTheFindingsAndExitsWithOne)
{
    const ProcessResult result = run({QStringLiteral("check")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, QString());
    EXPECT_EQ(result.outLines(), QStringList{standardFinding});
}

TEST_F(CliTest, CheckOfACleanNumberingExitsWithZero)
{
    writeCliDataFolder(start(),
                       {cliBill(1, QStringLiteral("2009-01-02"), QStringLiteral("A"), QStringLiteral("1.00")),
                        cliBill(2, QStringLiteral("2009-01-03"), QStringLiteral("B"), QStringLiteral("1.00")),
                        cliCorrectiveBill(1, QStringLiteral("2009-01-04"), QStringLiteral("B"),
                                          QStringLiteral("2/2009"), QStringLiteral("1.00"), QStringLiteral("0.50"))});
    const ProcessResult result = run({QStringLiteral("check")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err, QString());
    EXPECT_EQ(result.outLines(), QStringList{QStringLiteral("Numeracja bez zastrzeżeń.")});
}

TEST_F(CliTest, CheckOfAYearSeesOnlyThatYear)
{
    writeCliDataFolder(start(),
                       {cliBill(1, QStringLiteral("2009-01-02"), QStringLiteral("A"), QStringLiteral("1.00")),
                        cliBill(3, QStringLiteral("2009-01-03"), QStringLiteral("B"), QStringLiteral("1.00")),
                        cliBill(3, QStringLiteral("2010-01-03"), QStringLiteral("C"), QStringLiteral("1.00")),
                        cliCorrectiveBill(1, QStringLiteral("2010-01-04"), QStringLiteral("C"),
                                          QStringLiteral("5/2009"), QStringLiteral("1.00"), QStringLiteral("0.50"))});
    struct Case {
        QStringList args;
        int exitCode;
        QStringList lines;
    };
    const QString gap = QStringLiteral("brak numeru 2/2009");
    const QString duplicate = QStringLiteral("numer 3/2009 dwa razy: pozycje 3 i 4");
    const QString missing = QStringLiteral(
        "rachunek korygujący 1/K/2009 (pozycja 5) koryguje rachunek 5/2009, którego nie ma w pliku dokumentów");
    const Case cases[] = {
        {{QStringLiteral("check")}, 1, {gap, duplicate, missing}},
        {{QStringLiteral("check"), QStringLiteral("2009")}, 1, {gap}},
        {{QStringLiteral("check"), QStringLiteral("2010")}, 1, {missing}},
        {{QStringLiteral("check"), QStringLiteral("2011")}, 0, {QStringLiteral("Numeracja bez zastrzeżeń.")}},
    };
    for (const Case& c : cases) {
        const ProcessResult result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_EQ(result.outLines(), c.lines) << c.args.join(' ').toStdString();
    }
}

TEST_F(CliTest, CheckRefusesWhatItCannotCheck)
{
    struct Case {
        QStringList args;
        QString error;
    };
    const Case cases[] = {
        {{QStringLiteral("check"), QStringLiteral("09")}, QStringLiteral("Nieprawidłowy rok „09”")},
        {{QStringLiteral("check"), QStringLiteral("2009"), QStringLiteral("2010")},
         QStringLiteral("Nieprawidłowe wywołanie polecenia check")},
        {{QStringLiteral("check"), QStringLiteral("--csv")}, QStringLiteral("Nieznana opcja „--csv” polecenia check")},
    };
    for (const Case& c : cases) {
        const ProcessResult result = run(c.args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        EXPECT_TRUE(result.err.startsWith(c.error)) << result.err.toStdString();
    }

    QFile::remove(start() + QStringLiteral("/Uslugi/dokumenty_r.dat"));
    const ProcessResult missing = run({QStringLiteral("check")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_FALSE(missing.err.isEmpty());
}

} // namespace
} // namespace kw
