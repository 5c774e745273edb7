#include "tests/cli/cli_fixture.h"

namespace kw {
namespace {

// A buyer's name is typed by anyone; the accountant's spreadsheet must show
// it, never run it, while the amounts stay numbers it can add up.
TEST_F(CliTest, ListCsvWritesFormulaLikeTextsAsTextAndKeepsAmountsNumbers)
{
    writeCliDataFolder(
        start(),
        {cliBill(7, QStringLiteral("2009-03-05"), QStringLiteral("=HYPERLINK(\"http://x.pl\";\"klik\")"),
                 QStringLiteral("-12.50")),
         cliBill(8, QStringLiteral("2009-03-06"), QStringLiteral("@SUMA(A1:A9)"), QStringLiteral("1234.50"))});
    const ProcessResult list = run({QStringLiteral("list"), QStringLiteral("--csv")});
    EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral(";\"'=HYPERLINK(\"\"http://x.pl\"\";\"\"klik\"\")\";")))
        << list.out.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral(";'@SUMA(A1:A9);"))) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral(";1,00;-12,50;-12,50;"))) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral(";-12,50;2009-03-05;2009-03-05\r\n"))) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral(";1234,50;2009-03-06;2009-03-06\r\n"))) << list.out.toStdString();
}

} // namespace
} // namespace kw
