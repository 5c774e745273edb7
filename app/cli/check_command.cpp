#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_output.h"
#include "documents/numbering_check.h"

namespace kw {

bool printNumberingCheck(FileOps& ops, const DataPaths& paths, const QString& year)
{
    storedDocumentCount(ops, paths.documentFile());
    const QStringList findings = numberingFindings(ops, paths.documentFile(), year);
    for (const QString& line : findings)
        printLine(line);
    if (findings.isEmpty())
        printLine(numberingWithoutFindings());
    return !findings.isEmpty();
}

} // namespace kw
