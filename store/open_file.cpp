#include "store/open_file.h"

#include "store/io_error.h"

#include <QFile>

#include <fcntl.h>

#include <cerrno>

namespace kw {

OpenFile::OpenFile(FileOps& ops, const QString& path, Mode mode) : ops_(ops), path_(path)
{
    fd_ = ops_.open(QFile::encodeName(path).constData(), openFlags(mode), 0666);
    checkOpened(mode);
}

OpenFile::OpenFile(FileOps& ops, int folder, const QString& name, const QString& path, Mode mode)
    : ops_(ops), path_(path)
{
    fd_ = ops_.openat(folder, QFile::encodeName(name).constData(), openFlags(mode) | O_NOFOLLOW, 0666);
    checkOpened(mode);
}

int OpenFile::openFlags(Mode mode)
{
    int flags = O_RDONLY;
    if (mode == ReadWrite)
        flags = O_RDWR;
    else if (mode == CreateNew)
        flags = O_RDWR | O_CREAT | O_TRUNC;
    else if (mode == CreateExclusive)
        flags = O_RDWR | O_CREAT | O_EXCL;
    // Without blocking, so a FIFO put in a data file's place cannot hang the
    // open; a regular file ignores the flag.
    return flags | O_NONBLOCK;
}

void OpenFile::checkOpened(Mode mode)
{
    if (fd_ < 0 && !(mode == ReadOnlyIfExists && errno == ENOENT))
        throw IoError(QStringLiteral("Nie można otworzyć pliku %1: %2.").arg(path_, describeErrno(errno)));
    if (fd_ >= 0)
        requireRegularFile();
}

void OpenFile::requireRegularFile()
{
    struct stat info {};
    const bool known = ops_.fstat(fd_, &info) == 0;
    const int error = errno;
    if (known && S_ISREG(info.st_mode))
        return;
    // The constructor throws, so no destructor closes the file.
    ops_.close(fd_);
    fd_ = -1;
    if (!known)
        fail(QStringLiteral("Błąd odczytu"), error);
    throw IoError(QStringLiteral("Nie można użyć pliku %1: to nie jest zwykły plik.").arg(path_));
}

OpenFile::~OpenFile()
{
    if (fd_ >= 0)
        ops_.close(fd_);
}

void OpenFile::fail(const QString& what, int error) const
{
    throw IoError(QStringLiteral("%1 pliku %2: %3.").arg(what, path_, describeErrno(error)));
}

void OpenFile::takeAccessOf(const QString& path)
{
    struct stat replaced {};
    if (ops_.stat(QFile::encodeName(path).constData(), &replaced) != 0)
        return; // a new file: the user's umask decides, as for any new file
    takeAccessOf(replaced);
}

void OpenFile::takeAccessOf(const struct stat& replaced)
{
    // The group first: changing it may clear the set-group-ID bit. Only a
    // member of the group may give it; otherwise the file keeps the user's
    // group, the most the system allows. A file system without owners or
    // modes (a Windows share) refuses both, and the contents are what counts.
    ops_.fchown(fd_, static_cast<uid_t>(-1), replaced.st_gid);
    ops_.fchmod(fd_, replaced.st_mode & 07777);
}

qint64 OpenFile::size() const
{
    struct stat info {};
    if (ops_.fstat(fd_, &info) != 0)
        fail(QStringLiteral("Błąd odczytu"), errno);
    return info.st_size;
}

qint64 OpenFile::readAt(qint64 offset, char* buffer, qint64 length) const
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ops_.pread(fd_, buffer + done, size_t(length - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("Błąd odczytu"), errno);
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

QByteArray OpenFile::readExactly(qint64 offset, qint64 length) const
{
    QByteArray bytes(length, Qt::Uninitialized);
    if (readAt(offset, bytes.data(), length) != length)
        throw IoError(QStringLiteral("Błąd odczytu pliku %1: plik jest krótszy niż oczekiwano.").arg(path_));
    return bytes;
}

void OpenFile::writeAt(qint64 offset, const char* data, qint64 length)
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ops_.pwrite(fd_, data + done, size_t(length - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("Błąd zapisu"), errno);
        }
        if (n == 0)
            fail(QStringLiteral("Błąd zapisu"), EIO);
        done += n;
    }
}

void OpenFile::truncate(qint64 size)
{
    if (ops_.ftruncate(fd_, off_t(size)) != 0)
        fail(QStringLiteral("Błąd zapisu"), errno);
}

void OpenFile::sync()
{
    if (ops_.fsync(fd_) != 0)
        fail(QStringLiteral("Błąd zapisu"), errno);
}

void OpenFile::close()
{
    const int fd = fd_;
    fd_ = -1;
    if (ops_.close(fd) != 0)
        fail(QStringLiteral("Błąd zamykania"), errno);
}

} // namespace kw
