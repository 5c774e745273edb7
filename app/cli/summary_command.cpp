#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_lines.h"
#include "app/cli/cli_output.h"
#include "app/cli/cli_tables.h"
#include "app/cli/table_output.h"

namespace kw {

void printYearlySummary(FileOps& ops, const DataPaths& paths, const QString& year, const QString& client)
{
    storedDocumentCount(ops, paths.documentFile());
    for (const QString& line :
         yearlySummaryLines(computeYearlySummary(ops, paths.documentFile(), year, client), client))
        printLine(line);
}

void exportYearlySummary(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& year,
                         const QString& client, const TableTarget& target)
{
    storedDocumentCount(ops, paths.documentFile());
    const YearlySummary summary = computeYearlySummary(ops, paths.documentFile(), year, client);
    const TableRows rows = [&](const std::function<void(const ExportRow&)>& take) {
        ExportRow row;
        for (int m = 0; m < 12; ++m) {
            yearlySummaryRow(summary, m, row);
            take(row);
        }
    };
    deliverTable(ops, paths, startFolder, yearlySummaryTable(year), rows, target);
}

} // namespace kw
