#pragma once

#include "data_folder.h"
#include "file_ops.h"
#include "records.h"

#include <QByteArray>

namespace kw {

// The document file Uslugi/dokumenty_r.dat: one DocumentRecord per stored
// bill or corrective bill, in the order they were first stored.
//
// Every change holds the DocumentLock for its whole length. A position is
// only where a document lay when it was read: another instance may have
// changed, moved or deleted it since, so changing a loaded document names
// the bytes that were loaded, and is refused when the position holds other
// bytes now.
class DocumentFile {
public:
    DocumentFile(FileOps& ops, const DataPaths& paths);

    const QString& path() const { return path_; }
    qint64 count() const;
    DocumentRecord read(qint64 position) const;

    // Appends a document; returns its position.
    qint64 append(const DocumentRecord& record);

    // Replaces the document at `position`, which must still hold `loaded`;
    // otherwise throws IoError (documentChangedNotice) and writes nothing.
    void overwrite(qint64 position, const DocumentRecord& record, const DocumentRecord& loaded);
    // Replaces the document at `position` whatever it holds now.
    void overwrite(qint64 position, const DocumentRecord& record);

    // Removes the document at `position`, which must still hold `loaded`;
    // otherwise throws IoError (documentChangedNotice) and removes nothing.
    // The ones behind it move up.
    void remove(qint64 position, const DocumentRecord& loaded);
    // Removes the document at `position` whatever it holds now.
    void remove(qint64 position);

private:
    // Writes the whole file anew without the document at `position`, or with
    // `replacement` in its place: the copy is written completely as
    // dokumenty_r.old, synced and renamed over the document file in one step,
    // so a crash or a failing disk leaves either the old file or the new one,
    // whole, and never the store without its file.
    void rewrite(qint64 position, const QByteArray* replacement);
    // Throws IoError unless the document at `position` is `loaded`.
    void expectLoaded(qint64 position, const DocumentRecord& loaded) const;

    FileOps& ops_;
    QString path_;
    QString copyPath_;
};

// The notice of a refused change to a document another instance changed,
// moved or deleted after it was loaded.
QString documentChangedNotice(const QString& documentFile, qint64 position);

} // namespace kw
