#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <sys/stat.h>

#include <optional>
#include <utility>

namespace kw {

// A folder open by its descriptor. Its entries are reached relative to the
// descriptor by their names as bytes (a name copied from Windows may be code
// page 1250, which a QString does not keep), and no symbolic link among
// them is followed, so a folder swapped for a link cannot turn a read or a
// write elsewhere. Failures throw IoError naming the entry.
class FolderHandle
{
public:
    // The folder at `path`, links on the way followed as the user gave them.
    static FolderHandle open(const QString& path);
    FolderHandle(FolderHandle&& other) noexcept;
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    FolderHandle& operator=(FolderHandle&&) = delete;
    ~FolderHandle();

    int descriptor() const { return fd_; }
    // The folder's path and the path of its entry `name`, for messages.
    const QString& path() const { return path_; }
    QString pathOf(const QByteArray& name) const;

    // The names of its entries in byte order, "." and ".." left out.
    QByteArrayList entryNames() const;
    // The status of its entry `name` itself (a link is a link); none when
    // there is no such entry.
    std::optional<struct stat> status(const QByteArray& name) const;
    // Its sub-folder `name`; a link in its place throws.
    FolderHandle folder(const QByteArray& name) const;
    // Creates its sub-folder `name`; an existing entry of that name throws.
    void createFolder(const QByteArray& name, mode_t mode) const;
    // The bytes of its regular file `name`; a link or anything else but a
    // regular file throws.
    QByteArray readFile(const QByteArray& name) const;

private:
    FolderHandle(int fd, QString path) : fd_(fd), path_(std::move(path)) {}
    [[noreturn]] void fail(const QString& what, const QByteArray& name, int error) const;

    int fd_;
    QString path_;
};

} // namespace kw
