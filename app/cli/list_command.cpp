#include "cli_commands.h"

#include "cli_data_folder.h"
#include "cli_lines.h"
#include "cli_output.h"

namespace kw {

void listDocuments(FileOps& ops, const DataPaths& paths)
{
    storedDocumentCount(ops, paths.documentFile());
    for (const QString& line : documentListLines(billLines(ops, paths.documentFile())))
        printLine(line);
}

} // namespace kw
