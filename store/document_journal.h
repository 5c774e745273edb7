#pragma once

#include "store/file_ops.h"
#include "store/record_layouts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace kw {

class DocumentLock;

// One document to be written over the one at `position` (1-based).
struct JournalEntry {
    qint64 position = 0;
    QByteArray record; // doc::Size bytes
};

// The redo journal of a document written in place: dokumenty_r.jrn beside
// the document file. A document is stored over an old one by writing the
// journal whole (a new file, synced, renamed into place), then the record in
// place, syncing it, and removing the journal. Whoever finds a journal left
// behind finishes the write before touching the file, so a failure or a
// crash at any moment leaves the old document or the new one, never a mix.
// Once the journal is in place the new document wins, even when the write
// in place failed and was reported.
//
// The journal's bytes (3275), integers little-endian:
//   offset  length
//   0       4     "KWJR"
//   4       4     version, 1
//   8       8     position (signed)
//   16      3251  the new record
//   3267    8     FNV-1a 64 of bytes 8 .. 3266 (position and record)
// Anything else (cut short, grown, a wrong sum) is a journal whose writing
// never finished, so the document file was never touched: it is removed.
class DocumentJournal
{
public:
    static constexpr int Size = 16 + doc::Size + 8;

    DocumentJournal(FileOps& ops, const QString& documentFile);

    const QString& path() const { return path_; }

    // Whether a journal may lie beside the document file, with one failed
    // open in the usual case of none; any doubt counts as "may". Needs no
    // lock.
    bool mayExist() const;

    // Writes the journal of `entry` atomically. Throws IoError, leaving no
    // journal, when it is not in place whole.
    void write(const JournalEntry& entry);

    // Removes the journal after its record is in place and synced. Not
    // reported when it fails: the journal then stays and writes the same
    // bytes once more at the next operation.
    void discard();

    // Finishes or drops a journal left behind; does nothing without one.
    // Called before anything reads or changes the document file, holding
    // `lock`. A reader that could not take the lock (a read-only folder) goes
    // on only when there is no complete journal. Throws IoError when a
    // complete journal cannot be applied and removed; the journal then
    // stays.
    void recover(const DocumentLock& lock) const;

private:
    void apply(const JournalEntry& entry) const;

    FileOps& ops_;
    QString documentFile_;
    QString path_;
};

// The journal of a document file: dokumenty_r.jrn in its folder, the same
// path DataPaths::documentJournalFile() gives. Only this program writes it,
// so its spelling is exact.
QString documentJournalFileFor(const QString& documentFile);

// The journal's bytes for `entry`, and the entry of journal bytes; nothing
// for bytes that are not one whole journal.
QByteArray journalBytes(const JournalEntry& entry);
std::optional<JournalEntry> parseJournal(QByteArrayView bytes);

// The notice of a journal found where it cannot be applied now.
QString unfinishedSaveNotice(const QString& documentFile, qint64 position, const QString& reason);

} // namespace kw
