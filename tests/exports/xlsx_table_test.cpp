#include "exports/xlsx_output_kind.h"
#include "exports/xlsx_table.h"
#include "tests/support/file_bytes.h"
#include "tests/support/xlsx_reader.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kw {
namespace {

class MemorySink : public OutputSink
{
public:
    void write(QByteArrayView piece) override
    {
        bytes.append(piece);
        ++writes;
    }
    QByteArray bytes;
    int writes = 0;
};

const ExportTable table = {QStringLiteral("Dokumenty"),
                           {{QStringLiteral("Nazwa"), ColumnType::Text, 30},
                            {QStringLiteral("PKWiU"), ColumnType::Text, 10},
                            {QStringLiteral("NIP"), ColumnType::Text, 15},
                            {QStringLiteral("Data wystawienia"), ColumnType::Date, 16},
                            {QStringLiteral("Kwota"), ColumnType::Amount, 12}}};

QByteArray workbookOf(const QList<CsvRow>& rows)
{
    XlsxTable xlsx(table);
    for (const CsvRow& cells : rows) {
        ExportRow row;
        for (const QString& cell : cells)
            row.addCell(cell.toUtf8());
        xlsx.addRow(row);
    }
    EXPECT_EQ(xlsx.rowCount(), rows.size() + 1);
    MemorySink sink;
    xlsx.finish(sink);
    return sink.bytes;
}

class XlsxTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!openpyxlInstalled())
            GTEST_SKIP() << "python3-openpyxl is not installed; the workbook is not read back";
        ASSERT_TRUE(folder_.isValid());
    }

    QString saved(const QByteArray& bytes, const char* name = "tabela.xlsx")
    {
        const QString path = folder_.filePath(QString::fromLatin1(name));
        writeFileBytes(path, bytes);
        return path;
    }

    QTemporaryDir folder_;
};

struct CellCase {
    int row;
    int column;
    const char* type; // openpyxl's data_type: s text, n number, d date
    QJsonValue value;
    const char* format;
};

TEST_F(XlsxTableTest, CellsKeepTheirTypesAsAnotherReaderSeesThem)
{
    const QJsonObject book = readXlsxWithOpenpyxl(saved(workbookOf({
        {"Strzyżenie", "01.12.19", "0012345678", "2009-03-05", "1234,50"},
        {"=1+1", "96.02.11", "+48 600 100 200", "2009-02-30", "-20,01"},
        {"@SUMA(A1)", "", "", "", "12,5 zł"},
        {"-5", "1e5", "007", "5.03.2009", "0,005"},
    })));
    EXPECT_EQ(book[u"creator"].toString(), QStringLiteral("Kwitarnia"));
    const QJsonObject sheet = book[u"sheets"].toArray().at(0).toObject();
    EXPECT_EQ(sheet[u"title"].toString(), QStringLiteral("Dokumenty"));
    EXPECT_EQ(sheet[u"frozen"].toString(), QStringLiteral("A2"));
    const QJsonArray rows = sheet[u"rows"].toArray();
    ASSERT_EQ(rows.size(), 5);

    const CellCase cases[] = {
        {0, 0, "s", QStringLiteral("Nazwa"), "General"},
        {0, 3, "s", QStringLiteral("Data wystawienia"), "General"},
        {1, 0, "s", QStringLiteral("Strzyżenie"), "General"},
        // Text that a spreadsheet would take for a date, a number or a formula stays text.
        {1, 1, "s", QStringLiteral("01.12.19"), "General"},
        {1, 2, "s", QStringLiteral("0012345678"), "General"},
        {2, 0, "s", QStringLiteral("=1+1"), "General"},
        {2, 2, "s", QStringLiteral("+48 600 100 200"), "General"},
        {3, 0, "s", QStringLiteral("@SUMA(A1)"), "General"},
        {4, 0, "s", QStringLiteral("-5"), "General"},
        {4, 1, "s", QStringLiteral("1e5"), "General"},
        {4, 2, "s", QStringLiteral("007"), "General"},
        // Dates as dates; what is no date stays as written.
        {1, 3, "d", QStringLiteral("2009-03-05"), "yyyy-mm-dd"},
        {2, 3, "s", QStringLiteral("2009-02-30"), "General"},
        {4, 3, "s", QStringLiteral("5.03.2009"), "General"},
        // Amounts as numbers with two decimals; other text in their column stays text.
        {1, 4, "n", 1234.5, "0.00"},
        {2, 4, "n", -20.01, "0.00"},
        {3, 4, "s", QStringLiteral("12,5 zł"), "General"},
        {4, 4, "n", 0.005, "0.00"},
        // An empty cell is left empty.
        {3, 1, "n", QJsonValue::Null, "General"},
    };
    for (const CellCase& c : cases) {
        const QJsonObject cell = rows[c.row].toArray().at(c.column).toObject();
        const std::string where = "row " + std::to_string(c.row + 1) + ", column " + std::to_string(c.column + 1);
        EXPECT_EQ(cell[u"type"].toString(), QString::fromLatin1(c.type)) << where;
        EXPECT_EQ(cell[u"value"], c.value) << where;
        EXPECT_EQ(cell[u"format"].toString(), QString::fromLatin1(c.format)) << where;
    }
}

TEST_F(XlsxTableTest, ColumnsAreAsWideAsTheTableSays)
{
    const QJsonObject widths =
        readXlsxWithOpenpyxl(saved(workbookOf({})))[u"sheets"].toArray().at(0).toObject()[u"widths"].toObject();
    const std::pair<const char*, double> expected[] = {{"A", 30}, {"B", 10}, {"C", 15}, {"D", 16}, {"E", 12}};
    for (const auto& [column, width] : expected) {
        // Spreadsheets store a width with the padding of a character cell.
        EXPECT_GE(widths[QLatin1String(column)].toDouble(), width) << column;
        EXPECT_LT(widths[QLatin1String(column)].toDouble(), width + 1) << column;
    }
}

TEST_F(XlsxTableTest, TheFileReachesTheSinkInPieces)
{
    QList<CsvRow> rows;
    for (int i = 0; i < 20000; ++i)
        rows.append({QStringLiteral("Usługa %1").arg(i), "01.12.19", "0012345678", "2009-03-05", "12,50"});
    XlsxTable xlsx(table);
    ExportRow row;
    for (const CsvRow& cells : rows) {
        row.clear();
        for (const QString& cell : cells)
            row.addCell(cell.toUtf8());
        xlsx.addRow(row);
    }
    MemorySink sink;
    xlsx.finish(sink);
    EXPECT_GT(sink.writes, 1);
    const QJsonArray read = readXlsxWithOpenpyxl(saved(sink.bytes))[u"sheets"].toArray().at(0)[u"rows"].toArray();
    ASSERT_EQ(read.size(), 20001);
    EXPECT_EQ(read[20000].toArray().at(0)[u"value"].toString(), QStringLiteral("Usługa 19999"));
}

int openFileDescriptors() { return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size()); }

// An export that fails half-way gives its workbook up; nothing of it may
// stay open in a program that goes on.
TEST(XlsxTableAbandoned, AWorkbookGivenUpLeavesNoFileOpen)
{
    const int before = openFileDescriptors();
    {
        XlsxTable xlsx(table);
        ExportRow row;
        row.addCell("Strzyżenie");
        for (int i = 0; i < 100; ++i)
            xlsx.addRow(row);
    }
    EXPECT_EQ(openFileDescriptors(), before);
}

bool recognised(const QByteArray& bytes)
{
    QBuffer existing;
    existing.setData(bytes);
    existing.open(QIODevice::ReadOnly);
    return xlsxOutputKind().writtenByThisProgram(existing);
}

// Only a workbook this program wrote and nobody saved since may be
// replaced: an accountant's sheet is someone's work.
TEST_F(XlsxTableTest, OnlyAWorkbookAsThisProgramWroteItIsRecognised)
{
    const QByteArray ours = workbookOf({{"Strzyżenie", "01.12.19", "0012345678", "2009-03-05", "1234,50"}});
    EXPECT_TRUE(recognised(ours));

    const QString changed = saved(ours, "zmieniony.xlsx");
    resaveXlsxWithOpenpyxl(changed, {QStringLiteral("lastModifiedBy=Anna Nowak")});
    const QString later = saved(ours, "pozniej.xlsx");
    resaveXlsxWithOpenpyxl(
        later, {QStringLiteral("lastModifiedBy=Kwitarnia"), QStringLiteral("modified=2031-01-02T03:04:05")});
    const QString foreign = saved(ours, "obcy.xlsx");
    resaveXlsxWithOpenpyxl(foreign, {QStringLiteral("creator=Jan Kowalski"), QStringLiteral("lastModifiedBy=Jan")});
    const struct {
        const char* name;
        QByteArray bytes;
    } others[] = {
        {"changed and saved by someone", readFileBytes(changed)},
        {"saved later", readFileBytes(later)},
        {"another author", readFileBytes(foreign)},
        {"cut short", ours.left(ours.size() / 2)},
        {"a ZIP of another kind", QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0')},
        {"text", "Nazwa;Kwota\r\n"},
    };
    for (const auto& other : others)
        EXPECT_FALSE(recognised(other.bytes)) << other.name;
}

} // namespace
} // namespace kw
