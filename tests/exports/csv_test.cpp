#include "exports/csv.h"

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

QList<CsvRow> cellsOf(const CsvContent& content)
{
    QList<CsvRow> rows;
    for (const CsvRecord& record : content.records)
        rows.append(record.cells);
    return rows;
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
        {"nothing", "", {}},
        {"BOM only", "\xEF\xBB\xBF", {}},
    };
    for (const ReadCase& c : cases) {
        const auto content = readCsv(c.bytes);
        ASSERT_TRUE(content.has_value()) << c.name;
        EXPECT_EQ(cellsOf(*content), c.rows) << c.name;
        EXPECT_TRUE(content->problems.isEmpty()) << c.name;
    }
}

TEST(CsvTest, AQuoteOpensACellOnlyWhereTheCellStarts)
{
    const ReadCase cases[] = {
        {"inch mark", "Sklep 24\" Full HD;1\r\nDrugi;2\r\n", {{"Sklep 24\" Full HD", "1"}, {"Drugi", "2"}}},
        {"quotes inside a word", "a\"b\"c;d\n", {{"a\"b\"c", "d"}}},
        {"quote ending a cell", "5\";x\n", {{"5\"", "x"}}},
        {"quote after a closed quoted cell", "\"ab\"c\"d;e\n", {{"abc\"d", "e"}}},
        {"quote after a blank", "a; \"b;c\n", {{"a", " \"b", "c"}}},
    };
    for (const ReadCase& c : cases) {
        const auto content = readCsv(c.bytes);
        ASSERT_TRUE(content.has_value()) << c.name;
        EXPECT_EQ(cellsOf(*content), c.rows) << c.name;
        EXPECT_TRUE(content->problems.isEmpty()) << c.name;
    }
}

TEST(CsvTest, RowsKnowTheLineTheyStartOnCountingEveryLineOfTheFile)
{
    const auto content = readCsv("Nr;Nazwa\r\n\r\n1;\"dwa\r\nwiersze\"\r\n2;b\n\r3;c");
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->records,
              (QList<CsvRecord>{{1, {"Nr", "Nazwa"}}, {3, {"1", "dwa\r\nwiersze"}}, {5, {"2", "b"}}, {7, {"3", "c"}}}));
}

struct OpenQuoteCase {
    const char* name;
    QByteArray bytes;
    QList<CsvRecord> records;
    CsvProblem problem;
};

TEST(CsvTest, AQuotedCellLeftOpenIsAProblemAndNothingAfterItIsData)
{
    const QString rest = QStringLiteral("; tego wiersza ani dalszej części pliku nie wczytano");
    const OpenQuoteCase cases[] = {
        {"swallowing the next row",
         ";\"niedomkni\xC4\x99ty;;;;\r\n;Drugi;;;;\r\n",
         {},
         {1, QStringLiteral("cudzysłów otwarty w kolumnie 2 nie jest zamknięty do końca pliku") + rest}},
        {"after good rows",
         "a;b\r\n\r\nc;\"d\"\r\ne;f;\"g\nh",
         {{1, {"a", "b"}}, {3, {"c", "d"}}},
         {4, QStringLiteral("cudzysłów otwarty w kolumnie 3 nie jest zamknięty do końca pliku") + rest}},
        {"a lone quote",
         "\"",
         {},
         {1, QStringLiteral("cudzysłów otwarty w kolumnie 1 nie jest zamknięty do końca pliku") + rest}},
    };
    for (const OpenQuoteCase& c : cases) {
        const auto content = readCsv(c.bytes);
        ASSERT_TRUE(content.has_value()) << c.name;
        EXPECT_EQ(content->records, c.records) << c.name;
        EXPECT_EQ(content->problems, QList<CsvProblem>{c.problem}) << c.name;
    }
}

TEST(CsvTest, TextsASpreadsheetWouldRunAsFormulasAreWrittenAsText)
{
    const LineCase cases[] = {
        {"formula", {"=1+1"}, "'=1+1\r\n"},
        {"formula with quotes and separator",
         {"=HYPERLINK(\"http://x.pl\";\"klik\")"},
         "\"'=HYPERLINK(\"\"http://x.pl\"\";\"\"klik\"\")\"\r\n"},
        {"plus", {"+48 600 100 200"}, "'+48 600 100 200\r\n"},
        {"minus", {"-rabat"}, "'-rabat\r\n"},
        {"lone minus", {"-"}, "'-\r\n"},
        {"at", {"@SUMA(A1)"}, "'@SUMA(A1)\r\n"},
        {"tab", {"\t=1+1"}, "'\t=1+1\r\n"},
        {"carriage return", {"\r=1+1"}, "\"'\r=1+1\"\r\n"},
        {"apostrophe before a formula gets one more", {"'=1"}, "''=1\r\n"},
        {"apostrophe before text stays alone", {"'abc"}, "'abc\r\n"},
        {"formula sign inside", {"a=b-c"}, "a=b-c\r\n"},
        {"after a blank", {" =1"}, "\" =1\"\r\n"},
        {"negative amount", {"-12,50"}, "-12,50\r\n"},
        {"signed amounts with a point or exponent", {"+5", "-0.5", "-,5", "-1e3"}, "+5;-0.5;-,5;-1e3\r\n"},
        {"header cells", {"Nr", "Do zapłaty"}, "Nr;Do zapłaty\r\n"},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(csvLine(c.cells), c.line) << c.name;
}

TEST(CsvTest, AmountsAreNeverMarkedAsText)
{
    QStringList amounts;
    for (const char* amount : {"0", "-0.01", "-12.5", "1234.5", "-99999999.99", "149.985"})
        amounts.append(csvAmount(readAmount(QString::fromLatin1(amount))));
    for (const char* shown : {"     -12.50", "-0.13", "      1234.50", "   +5"})
        amounts.append(csvAmountText(QString::fromLatin1(shown)));
    for (const QString& amount : amounts)
        EXPECT_EQ(csvLine({amount}), amount + "\r\n");
}

TEST(CsvTest, ReaderTakesOffTheApostropheThatMarksText)
{
    const auto content = readCsv("'=1+1;'abc;''=x;\"'-5\";'\n");
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(cellsOf(*content), (QList<CsvRow>{{"=1+1", "'abc", "'=x", "-5", "'"}}));
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
        {"=1+1", "'=HYPERLINK(\"x\")", "-12,50", "@a", "\tb", "''-", "-"},
    };
    const auto content = readCsv(csvFileBytes(rows));
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(cellsOf(*content), rows);
}

} // namespace
} // namespace kw
