#include "tests/cli/cli_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/xlsx_reader.h"

#include <QJsonArray>

namespace kw {
namespace {

class CliXlsxTest : public CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        if (!openpyxlInstalled())
            GTEST_SKIP() << "python3-openpyxl is not installed; the workbook is not read back";
        ASSERT_TRUE(out_.isValid());
    }

    QString outFile(const char* name) const { return out_.filePath(QString::fromUtf8(name)); }

    // The cells of the first sheet of the workbook the command writes into
    // `file`, after checking what the command says.
    QJsonArray rowsOf(const QStringList& args, const QString& file, int rows)
    {
        const ProcessResult result = run(args + QStringList{QStringLiteral("--xlsx"), file});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, QStringLiteral("Zapisano plik %1 (wierszy: %2).\n").arg(file).arg(rows));
        const QJsonObject book = readXlsxWithOpenpyxl(file);
        EXPECT_EQ(book[u"creator"].toString(), QStringLiteral("Kwitarnia"));
        const QJsonObject sheet = book[u"sheets"].toArray().at(0).toObject();
        EXPECT_EQ(sheet[u"frozen"].toString(), QStringLiteral("A2"));
        return sheet[u"rows"].toArray();
    }

    QTemporaryDir out_;
};

struct CellCase {
    int row;
    int column;
    const char* type; // openpyxl's data_type: s text, n number, d date
    QJsonValue value;
};

void expectCells(const QJsonArray& rows, std::initializer_list<CellCase> cases)
{
    for (const CellCase& c : cases) {
        const QJsonObject cell = rows[c.row].toArray().at(c.column).toObject();
        const std::string where = "row " + std::to_string(c.row + 1) + ", column " + std::to_string(c.column + 1);
        EXPECT_EQ(cell[u"type"].toString(), QString::fromLatin1(c.type)) << where;
        EXPECT_EQ(cell[u"value"], c.value) << where;
        if (QLatin1String(c.type) == QLatin1String("n") && !c.value.isNull()) {
            EXPECT_EQ(cell[u"format"].toString(), QStringLiteral("0.00")) << where;
        }
    }
}

// Calc reads the CSV's PKWiU 01.12.19 as a date and the NIP 0012345678 as a
// number; the workbook keeps them as written, and amounts as numbers.
TEST_F(CliXlsxTest, ListHoldsEveryBillWithTypedCells)
{
    DocumentRecord bill = cliBill(7, QStringLiteral("2009-03-05"), QStringLiteral("=HYPERLINK(\"http://x\";\"klik\")"),
                                  QStringLiteral("120.00"));
    bill.set(lineCell(LineTable::Bill, 2, 1), QStringLiteral("01.12.19"));
    bill.set(lineCell(LineTable::Bill, 4, 1), QStringLiteral("2.00"));
    bill.set(lineCell(LineTable::Bill, 5, 1), QStringLiteral("60.00"));
    bill.set(doc::BuyerTaxId, QStringLiteral("0012345678"));
    QList<DocumentRecord> documents = standardDocuments();
    documents[0] = bill;
    writeCliDataFolder(start(), documents);

    const QJsonArray rows = rowsOf({QStringLiteral("list")}, outFile("lista.xlsx"), 5);
    ASSERT_EQ(rows.size(), 5);
    ASSERT_EQ(rows[0].toArray().size(), 33);
    expectCells(rows,
                {
                    {0, 0, "s", QStringLiteral("Pozycja")},
                    {0, 30, "s", QStringLiteral("Do zapłaty")},
                    {1, 0, "s", QStringLiteral("2")},
                    {1, 2, "s", QStringLiteral("7")},
                    {1, 3, "s", QStringLiteral("2009")},
                    {1, 4, "d", QStringLiteral("2009-03-05")},
                    {1, 5, "s", QStringLiteral("=HYPERLINK(\"http://x\";\"klik\")")},
                    {1, 9, "s", QStringLiteral("0012345678")},
                    {1, 12, "s", QStringLiteral("Naprawa zegarka")},
                    {1, 13, "s", QStringLiteral("01.12.19")},
                    {1, 14, "s", QStringLiteral("szt.")},
                    {1, 15, "n", 2.0},
                    {1, 16, "n", 60.0},
                    {1, 17, "n", 120.0},
                    {1, 18, "n", QJsonValue::Null},
                    {1, 30, "n", 120.0},
                    // The corrective bill: its corrected line and the change it makes.
                    {2, 1, "s", QStringLiteral("K")},
                    {2, 17, "n", 100.0},
                    {2, 30, "n", -20.0},
                    {3, 5, "s", QStringLiteral("Żaneta Łęcka")},
                    {3, 30, "n", 35.5},
                });
}

TEST_F(CliXlsxTest, SummaryHasAMonthPerRowWithAmountsAsNumbers)
{
    const QJsonArray rows = rowsOf({QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("Kowalski")},
                                   outFile("rok.xlsx"), 13);
    ASSERT_EQ(rows.size(), 13);
    expectCells(rows,
                {
                    {0, 0, "s", QStringLiteral("Miesiąc")},
                    {0, 1, "s", QStringLiteral("Kwota")},
                    {1, 0, "s", QStringLiteral("Styczeń")},
                    {1, 1, "n", 0.0},
                    {3, 0, "s", QStringLiteral("Marzec")},
                    {3, 1, "n", 100.0},
                    {12, 0, "s", QStringLiteral("Grudzień")},
                });
}

// A workbook the program wrote is replaced by the next export; once someone
// has saved it in a spreadsheet it is theirs, and is left alone.
TEST_F(CliXlsxTest, OnlyAWorkbookStillAsWrittenIsReplaced)
{
    const QString file = outFile("lista.xlsx");
    rowsOf({QStringLiteral("summary"), QStringLiteral("2009")}, file, 13);
    rowsOf({QStringLiteral("list")}, file, 5);

    resaveXlsxWithOpenpyxl(file, {QStringLiteral("lastModifiedBy=Anna Nowak")});
    const QByteArray edited = readFileBytes(file);
    const ProcessResult result = run({QStringLiteral("list"), QStringLiteral("--xlsx"), file});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              QStringLiteral("Nie zapisano pliku %1: taki plik już istnieje i nie jest arkuszem XLSX, więc go nie "
                             "zastąpiono.\n")
                  .arg(file));
    EXPECT_EQ(readFileBytes(file), edited);
    EXPECT_EQ(folderEntries(out_.path()), QStringList{QStringLiteral("lista.xlsx")});
}

} // namespace
} // namespace kw
