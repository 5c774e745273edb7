#include "store/document_file.h"

#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/io_error.h"
#include "store/open_file.h"
#include "store/record_file.h"
#include "store/record_stream.h"

#include <QFile>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace kw {

namespace {

bool pathExists(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 || errno != ENOENT;
}

[[noreturn]] void throwNoRecord(const QString& path, qint64 position, qint64 count)
{
    throw IoError(
        QStringLiteral("Plik %1 nie zawiera rekordu nr %2 (rekordów: %3).").arg(path).arg(position).arg(count));
}

} // namespace

QString numberTakenNotice(const QString& number, qint64 position)
{
    return QStringLiteral("Numer %1 ma już dokument na pozycji %2 pliku dokumentów, więc nowego nie zapisano. "
                          "Sprawdź numer ostatniego dokumentu w ustawieniach numeracji.")
        .arg(number)
        .arg(position);
}

QString documentChangedNotice(const QString& documentFile, qint64 position)
{
    return QStringLiteral("Dokument nr %1 w pliku %2 został w międzyczasie zmieniony, przesunięty lub usunięty "
                          "przez inny program. Niczego nie zmieniono. Wczytaj dokument ponownie.")
        .arg(position)
        .arg(documentFile);
}

DocumentFile::DocumentFile(FileOps& ops, const DataPaths& paths)
    : ops_(ops), path_(paths.documentFile()), copyPath_(paths.documentCopyFile())
{}

// An overwrite never changes the count, so counting needs no journal check.
qint64 DocumentFile::count() const { return RecordFile(ops_, path_, doc::Size).count(); }

DocumentRecord DocumentFile::read(qint64 position) const
{
    // A read takes no lock, which is safe against a delete (the file is
    // replaced in one rename) but not against an overwrite in place, which
    // is under way exactly while its journal exists.
    const DocumentJournal journal(ops_, path_);
    if (!journal.mayExist()) {
        DocumentRecord record = readRecord(position);
        if (!journal.mayExist())
            return record;
    }
    DocumentLock lock(path_, DocumentLock::Reading);
    journal.recover(lock);
    return readRecord(position);
}

DocumentRecord DocumentFile::readRecord(qint64 position) const
{
    return DocumentRecord::fromBytes(RecordFile(ops_, path_, doc::Size).read(position));
}

bool DocumentFile::restoreFromCopy()
{
    DocumentLock lock(path_);
    if (pathExists(path_) || !pathExists(copyPath_))
        return false;
    if (ops_.rename(QFile::encodeName(copyPath_).constData(), QFile::encodeName(path_).constData()) != 0)
        throw IoError(QStringLiteral("Nie można odtworzyć pliku dokumentów %1 z kopii %2: %3.")
                          .arg(path_, copyPath_, describeErrno(errno)));
    syncFolderOf(ops_, path_);
    return true;
}

void DocumentFile::prepareWrite(const DocumentLock& lock) const
{
    DocumentJournal(ops_, path_).recover(lock);
    // A delete killed before its rename leaves a copy of the whole file
    // beside it; a torn document file keeps it, as the copy may be whole.
    OpenFile file(ops_, path_, OpenFile::ReadOnly);
    const qint64 size = file.size();
    if (size > 0 && size % doc::Size == 0 && ops_.unlink(QFile::encodeName(copyPath_).constData()) == 0)
        syncFolderOf(ops_, copyPath_);
}

qint64 DocumentFile::append(const DocumentRecord& record)
{
    DocumentLock lock(path_);
    prepareWrite(lock);
    return RecordFile(ops_, path_, doc::Size).append(record.bytes());
}

namespace {

// The bytes of a text field of a stored record, its length clamped to the
// field: equal texts have equal bytes in code page 1250.
QByteArrayView fieldText(QByteArrayView record, StringField field)
{
    const int length = std::min<int>(quint8(record[field.offset]), field.maxChars);
    return record.sliced(field.offset + 1, length);
}

bool sameNumber(QByteArrayView stored, QByteArrayView record)
{
    for (const StringField field : {doc::DocKind, doc::DocNumber, doc::NumberSuffix})
        if (fieldText(stored, field) != fieldText(record, field))
            return false;
    return true;
}

} // namespace

std::optional<qint64> DocumentFile::findNumber(QByteArrayView record, qint64 except) const
{
    RecordStream stream(ops_, path_, doc::Size);
    QByteArrayView stored;
    while (stream.next(stored)) {
        if (stream.position() != except && sameNumber(stored, record))
            return stream.position();
    }
    return std::nullopt;
}

std::optional<qint64> DocumentFile::holderOfNumber(const DocumentRecord& record, qint64 except) const
{
    DocumentLock lock(path_, DocumentLock::Reading);
    DocumentJournal(ops_, path_).recover(lock);
    return findNumber(record.bytes(), except);
}

qint64 DocumentFile::appendWithFreeNumber(const DocumentRecord& record)
{
    DocumentLock lock(path_);
    prepareWrite(lock);
    const QByteArray bytes = record.bytes();
    if (const std::optional<qint64> holder = findNumber(bytes, 0)) {
        const QString suffix = record.get(doc::NumberSuffix);
        const QString number = record.get(doc::DocNumber);
        throw IoError(numberTakenNotice(suffix.isEmpty() ? number : number + QLatin1Char('/') + suffix, *holder));
    }
    return RecordFile(ops_, path_, doc::Size).append(bytes);
}

void DocumentFile::expectLoaded(qint64 position, const DocumentRecord& loaded) const
{
    OpenFile file(ops_, path_, OpenFile::ReadOnly);
    if (position < 1 || position > file.size() / doc::Size ||
        file.readExactly((position - 1) * doc::Size, doc::Size) != loaded.bytes())
        throw IoError(documentChangedNotice(path_, position));
}

void DocumentFile::overwrite(qint64 position, const DocumentRecord& record, const DocumentRecord& loaded)
{
    DocumentLock lock(path_);
    prepareWrite(lock);
    expectLoaded(position, loaded);
    writeInPlace(lock, position, record);
}

void DocumentFile::overwrite(qint64 position, const DocumentRecord& record)
{
    DocumentLock lock(path_);
    prepareWrite(lock);
    writeInPlace(lock, position, record);
}

void DocumentFile::remove(qint64 position, const DocumentRecord& loaded)
{
    DocumentLock lock(path_);
    prepareWrite(lock);
    expectLoaded(position, loaded);
    rewriteWithout(position);
}

void DocumentFile::remove(qint64 position)
{
    DocumentLock lock(path_);
    prepareWrite(lock);
    rewriteWithout(position);
}

void DocumentFile::writeInPlace(const DocumentLock& lock, qint64 position, const DocumentRecord& record)
{
    OpenFile file(ops_, path_, OpenFile::ReadWrite);
    const qint64 count = file.size() / doc::Size;
    if (position < 1 || position > count)
        throwNoRecord(path_, position, count);
    DocumentJournal journal(ops_, path_);
    journal.write({position, record.bytes()});
    try {
        file.writeAt((position - 1) * doc::Size, record.bytes());
        file.sync();
    } catch (const IoError&) {
        // The journal holds the whole record, so the write may be finished
        // from it at once; otherwise it stays for the next operation.
        bool finished = false;
        try {
            journal.recover(lock);
            finished = true;
        } catch (const IoError&) {}
        if (!finished)
            throw;
        return;
    }
    journal.discard();
}

void DocumentFile::rewriteWithout(qint64 position)
{
    RecordStream source(ops_, path_, doc::Size);
    if (position < 1 || position > source.count())
        throwNoRecord(path_, position, source.count());
    replaceFileAtomically(ops_, path_, copyPath_, [&](OpenFile& copy) {
        // Whole chunks of records are written at once.
        QByteArray pending;
        qint64 written = 0;
        QByteArrayView record;
        while (source.next(record)) {
            if (source.position() != position)
                pending.append(record.data(), record.size());
            if (pending.size() >= 256 * doc::Size) {
                copy.writeAt(written, pending);
                written += pending.size();
                pending.clear();
            }
        }
        copy.writeAt(written, pending);
    });
}

} // namespace kw
