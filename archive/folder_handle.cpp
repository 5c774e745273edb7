#include "archive/folder_handle.h"

#include "archive/zip_entry_fields.h"
#include "store/io_error.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace kw {

namespace {

// describeErrno in words for this class's calls: O_NOFOLLOW meets a link
// with ELOOP, whose system text says nothing of a link.
QString reason(int error)
{
    return error == ELOOP ? QStringLiteral("to dowiązanie symboliczne") : describeErrno(error);
}

} // namespace

FolderHandle FolderHandle::open(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw IoError(QStringLiteral("Nie można otworzyć folderu %1: %2.").arg(path, reason(errno)));
    return FolderHandle(fd, path);
}

FolderHandle::FolderHandle(FolderHandle&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_))
{
    other.fd_ = -1;
}

FolderHandle::~FolderHandle()
{
    if (fd_ >= 0)
        ::close(fd_);
}

QString FolderHandle::pathOf(const QByteArray& name) const { return path_ + QLatin1Char('/') + fileNameText(name); }

void FolderHandle::fail(const QString& what, const QByteArray& name, int error) const
{
    throw IoError(QStringLiteral("%1 %2: %3.").arg(what, pathOf(name), reason(error)));
}

QByteArrayList FolderHandle::entryNames() const
{
    // The listing gets a descriptor of its own: closedir closes it.
    const int listed = ::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!dir) {
        const int error = errno;
        if (listed >= 0)
            ::close(listed);
        throw IoError(QStringLiteral("Nie można odczytać folderu %1: %2.").arg(path_, reason(error)));
    }
    QByteArrayList names;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
        errno = 0;
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0)
        throw IoError(QStringLiteral("Nie można odczytać folderu %1: %2.").arg(path_, reason(error)));
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<struct stat> FolderHandle::status(const QByteArray& name) const
{
    struct stat info {};
    if (::fstatat(fd_, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0)
        return info;
    if (errno == ENOENT)
        return std::nullopt;
    fail(QStringLiteral("Nie można sprawdzić"), name, errno);
}

FolderHandle FolderHandle::folder(const QByteArray& name) const
{
    const int fd = ::openat(fd_, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        fail(QStringLiteral("Nie można otworzyć folderu"), name, errno);
    return FolderHandle(fd, pathOf(name));
}

void FolderHandle::createFolder(const QByteArray& name, mode_t mode) const
{
    if (::mkdirat(fd_, name.constData(), mode) != 0)
        fail(QStringLiteral("Nie można utworzyć folderu"), name, errno);
}

QByteArray FolderHandle::readFile(const QByteArray& name) const
{
    // Without blocking, so a FIFO put in a file's place cannot hang the open.
    const int fd = ::openat(fd_, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fail(QStringLiteral("Nie można otworzyć pliku"), name, errno);
    struct stat info {};
    QByteArray bytes;
    int error = ::fstat(fd, &info) == 0 ? 0 : errno;
    if (error == 0 && !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw IoError(QStringLiteral("Nie można użyć pliku %1: to nie jest zwykły plik.").arg(pathOf(name)));
    }
    char buffer[65536];
    while (error == 0) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, n);
        else if (n == 0)
            break;
        else if (errno != EINTR)
            error = errno;
    }
    ::close(fd);
    if (error != 0)
        fail(QStringLiteral("Błąd odczytu pliku"), name, error);
    return bytes;
}

} // namespace kw
