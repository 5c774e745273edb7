#pragma once

#include "store/file_ops.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kw {

// A one-record data file opened for editing. It keeps the bytes as read, so
// that a save can see whether another program wrote the file meanwhile, and
// writes back everything after the first record untouched.
class EditedFile
{
public:
    // Reads `path` whole. With `mayBeMissing` a missing file reads as a
    // record of zeros and is created by the first save; otherwise, and for a
    // file shorter than one record, throws IoError naming the file.
    EditedFile(FileOps& ops, const QString& path, int recordSize, bool mayBeMissing = false);

    const QString& path() const { return path_; }
    // The first record as read or last saved.
    QByteArray record() const;

    // True when the file on disk is no longer the one read or last saved
    // (changed, replaced, removed or created since).
    bool changedOnDisk() const;

    // Reads the file again, taking it as it is now; throws like the
    // constructor and then keeps the contents read before.
    void reload();

    // Replaces the file atomically with `record` followed by the bytes that
    // followed the first record. Throws IoError with a notice for the user,
    // writing nothing, when the file changed on disk since it was read; and
    // when the replacement fails, the old file then stays whole.
    void save(const QByteArray& record);

private:
    std::optional<QByteArray> readContents() const;
    // The file's contents, checked as the constructor describes.
    std::optional<QByteArray> readChecked() const;

    FileOps& ops_;
    QString path_;
    int recordSize_;
    bool mayBeMissing_;
    // Empty while the file does not exist.
    std::optional<QByteArray> contents_;
};

} // namespace kw
