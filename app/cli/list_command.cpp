#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_lines.h"
#include "app/cli/cli_output.h"
#include "app/cli/csv_output.h"
#include "editing/selection_lines.h"
#include "extras/printable_text.h"
#include "print/printed_amounts.h"
#include "store/records.h"
#include "store/stored_documents.h"

namespace kw {

namespace {

// The opening record of the file, which is no bill.
constexpr qint64 openingPosition = 1;

CsvRow listHeader()
{
    CsvRow header = {
        QStringLiteral("Pozycja"),      QStringLiteral("Rodzaj"),           QStringLiteral("Numer"),
        QStringLiteral("Rozszerzenie"), QStringLiteral("Data wystawienia"), QStringLiteral("Nabywca 1"),
        QStringLiteral("Nabywca 2"),    QStringLiteral("Nabywca 3"),        QStringLiteral("Nabywca 4"),
        QStringLiteral("NIP nabywcy"),  QStringLiteral("Forma zapłaty"),    QStringLiteral("Termin płatności")};
    for (int line = 1; line <= doc::Lines; ++line) {
        for (const char* column : {"Nazwa", "PKWiU", "J.m.", "Ilość", "Cena", "Razem"})
            header.append(QStringLiteral("%1 %2").arg(QString::fromUtf8(column)).arg(line));
    }
    header.append(QStringLiteral("Do zapłaty"));
    return header;
}

CsvRow documentRow(qint64 position, const DocumentRecord& document)
{
    CsvRow row = {QString::number(position),       document.get(doc::DocKind),       document.get(doc::DocNumber),
                  document.get(doc::NumberSuffix), document.get(doc::IssueDate),     document.get(doc::BuyerLine1),
                  document.get(doc::BuyerLine2),   document.get(doc::BuyerLine3),    document.get(doc::BuyerLine4),
                  document.get(doc::BuyerTaxId),   document.get(doc::PaymentMethod), document.get(doc::PaymentTerm)};
    // A corrective bill's own lines are the corrected ones, as its printout
    // shows them first.
    const LineTable table = isCorrective(document) ? LineTable::Correction : LineTable::Bill;
    for (int line = 1; line <= doc::Lines; ++line) {
        for (int column = 1; column <= doc::Columns; ++column) {
            const QString cell = document.get(lineCell(table, column, line));
            // Quantity, price and total are numbers for the spreadsheet.
            row.append(column >= 4 ? csvAmountText(cell) : cell);
        }
    }
    row.append(csvAmount(printedAmounts(document).payable));
    for (QString& cell : row)
        cell = printableText(cell);
    return row;
}

} // namespace

void listDocuments(FileOps& ops, const DataPaths& paths)
{
    storedDocumentCount(ops, paths.documentFile());
    for (const QString& line : documentListLines(billLines(ops, paths.documentFile())))
        printLine(line);
}

void listDocumentsCsv(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& csvFile)
{
    storedDocumentCount(ops, paths.documentFile());
    QList<CsvRow> rows = {listHeader()};
    forEachStoredDocument(ops, paths.documentFile(), [&](qint64 position, QByteArrayView record) {
        const DocumentRecord document = DocumentRecord::fromBytes(record);
        if (position != openingPosition && hasKnownKind(document))
            rows.append(documentRow(position, document));
    });
    deliverCsv(ops, paths, startFolder, rows, csvFile);
}

} // namespace kw
