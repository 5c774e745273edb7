#include "cli_commands.h"

#include "cli_data_folder.h"
#include "cli_lines.h"
#include "cli_output.h"

namespace kw {

void printYearlySummary(FileOps& ops, const DataPaths& paths, const QString& year, const QString& client)
{
    storedDocumentCount(ops, paths.documentFile());
    for (const QString& line : yearlySummaryLines(computeYearlySummary(ops, paths.documentFile(), year, client)))
        printLine(line);
}

} // namespace kw
