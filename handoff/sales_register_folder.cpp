#include "handoff/sales_register_folder.h"

#include "store/data_files.h"
#include "store/record_file.h"
#include "store/records.h"

namespace kw {

QString readSalesRegisterFolder(FileOps& ops, const DataPaths& paths)
{
    const QString path = paths.salesRegisterFile();
    createIfMissing(ops, path, SalesRegisterRecord().bytes());
    return readSingleRecord<SalesRegisterRecord>(ops, path).get(salesregister::Folder);
}

void writeSalesRegisterFolder(FileOps& ops, const DataPaths& paths, const QString& folder)
{
    SalesRegisterRecord record;
    record.set(salesregister::Folder, folder);
    RecordFile(ops, paths.salesRegisterFile(), SalesRegisterRecord::Size).replace(record.bytes());
}

std::optional<QString> folderOfPickedFile(const QString& pickedPath)
{
    const qsizetype separator =
        std::max(pickedPath.lastIndexOf(QLatin1Char('/')), pickedPath.lastIndexOf(QLatin1Char('\\')));
    if (separator < 0)
        return std::nullopt;
    return pickedPath.left(separator);
}

QString salesRegisterProgram(const QString& folder) { return resolvePath(folder, QStringLiteral("ewidencja.exe")); }

} // namespace kw
