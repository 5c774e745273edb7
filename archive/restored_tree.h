#pragma once

#include "archive/folder_handle.h"
#include "archive/restore_entries.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace kw {

// A file of a restore being written.
class RestoredFile
{
public:
    ~RestoredFile();
    RestoredFile(const RestoredFile&) = delete;
    RestoredFile& operator=(const RestoredFile&) = delete;

    // Appends `bytes`; throws IoError when not all of them are written.
    void write(QByteArrayView bytes);

private:
    friend class RestoredTree;
    RestoredFile(int fd, QString path) : fd_(fd), path_(std::move(path)) {}
    // Gives the file its mode and time, syncs and closes it.
    void finish(const RestoreEntry& entry);

    int fd_;
    QString path_;
};

// The files and folders a restore writes into a new or empty folder, every
// one created anew (never over something there) relative to the descriptor
// of its folder. Folders are the owner's alone while the restore runs and
// get their own modes and times at the end. Until finish(),
// destroying the tree removes everything it wrote, and the folder itself
// when it made it, so a failed restore leaves nothing half done.
class RestoredTree
{
public:
    // Creates the folder `path` (its parent must exist) or opens it when it
    // exists and is empty; throws IoError otherwise.
    explicit RestoredTree(const QString& path);
    ~RestoredTree();
    RestoredTree(const RestoredTree&) = delete;
    RestoredTree& operator=(const RestoredTree&) = delete;

    const QString& path() const { return root_.path(); }

    // Creates the folder `path` (relative, components joined by '/') and
    // the folders above it that are missing. An existing one is left as it
    // is.
    void addFolder(const QByteArray& path);
    // The folder entry `entry`: created, and its mode and time noted.
    void addFolder(const RestoreEntry& entry);
    // The file entry `entry`, created with the bytes `fill` writes into it,
    // then given its mode and time and synced.
    void addFile(const RestoreEntry& entry, const std::function<void(RestoredFile&)>& fill);
    // Takes the file `name` in the folder `folder` (which must exist) as
    // written by this restore, to be removed if it fails.
    void adoptFile(const QByteArray& folder, const QByteArray& name);

    // Gives the folders their modes and times and syncs them; from then on
    // the tree stays.
    void finish();

private:
    struct Folder {
        FolderHandle handle;
        mode_t permissions;
        std::optional<time_t> modified;
    };
    struct Written {
        QByteArray folder; // the path of the folder holding it, "" for the root
        QByteArray name;
        bool isFolder;
    };

    const FolderHandle& folderAt(const QByteArray& path);
    void removeWritten();

    bool madeRoot_ = false;
    FolderHandle root_;
    std::map<QByteArray, Folder> folders_;
    std::vector<Written> written_;
    bool finished_ = false;
};

} // namespace kw
