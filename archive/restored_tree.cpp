#include "archive/restored_tree.h"

#include "store/io_error.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace kw {

namespace {

// Folders stay the owner's alone until the restore is complete.
constexpr mode_t unfinishedFolder = 0700;
// A folder the archive holds files of but has no entry for.
constexpr mode_t impliedFolder = 0755;

// "a/b/c" as "a/b" and "c"; "c" as "" and "c".
std::pair<QByteArray, QByteArray> splitPath(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {QByteArray(), path};
    return {path.left(slash), path.mid(slash + 1)};
}

// The folder `path`, made when it is missing (`made` says so) or taken when
// it is empty.
FolderHandle emptyFolder(const QString& path, bool& made)
{
    const QByteArray encoded = QFile::encodeName(path);
    made = ::mkdir(encoded.constData(), 0777) == 0;
    if (!made && errno != EEXIST)
        throw IoError(QStringLiteral("Nie można utworzyć folderu %1: %2.").arg(path, describeErrno(errno)));
    try {
        FolderHandle folder = FolderHandle::open(path);
        if (!made && !folder.entryNames().isEmpty())
            throw IoError(QStringLiteral("Folder %1 nie jest pusty: kopię odtwarza się tylko do nowego albo pustego "
                                         "folderu, nigdy w miejsce danych.")
                              .arg(path));
        return folder;
    } catch (const IoError&) {
        if (made)
            ::rmdir(encoded.constData());
        throw;
    }
}

// Sets the modification (and access) time of the open file or folder `fd`.
// Like its mode, best effort: a file system without them (a Windows share)
// refuses, and the contents are what counts.
void setTime(int fd, time_t modified)
{
    const timespec times[2] = {{modified, 0}, {modified, 0}};
    ::futimens(fd, times);
}

} // namespace

RestoredFile::~RestoredFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void RestoredFile::write(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw IoError(
                QStringLiteral("Błąd zapisu pliku %1: %2.").arg(path_, describeErrno(n < 0 ? errno : ENOSPC)));
        done += n;
    }
}

void RestoredFile::finish(const RestoreEntry& entry)
{
    ::fchmod(fd_, entry.permissions);
    setTime(fd_, entry.modified);
    const int fd = std::exchange(fd_, -1);
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        throw IoError(QStringLiteral("Błąd zapisu pliku %1: %2.").arg(path_, describeErrno(errno)));
}

RestoredTree::RestoredTree(const QString& path) : root_(emptyFolder(path, madeRoot_)) {}

RestoredTree::~RestoredTree()
{
    if (!finished_)
        removeWritten();
}

const FolderHandle& RestoredTree::folderAt(const QByteArray& path)
{
    if (path.isEmpty())
        return root_;
    if (const auto found = folders_.find(path); found != folders_.end())
        return found->second.handle;
    const auto [parentPath, name] = splitPath(path);
    const FolderHandle& parent = folderAt(parentPath);
    parent.createFolder(name, unfinishedFolder);
    written_.push_back({parentPath, name, true});
    return folders_.emplace(path, Folder{parent.folder(name), impliedFolder, std::nullopt}).first->second.handle;
}

void RestoredTree::addFolder(const QByteArray& path) { folderAt(path); }

void RestoredTree::addFolder(const RestoreEntry& entry)
{
    folderAt(entry.path);
    Folder& folder = folders_.at(entry.path);
    folder.permissions = entry.permissions;
    folder.modified = entry.modified;
}

void RestoredTree::addFile(const RestoreEntry& entry, const std::function<void(RestoredFile&)>& fill)
{
    const auto [folderPath, name] = splitPath(entry.path);
    const FolderHandle& folder = folderAt(folderPath);
    const int fd =
        ::openat(folder.descriptor(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        throw IoError(
            QStringLiteral("Nie można utworzyć pliku %1: %2.").arg(folder.pathOf(name), describeErrno(errno)));
    written_.push_back({folderPath, name, false});
    RestoredFile file(fd, folder.pathOf(name));
    fill(file);
    file.finish(entry);
}

void RestoredTree::adoptFile(const QByteArray& folder, const QByteArray& name)
{
    written_.push_back({folder, name, false});
}

void RestoredTree::finish()
{
    for (auto& [path, folder] : folders_) {
        ::fchmod(folder.handle.descriptor(), folder.permissions);
        if (folder.modified)
            setTime(folder.handle.descriptor(), *folder.modified);
        ::fsync(folder.handle.descriptor());
    }
    ::fsync(root_.descriptor());
    finished_ = true;
}

void RestoredTree::removeWritten()
{
    for (auto it = written_.rbegin(); it != written_.rend(); ++it) {
        const FolderHandle& folder = it->folder.isEmpty() ? root_ : folders_.at(it->folder).handle;
        ::unlinkat(folder.descriptor(), it->name.constData(), it->isFolder ? AT_REMOVEDIR : 0);
    }
    if (madeRoot_)
        ::rmdir(QFile::encodeName(root_.path()).constData());
}

} // namespace kw
