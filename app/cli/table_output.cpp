#include "app/cli/table_output.h"

#include "app/cli/cli_output.h"
#include "app/cli/cli_tables.h"
#include "app/cli/sink_buffer.h"
#include "app/cli/stdout_spool.h"
#include "exports/csv_output_kind.h"
#include "exports/slot_list_csv.h"
#include "exports/xlsx_output_kind.h"
#include "exports/xlsx_table.h"

namespace kw {

namespace {

// Returns the number of rows written, the header row included.
qint64 writeCsv(OutputSink& sink, const ExportTable& table, const TableRows& rows)
{
    SinkBuffer out(sink);
    out.bytes() = csvByteOrderMark() + csvLine(headerRow(table)).toUtf8();
    qint64 written = 1;
    rows([&](const ExportRow& row) {
        appendCsvLine(out.bytes(), row);
        out.pieceAdded();
        ++written;
    });
    out.flush();
    return written;
}

qint64 writeXlsx(OutputSink& sink, const ExportTable& table, const TableRows& rows)
{
    XlsxTable xlsx(table);
    rows([&](const ExportRow& row) { xlsx.addRow(row); });
    xlsx.finish(sink);
    return xlsx.rowCount();
}

// A CSV file replaces only a table or list this program exported.
OutputKind exportedCsvKind()
{
    return csvOutputKind(QList<CsvRow>{headerRow(documentListTable()), headerRow(yearlySummaryTable(QString())),
                                       headerRow(receivablesTable())} +
                         earlierDocumentListHeads() + slotListCsvHeads());
}

} // namespace

void deliverTable(FileOps& ops, const DataPaths& paths, const QString& startFolder, const ExportTable& table,
                  const TableRows& rows, const TableTarget& target)
{
    const bool xlsx = target.format == TableTarget::Xlsx;
    if (target.file.isEmpty()) {
        StdoutSpool spool;
        writeCsv(spool, table, rows);
        spool.copyToStdout();
        return;
    }
    qint64 written = 0;
    writeOutputFile(
        ops, target.file, xlsx ? xlsxOutputKind() : exportedCsvKind(),
        [&](OutputSink& sink) { written = xlsx ? writeXlsx(sink, table, rows) : writeCsv(sink, table, rows); },
        protectedFolders({paths.folder(), startFolder}));
    printLine(QStringLiteral("Zapisano plik %1 (wierszy: %2).").arg(target.file).arg(written));
}

} // namespace kw
