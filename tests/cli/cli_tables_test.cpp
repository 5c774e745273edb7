#include "app/cli/cli_lines.h"
#include "app/cli/cli_tables.h"
#include "exports/csv.h"
#include "tests/cli/cli_data.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

CsvRow cellsOf(const ExportRow& row)
{
    CsvRow cells;
    for (qsizetype i = 0; i < row.size(); ++i)
        cells.append(QString::fromUtf8(row.cell(i)));
    return cells;
}

TEST(CliTablesTest, OnlyBillsAndCorrectiveBillsHaveRows)
{
    DocumentRecord unknownKind = cliBill(10, QStringLiteral("2009-03-15"), QStringLiteral("Nieznany"), "1.00");
    unknownKind.set(doc::DocKind, QStringLiteral("X"));
    const DocumentRecord bill = cliBill(7, QStringLiteral("2009-03-05"), QStringLiteral("Jan Kowalski"), "120.00");
    ExportRow row;
    EXPECT_FALSE(documentListRow(1, bill.bytes(), row));
    EXPECT_FALSE(documentListRow(6, unknownKind.bytes(), row));
    EXPECT_TRUE(documentListRow(2, bill.bytes(), row));
    EXPECT_EQ(row.size(), documentListTable().columns.size());
}

// Most fields are copied byte by byte; these are the ones that are not.
TEST(CliTablesTest, RowsShowAmountsWithACommaAndEveryFieldPrintable)
{
    DocumentRecord bill = cliBill(7, QStringLiteral("2009-03-05"), QStringLiteral("Jan\x1b[2J Łęcki\n"), "120.00");
    bill.set(doc::BuyerTaxId, QStringLiteral("0012345678"));
    bill.set(lineCell(LineTable::Bill, 2, 1), QStringLiteral("01.12.19"));
    bill.set(lineCell(LineTable::Bill, 4, 1), QStringLiteral("  1.5 "));
    bill.set(lineCell(LineTable::Bill, 5, 1), QStringLiteral("\u00A0 80.00\u00A0"));
    bill.set(lineCell(LineTable::Bill, 6, 1), QStringLiteral("\t120.00\r"));
    bill.set(lineCell(LineTable::Bill, 1, 2), QStringLiteral("Dopłata"));
    bill.set(lineCell(LineTable::Bill, 5, 2), QStringLiteral("0.005 zł"));
    bill.set(lineCell(LineTable::Bill, 6, 2), QStringLiteral("0.005"));
    bill.set(lineCell(LineTable::Bill, 6, 3), QStringLiteral("   "));
    ExportRow row;
    ASSERT_TRUE(documentListRow(2, bill.bytes(), row));
    const CsvRow cells = cellsOf(row);
    EXPECT_EQ(cells.mid(0, 12),
              CsvRow({"2", "F", "7", "2009", "2009-03-05", "Jan?[2J Łęcki?", "ul. Długa 5", "31-147 Kraków", "",
                      "0012345678", "Gotówka", "7 dni"}));
    EXPECT_EQ(cells.mid(12, 6), CsvRow({"Naprawa zegarka", "01.12.19", "szt.", "1,5", "80,00", "120,00"}));
    EXPECT_EQ(cells.mid(18, 6), CsvRow({"Dopłata", "", "", "", "0,005 zł", "0,005"}));
    EXPECT_EQ(cells.mid(24, 6), CsvRow({"", "", "", "", "", ""}));
    EXPECT_EQ(cells[30], "120,01");
}

TEST(CliTablesTest, CorrectiveBillsShowTheirCorrectedLinesAndTheChange)
{
    const DocumentRecord corrective = cliCorrectiveBill(1, QStringLiteral("2009-03-20"), QStringLiteral("Jan Kowalski"),
                                                        QStringLiteral("7/2009"), "120.00", "119.996");
    ExportRow row;
    ASSERT_TRUE(documentListRow(3, corrective.bytes(), row));
    const CsvRow cells = cellsOf(row);
    EXPECT_EQ(cells.mid(0, 4), CsvRow({"3", "K", "1", "K/2009"}));
    EXPECT_EQ(cells[17], "119,996");
    // Less than half a grosz of change pays nothing, and says no minus.
    EXPECT_EQ(cells[30], "0,00");
}

TEST(CliTablesTest, SummaryAmountsAreWrittenAsCsvAmountWritesThem)
{
    YearlySummary summary;
    const qint64 units[] = {0, 12345000, -1250, -40, 50, 9223372036854775807LL, -9223372036854775807LL};
    ExportRow row;
    for (int m = 0; m < int(std::size(units)); ++m) {
        summary.totals[m] = Money::fromUnits(units[m]);
        yearlySummaryRow(summary, m, row);
        EXPECT_EQ(cellsOf(row), CsvRow({monthName(m), csvAmount(summary.totals[m])})) << units[m];
    }
}

} // namespace
} // namespace kw
