#include "cli_commands.h"

#include "cli_data_folder.h"
#include "cli_output.h"
#include "selection_lines.h"

namespace kw {

void listDocuments(FileOps& ops, const DataPaths& paths)
{
    storedDocumentCount(ops, paths.documentFile());
    const SelectionLines lines = billLines(ops, paths.documentFile());
    for (qsizetype i = 0; i < lines.texts.size(); ++i)
        printLine(QStringLiteral("%1: %2").arg(lines.sources[i]).arg(lines.texts[i]));
}

} // namespace kw
