#include "store/document_lock.h"

#include "store/data_folder.h"
#include "store/io_error.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sys/stat.h>

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

namespace {

// How long a live owner may take from making the lock file to writing itself in.
constexpr std::chrono::milliseconds ownerWriteTime{500};

// Whether the lock file has had no owner written in for ownerWriteTime;
// waits until it is that old or names its owner.
bool leftWithoutOwner(const QLockFile& lock, const QString& lockFile)
{
    for (;;) {
        qint64 pid = 0;
        QString host, program;
        if (lock.getLockInfo(&pid, &host, &program))
            return false;
        const QDateTime made = QFileInfo(lockFile).lastModified();
        if (!made.isValid())
            return false; // gone meanwhile: tryLock makes it anew
        const qint64 age = made.msecsTo(QDateTime::currentDateTime());
        if (age < 0 || age >= ownerWriteTime.count())
            return true;
        QThread::msleep(20);
    }
}

} // namespace

DocumentLock::DocumentLock(const QString& documentFile, Purpose purpose, std::chrono::milliseconds wait)
    : lock_(documentLockFileFor(documentFile))
{
    lock_.setStaleLockTime(StaleTime);
    // Checked before locking: opening a FIFO in the lock file's place would
    // wait for a reader for ever, and a folder there would be taken for a
    // lock some other program holds.
    // One stat, so a lock file another instance removes meanwhile is never
    // taken for something else.
    const QString lockFile = documentLockFileFor(documentFile);
    struct stat lockStat {};
    if (::stat(QFile::encodeName(lockFile).constData(), &lockStat) == 0 && !S_ISREG(lockStat.st_mode))
        throw IoError(QStringLiteral("Nie można założyć blokady pliku dokumentów: %1 nie jest zwykłym plikiem. "
                                     "Usuń go lub zmień jego nazwę.")
                          .arg(lockFile));
    if (lock_.tryLock(std::chrono::milliseconds(0)))
        return;
    // A process killed while it made the lock file leaves it without its
    // owner, which QLockFile would take for a live lock until StaleTime
    // passes. A live owner makes the file, then takes its flock, then writes
    // itself in: a file without an owner is taken over only once it is old
    // enough that no live owner can still be between those steps, and
    // QLockFile removes it only while its flock is free.
    if (lock_.error() == QLockFile::LockFailedError && leftWithoutOwner(lock_, lockFile))
        lock_.removeStaleLockFile();
    if (lock_.tryLock(wait))
        return;
    switch (lock_.error()) {
    case QLockFile::LockFailedError: throw IoError(documentBusyNotice(documentFile));
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
