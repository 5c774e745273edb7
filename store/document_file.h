#pragma once

#include "store/data_folder.h"
#include "store/file_ops.h"
#include "store/records.h"

#include <QByteArray>

#include <optional>

namespace kw {

class DocumentLock;

// The document file Uslugi/dokumenty_r.dat: one DocumentRecord per stored
// bill or corrective bill, in the order they were first stored.
//
// Every change holds the DocumentLock for its whole length and first
// finishes an overwrite left unfinished (see DocumentJournal). A position is
// only where a document lay when it was read: another instance may have
// changed, moved or deleted it since, so changing a loaded document names
// the bytes that were loaded, and is refused when the position holds other
// bytes now.
class DocumentFile
{
public:
    DocumentFile(FileOps& ops, const DataPaths& paths);

    const QString& path() const { return path_; }
    qint64 count() const;
    // Takes the lock only when an overwrite's journal lies beside the file,
    // before or after the read, and then reads again once it is finished.
    DocumentRecord read(qint64 position) const;

    // Puts the copy a half-done delete left (dokumenty_r.old) back as the
    // document file when there is no document file; returns whether it did.
    // Every change below first removes such a copy when the document file
    // beside it is whole.
    bool restoreFromCopy();

    // Appends a document; returns its position.
    qint64 append(const DocumentRecord& record);
    // The position of the first stored document other than the one at
    // `except` whose kind, number and extension are those of `record`
    // (texts compared as stored); empty when there is none.
    std::optional<qint64> holderOfNumber(const DocumentRecord& record, qint64 except = 0) const;

    // Appends a document whose kind, number and extension no stored document
    // has; otherwise throws IoError (numberTakenNotice) and writes nothing.
    // Looked for under the lock, so two instances numbering from the same
    // settings at once never store one number twice.
    qint64 appendWithFreeNumber(const DocumentRecord& record);

    // Replaces the document at `position`, which must still hold `loaded`;
    // otherwise throws IoError (documentChangedNotice) and writes nothing.
    // Written in place through the journal, so it costs one record whatever
    // the size of the file. When the write in place fails after the journal
    // is whole, the error is reported, yet the next operation of any
    // instance stores the new document: a caller reads it again rather than
    // storing it twice.
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
    // holderOfNumber() for a caller that holds the lock.
    std::optional<qint64> findNumber(QByteArrayView record, qint64 except) const;
    // Finishes an interrupted overwrite and drops a leftover copy.
    void prepareWrite(const DocumentLock& lock) const;
    DocumentRecord readRecord(qint64 position) const;
    // Writes the journal, then the record in place, then drops the journal.
    void writeInPlace(const DocumentLock& lock, qint64 position, const DocumentRecord& record);
    // Writes the whole file anew without the document at `position`: the
    // copy is written completely as dokumenty_r.old, synced and renamed over
    // the document file in one step, so a crash or a failing disk leaves
    // either the old file or the new one, whole, and never the store without
    // its file.
    void rewriteWithout(qint64 position);
    // Throws IoError unless the document at `position` is `loaded`.
    void expectLoaded(qint64 position, const DocumentRecord& loaded) const;

    FileOps& ops_;
    QString path_;
    QString copyPath_;
};

// The notice of a refused document whose number `number` ("8/2026") the
// document at `position` already has.
QString numberTakenNotice(const QString& number, qint64 position);

// The notice of a refused change to a document another instance changed,
// moved or deleted after it was loaded.
QString documentChangedNotice(const QString& documentFile, qint64 position);

} // namespace kw
