#pragma once

#include "store/file_ops.h"

#include <QString>
#include <QStringList>

namespace kw {

// The folder an output file goes into, opened once. The file it replaces is
// read, and the temporary file made and renamed, through this one
// descriptor, so a folder of the path swapped for a symbolic link after the
// checks cannot send the file anywhere else.
class OutputFolder
{
public:
    // Opens the absolute `path`, its links resolved, one folder at a time and
    // never through a link. Stops at the first folder on the way that holds
    // the program's data: one of `protectedFolders` (the same device and
    // inode, so a bind mount of one is found too) or a folder named Admini,
    // Uslugi, Szablony or FONT, in any letter case, that holds the program's
    // files, as another data folder's do. Throws IoError when a folder cannot
    // be opened.
    OutputFolder(FileOps& ops, const QString& path, const QStringList& protectedFolders);
    ~OutputFolder();
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;

    // The data folder found on the way; empty when the folder is open.
    const QString& dataFolder() const { return dataFolder_; }
    int descriptor() const { return fd_; }
    QString filePath(const QString& name) const;
    // Makes a rename in the folder last through a power cut. Best effort: a
    // folder that cannot be synced (some network shares) is left as it is.
    void sync();

private:
    // Makes the descriptor `next` of the folder `path` the open one, closing
    // the one before; throws when it is no folder.
    void enter(int next, const QString& path);

    FileOps& ops_;
    QString path_;
    QString dataFolder_;
    int fd_ = -1;
    struct stat entered_ {};
};

} // namespace kw
