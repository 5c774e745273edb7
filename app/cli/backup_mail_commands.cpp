#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_output.h"
#include "app/platform/bill_mail.h"
#include "archive/archive_output_kind.h"
#include "archive/backup_archive.h"
#include "store/output_file.h"

namespace kw {

void backupDataFolder(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& zipFile)
{
    storedDocumentCount(ops, paths.documentFile());
    const BackupArchive archive = makeBackupArchive(ops, paths);
    writeOutputFile(ops, zipFile, backupOutputKind(), archive.bytes, protectedFolders({paths.folder(), startFolder}));
    for (const QString& link : archive.skippedLinks)
        printLine(QStringLiteral("Pominięto dowiązanie symboliczne: %1.").arg(link));
    printLine(QStringLiteral("Zapisano kopię zapasową %1 (plików: %2).").arg(zipFile).arg(archive.fileCount));
}

void mailDocument(FileOps& ops, const DataPaths& paths, const QString& startFolder, std::optional<qint64> position,
                  const QString& address)
{
    const QString file = mailBill(ops, storedDocumentPrintout(ops, paths, startFolder, position), address);
    printLine(QStringLiteral("Otwarto program pocztowy z załącznikiem %1.").arg(file));
}

} // namespace kw
