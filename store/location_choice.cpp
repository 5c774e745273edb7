#include "store/location_choice.h"

#include "store/io_error.h"

#include <QDir>

namespace kw {

QString chosenDataFolder(const LocationRecord& location, const QString& locationFile, const QString& startFolder)
{
    QString folder;
    switch (location.byteAt(location::FolderMode)) {
    case 1: folder = location.get(location::LocalPath); break;
    case 2: folder = location.get(location::NetworkPath); break;
    default: return startFolder;
    }
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        throw IoError(QStringLiteral("Plik %1 wskazuje folder danych „%2”, którego nie można użyć: "
                                     "potrzebna jest pełna ścieżka folderu.")
                          .arg(locationFile, folder));
    return folder;
}

} // namespace kw
