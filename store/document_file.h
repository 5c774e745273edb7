#pragma once

#include "data_folder.h"
#include "file_ops.h"
#include "records.h"

namespace kw {

// The document file Uslugi/dokumenty_r.dat: one DocumentRecord per stored
// bill or corrective bill, in the order they were first stored.
class DocumentFile {
public:
    DocumentFile(FileOps& ops, const DataPaths& paths);

    const QString& path() const { return path_; }
    qint64 count() const;
    DocumentRecord read(qint64 position) const;

    // Appends a document; returns its position.
    qint64 append(const DocumentRecord& record);
    // Overwrites the document at `position` in place.
    void overwrite(qint64 position, const DocumentRecord& record);

    // Removes the document at `position`; the ones behind it move up. The
    // shortened copy is written completely as dokumenty_r.old, synced and
    // renamed over the document file in one step, so the store is never
    // left without its file and the old file stays whole on any failure.
    void remove(qint64 position);

private:
    FileOps& ops_;
    QString path_;
    QString copyPath_;
};

} // namespace kw
