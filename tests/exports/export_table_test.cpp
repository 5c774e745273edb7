#include "exports/export_table.h"
#include "exports/printable_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kw {
namespace {

ExportRow exportRow(const CsvRow& cells)
{
    ExportRow row;
    for (const QString& cell : cells)
        row.addCell(cell.toUtf8());
    return row;
}

// Rows of a long table skip csvLine() for their plain cells; the file must
// not tell which cells took that way.
TEST(ExportTableTest, CsvLinesAreTheBytesCsvLineWrites)
{
    const QList<CsvRow> rows = {
        {"14", "Zakład Łódź", "12,50", "2009-03-05"},
        {"", "a", ""},
        {"a;b", "Firma \"Pod Lipą\"", "ul. Długa 1\nWarszawa", "a\rb"},
        {" 12.50", "x\t", "Łódź ", "Żaneta", QStringLiteral("brutto\u00A0")},
        {"-20,01", "=1+1", "+48 600 100 200", "@SUMA(A1)", "=HYPERLINK(\"http://x\";\"klik\")"},
        {"01.12.19", "0012345678", "?", "F"},
    };
    for (const CsvRow& cells : rows) {
        QByteArray out("poprzedni\r\n");
        appendCsvLine(out, exportRow(cells));
        EXPECT_EQ(out, "poprzedni\r\n" + csvLine(cells).toUtf8()) << cells.join(u'|').toStdString();
    }
}

TEST(ExportTableTest, RowKeepsItsCellsApartAndEndsEachWithANul)
{
    ExportRow row = exportRow({"stary", "wiersz"});
    row.clear();
    row.addCell("Łódź");
    char* at = row.openCell(5);
    std::memcpy(at, "12,50", 5);
    row.closeCell(at + 5);
    row.addCell("");
    ASSERT_EQ(row.size(), 3);
    EXPECT_EQ(row.bytesFrom(1), 7);
    EXPECT_EQ(row.cell(0), "Łódź");
    EXPECT_EQ(row.cell(1), "12,50");
    EXPECT_EQ(row.cell(2), "");
    EXPECT_STREQ(row.cellCString(1), "12,50");
    EXPECT_STREQ(row.cellCString(2), "");
}

TEST(ExportTableTest, RecordTextBecomesPrintableUtf8)
{
    struct Case {
        const char* name;
        QByteArray cp1250;
        QByteArray utf8;
    };
    const Case cases[] = {
        {"plain", "F 7/2009", "F 7/2009"},
        {"Polish letters",
         "Zak\xB3"
         "ad \xA3\xF3"
         "d\x9F",
         "Zakład Łódź"},
        {"escape and tab", "a\x1B[31m\tb", "a?[31m?b"},
        {"line breaks, NUL, DEL", QByteArrayLiteral("a\r\n\0\x7F"), "a????"},
        {"no-break space",
         "1\xA0"
         "000",
         "1\u00A0"
         "000"},
        {"undefined byte", "\x81", "\uFFFD"},
    };
    for (const Case& c : cases) {
        QByteArray out(3 * c.cp1250.size(), '\0');
        out.truncate(writePrintableUtf8(out.data(), c.cp1250) - out.constData());
        EXPECT_EQ(out, c.utf8) << c.name;
    }
}

TEST(ExportTableTest, NumbersAreDecimalDigits)
{
    QByteArray out;
    for (qint64 number : {qint64(0), qint64(7), qint64(-20), qint64(-9223372036854775807) - 1}) {
        char digits[20];
        out.append(digits, writeNumber(digits, number) - digits).append(' ');
    }
    EXPECT_EQ(out, "0 7 -20 -9223372036854775808 ");
}

} // namespace
} // namespace kw
