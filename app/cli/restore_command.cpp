#include "app/cli/cli_commands.h"

#include "app/cli/cli_output.h"
#include "archive/backup_restore.h"

namespace kw {

void restoreDataFolder(FileOps& ops, const QString& zipFile, const QString& folder)
{
    const RestoredBackup restored = restoreBackup(ops, zipFile, folder);
    printLine(QStringLiteral("Odtworzono plików: %1 do folderu %2.").arg(restored.fileCount).arg(restored.folder));
}

} // namespace kw
