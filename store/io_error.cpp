#include "store/io_error.h"

#include <cerrno>
#include <cstring>

namespace kw {

IoError::IoError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}

QString describeErrno(int error)
{
    switch (error) {
    case ENOENT: return QStringLiteral("nie ma takiego pliku lub folderu");
    case EACCES:
    case EPERM: return QStringLiteral("brak uprawnień");
    case ENOSPC: return QStringLiteral("brak miejsca na dysku");
    case EDQUOT: return QStringLiteral("przekroczony przydział miejsca na dysku");
    case EIO: return QStringLiteral("błąd wejścia/wyjścia");
    case EROFS: return QStringLiteral("nośnik tylko do odczytu");
    case ENOTDIR: return QStringLiteral("część ścieżki nie jest folderem");
    case EISDIR: return QStringLiteral("to jest folder, nie plik");
    case EEXIST: return QStringLiteral("plik już istnieje");
    case EMFILE:
    case ENFILE: return QStringLiteral("zbyt wiele otwartych plików");
    case ENAMETOOLONG: return QStringLiteral("zbyt długa nazwa pliku");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace kw
