#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_lines.h"
#include "app/cli/cli_output.h"
#include "app/cli/csv_output.h"

namespace kw {

void printYearlySummary(FileOps& ops, const DataPaths& paths, const QString& year, const QString& client)
{
    storedDocumentCount(ops, paths.documentFile());
    for (const QString& line :
         yearlySummaryLines(computeYearlySummary(ops, paths.documentFile(), year, client), client))
        printLine(line);
}

void yearlySummaryCsv(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& year,
                      const QString& client, const QString& csvFile)
{
    storedDocumentCount(ops, paths.documentFile());
    const YearlySummary summary = computeYearlySummary(ops, paths.documentFile(), year, client);
    QList<CsvRow> rows = {{QStringLiteral("Miesiąc"), QStringLiteral("Kwota")}};
    for (int m = 0; m < 12; ++m)
        rows.append({monthName(m), csvAmount(summary.totals[m])});
    deliverCsv(ops, paths, startFolder, rows, csvFile);
}

} // namespace kw
