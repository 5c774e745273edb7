#include "document_file.h"

#include "document_lock.h"
#include "io_error.h"
#include "open_file.h"
#include "record_file.h"
#include "record_stream.h"

namespace kw {

QString documentChangedNotice(const QString& documentFile, qint64 position)
{
    return QStringLiteral("Dokument nr %1 w pliku %2 został w międzyczasie zmieniony, przesunięty lub usunięty "
                          "przez inny program. Niczego nie zmieniono. Wczytaj dokument ponownie.")
        .arg(position)
        .arg(documentFile);
}

DocumentFile::DocumentFile(FileOps& ops, const DataPaths& paths)
    : ops_(ops), path_(paths.documentFile()), copyPath_(paths.documentCopyFile())
{
}

qint64 DocumentFile::count() const { return RecordFile(ops_, path_, doc::Size).count(); }

DocumentRecord DocumentFile::read(qint64 position) const
{
    return DocumentRecord::fromBytes(RecordFile(ops_, path_, doc::Size).read(position));
}

qint64 DocumentFile::append(const DocumentRecord& record)
{
    DocumentLock lock(path_);
    return RecordFile(ops_, path_, doc::Size).append(record.bytes());
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
    expectLoaded(position, loaded);
    rewrite(position, &record.bytes());
}

void DocumentFile::overwrite(qint64 position, const DocumentRecord& record)
{
    DocumentLock lock(path_);
    rewrite(position, &record.bytes());
}

void DocumentFile::remove(qint64 position, const DocumentRecord& loaded)
{
    DocumentLock lock(path_);
    expectLoaded(position, loaded);
    rewrite(position, nullptr);
}

void DocumentFile::remove(qint64 position)
{
    DocumentLock lock(path_);
    rewrite(position, nullptr);
}

void DocumentFile::rewrite(qint64 position, const QByteArray* replacement)
{
    RecordStream source(ops_, path_, doc::Size);
    if (position < 1 || position > source.count())
        throw IoError(QStringLiteral("Plik %1 nie zawiera rekordu nr %2 (rekordów: %3).")
                          .arg(path_)
                          .arg(position)
                          .arg(source.count()));
    replaceFileAtomically(ops_, path_, copyPath_, [&](OpenFile& copy) {
        // Whole chunks of records are written at once.
        QByteArray pending;
        qint64 written = 0;
        QByteArrayView record;
        while (source.next(record)) {
            if (source.position() != position)
                pending.append(record.data(), record.size());
            else if (replacement)
                pending.append(*replacement);
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
