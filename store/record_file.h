#pragma once

#include "store/file_ops.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace kw {

// A file of fixed-size records with no header. The record count is
// size / record size; a torn tail (a partial record left by a crash) is never
// read as a record. Positions are 1-based. Each call opens the file, does one
// operation and closes it.
class RecordFile
{
public:
    RecordFile(FileOps& ops, const QString& path, int recordSize);

    const QString& path() const { return path_; }
    qint64 count() const;

    // Returns the record at `position`; throws IoError when the file holds no
    // whole record there.
    QByteArray read(qint64 position) const;
    // The first record of a one-record file; throws IoError naming the file
    // when it is shorter than one record.
    QByteArray readFirst() const { return read(1); }

    // Appends one record after the last whole record (a torn tail is cut
    // first) and syncs it. Returns its position. On failure the file is cut
    // back to its old length, so no partial record stays.
    qint64 append(const QByteArray& record);

    // Replaces the whole file atomically (temporary file, sync, rename),
    // first removing the temporaries earlier replaces left behind.
    void replace(const QByteArray& records);

private:
    FileOps& ops_;
    QString path_;
    int recordSize_;
};

// Writes a complete new file at `tempPath` through `fill`, syncs it and
// renames it over `path`, then syncs the folder. Throws exactly when the old
// file is still in place, whole; the temporary file is removed then.
void replaceFileAtomically(FileOps& ops, const QString& path, const QString& tempPath,
                           const std::function<void(class OpenFile&)>& fill);

// Syncs the folder holding `path`, so that a rename or removal in it lasts
// through a power cut. Best effort: a folder that cannot be synced (some
// network shares) is left as it is.
void syncFolderOf(FileOps& ops, const QString& path);

// The temporary name used for atomic replacement of `path`: `path`, a dot
// and temporarySuffixLength random letters and digits.
inline constexpr int temporarySuffixLength = 6;
QString temporaryNameFor(const QString& path);

// Removes the temporary files of replacements of `path` that a crash left
// behind: those named like temporaryNameFor gives, last changed before this
// program started. Best effort; a file that cannot be removed stays.
void removeStaleTemporaries(FileOps& ops, const QString& path);

} // namespace kw
