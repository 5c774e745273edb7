#include "cli_data_folder.h"

#include "cli_error.h"
#include "data_files.h"
#include "io_error.h"
#include "record_file.h"
#include "records.h"

#include <QFileInfo>

namespace kw {

DataPaths dataPathsFor(FileOps& ops, const QString& startFolder)
{
    const QString locationFile = DataPaths::locationFile(startFolder);
    if (!QFileInfo::exists(locationFile))
        return DataPaths(startFolder);
    const LocationRecord location = readSingleRecord<LocationRecord>(ops, locationFile);
    switch (location.byteAt(location::FolderMode)) {
    case 1: return DataPaths(location.get(location::LocalPath));
    case 2: return DataPaths(location.get(location::NetworkPath));
    default: return DataPaths(startFolder);
    }
}

void requireDataFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        throw CommandLineError(QStringLiteral("Brak pliku danych %1.").arg(path));
}

qint64 storedDocumentCount(FileOps& ops, const QString& documentFile)
{
    requireDataFile(documentFile);
    const qint64 count = RecordFile(ops, documentFile, doc::Size).count();
    if (count == 0)
        throw IoError(QStringLiteral("Plik %1 jest krótszy niż jeden rekord (%2 bajtów).")
                          .arg(documentFile)
                          .arg(doc::Size));
    return count;
}

} // namespace kw
