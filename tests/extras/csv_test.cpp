#include "extras/csv.h"

#include "editing/amount_text.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

struct LineCase {
    const char* name;
    CsvRow cells;
    QString line;
};

TEST(CsvTest, LinesQuoteOnlyTheCellsThatNeedIt)
{
    const LineCase cases[] = {
        {"plain", {"14", "Zakład Łódź", "12,50"}, "14;Zakład Łódź;12,50\r\n"},
        {"empty cells", {"", "a", ""}, ";a;\r\n"},
        {"separator", {"a;b"}, "\"a;b\"\r\n"},
        {"quotes doubled", {"Firma \"Pod Lipą\""}, "\"Firma \"\"Pod Lipą\"\"\"\r\n"},
        {"line feed", {"ul. Długa 1\nWarszawa"}, "\"ul. Długa 1\nWarszawa\"\r\n"},
        {"carriage return", {"a\rb"}, "\"a\rb\"\r\n"},
        {"leading blank", {" 12.50"}, "\" 12.50\"\r\n"},
        {"trailing tab", {"x\t"}, "\"x\t\"\r\n"},
        {"comma is not special", {"12,50"}, "12,50\r\n"},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(csvLine(c.cells), c.line) << c.name;
}

TEST(CsvTest, FileIsUtf8WithByteOrderMark)
{
    const QByteArray bytes = csvFileBytes({{"Nabywca", "Kwota"}, {"Żółć", "1,00"}});
    EXPECT_EQ(bytes, QByteArray("\xEF\xBB\xBF") + "Nabywca;Kwota\r\n" + QStringLiteral("Żółć;1,00\r\n").toUtf8());
}

TEST(CsvTest, AmountsUseTheDecimalComma)
{
    EXPECT_EQ(csvAmount(readAmount(u"1234.5")), "1234,50");
    EXPECT_EQ(csvAmount(readAmount(u"-0.125")), "-0,13");
    EXPECT_EQ(csvAmount(readAmount(u"149.985")), "149,99");
    EXPECT_EQ(csvAmount(readAmount(u"-0.004")), "0,00");
    EXPECT_EQ(csvAmount(Money()), "0,00");
    EXPECT_EQ(csvAmountText("     12.50"), "12,50");
    EXPECT_EQ(csvAmountText(""), "");
}

struct ReadCase {
    const char* name;
    QByteArray bytes;
    QList<CsvRow> rows;
};

TEST(CsvTest, ReaderFollowsRfc4180WithSemicolons)
{
    const ReadCase cases[] = {
        {"CRLF with BOM",
         "\xEF\xBB\xBF"
         "a;b\r\nc;d\r\n",
         {{"a", "b"}, {"c", "d"}}},
        {"LF without BOM", "a;b\nc;d", {{"a", "b"}, {"c", "d"}}},
        {"lone CR", "a\rb\r", {{"a"}, {"b"}}},
        {"empty cells", ";x;\n", {{"", "x", ""}}},
        {"empty lines skipped", "\r\na\r\n\r\n\nb\n", {{"a"}, {"b"}}},
        {"quoted empty cell is a row", "\"\"\n", {{""}}},
        {"quoted separator and line ends", "\"a;b\";\"c\r\nd\"\n", {{"a;b", "c\r\nd"}}},
        {"doubled quotes", "\"say \"\"hi\"\"\";x\n", {{"say \"hi\"", "x"}}},
        {"blanks kept", "\" a \"; b \n", {{" a ", " b "}}},
        {"open quote takes the rest", "a;\"b\nc", {{"a", "b\nc"}}},
        {"nothing", "", {}},
        {"BOM only", "\xEF\xBB\xBF", {}},
    };
    for (const ReadCase& c : cases) {
        const auto rows = readCsv(c.bytes);
        ASSERT_TRUE(rows.has_value()) << c.name;
        EXPECT_EQ(*rows, c.rows) << c.name;
    }
}

TEST(CsvTest, ReaderRefusesBytesThatAreNotUtf8)
{
    // "Łódź" in code page 1250, as Excel saves "CSV (rozdzielany przecinkami)".
    EXPECT_FALSE(readCsv("\xA3\xF3\x64\x9F;1\r\n").has_value());
}

TEST(CsvTest, WrittenRowsReadBackUnchanged)
{
    const QList<CsvRow> rows = {
        {"Poz.", "Nabywca", "Kwota"},
        {"1", "Firma \"Ąę\"; oddział\r\nKraków", " 12,50 "},
        {"", "", ""},
        {"ŻÓŁW", "x\ny", "\"\""},
    };
    EXPECT_EQ(readCsv(csvFileBytes(rows)), rows);
}

} // namespace
} // namespace kw
