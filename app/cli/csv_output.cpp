#include "app/cli/csv_output.h"

#include "app/cli/cli_output.h"
#include "extras/csv_output_kind.h"
#include "store/output_file.h"

namespace kw {

void deliverCsv(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QList<CsvRow>& rows,
                const QString& csvFile)
{
    const QByteArray bytes = csvFileBytes(rows);
    if (csvFile.isEmpty()) {
        printBytes(bytes);
        return;
    }
    writeOutputFile(ops, csvFile, csvOutputKind({rows.value(0)}), bytes, protectedFolders({paths.folder(), startFolder}));
    printLine(QStringLiteral("Zapisano plik %1 (wierszy: %2).").arg(csvFile).arg(rows.size()));
}

} // namespace kw
