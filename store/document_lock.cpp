#include "document_lock.h"

#include "data_folder.h"
#include "io_error.h"

#include <QFileInfo>

namespace kw {

QString documentLockFileFor(const QString& documentFile)
{
    return resolvePath(QFileInfo(documentFile).path(), QStringLiteral("dokumenty_r.lock"));
}

QString documentBusyNotice(const QString& documentFile)
{
    return QStringLiteral("Plik dokumentów jest właśnie używany przez inny program (%1). "
                          "Spróbuj ponownie za chwilę.")
        .arg(documentFile);
}

DocumentLock::DocumentLock(const QString& documentFile, Purpose purpose, std::chrono::milliseconds wait)
    : lock_(documentLockFileFor(documentFile))
{
    lock_.setStaleLockTime(StaleTime);
    if (lock_.tryLock(wait))
        return;
    switch (lock_.error()) {
    case QLockFile::LockFailedError:
        throw IoError(documentBusyNotice(documentFile));
    case QLockFile::PermissionError:
        // A reader goes on: the read itself then reports a missing or
        // unreadable file precisely.
        if (purpose == Reading)
            return;
        throw IoError(QStringLiteral("Nie można założyć blokady pliku dokumentów %1: brak uprawnień "
                                     "do zapisu w jego folderze.")
                          .arg(documentFile));
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        if (purpose == Reading)
            return;
        break;
    }
    throw IoError(QStringLiteral("Nie można założyć blokady pliku dokumentów %1.").arg(documentFile));
}

DocumentLock::~DocumentLock()
{
    if (lock_.isLocked())
        lock_.unlock();
}

} // namespace kw
