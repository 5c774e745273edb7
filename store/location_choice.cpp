#include "store/location_choice.h"

#include "store/io_error.h"

#include <QDir>

namespace kw {

namespace {

// The path field the record's mode reads; none for a mode that means the
// start folder.
std::optional<StringField> modePath(const LocationRecord& location)
{
    switch (location.byteAt(location::FolderMode)) {
    case 1: return location::LocalPath;
    case 2: return location::NetworkPath;
    default: return std::nullopt;
    }
}

} // namespace

QString namedDataFolder(const LocationRecord& location, const QString& startFolder)
{
    const std::optional<StringField> path = modePath(location);
    return path ? location.get(*path) : startFolder;
}

QString chosenDataFolder(const LocationRecord& location, const QString& locationFile, const QString& startFolder)
{
    const QString folder = namedDataFolder(location, startFolder);
    if (!modePath(location))
        return folder;
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        throw IoError(QStringLiteral("Plik %1 wskazuje folder danych „%2”, którego nie można użyć: "
                                     "potrzebna jest pełna ścieżka folderu.")
                          .arg(locationFile, folder));
    return folder;
}

std::optional<LocationRecord> locationNaming(const LocationRecord& location, const QString& folder)
{
    const std::optional<StringField> path = modePath(location);
    if (!path)
        return location;
    LocationRecord named = location;
    named.set(*path, folder);
    if (named.get(*path) != folder)
        return std::nullopt;
    return named;
}

} // namespace kw
