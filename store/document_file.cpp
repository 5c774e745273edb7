#include "document_file.h"

#include "io_error.h"
#include "open_file.h"
#include "record_file.h"
#include "record_stream.h"

namespace kw {

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
    return RecordFile(ops_, path_, doc::Size).append(record.bytes());
}

void DocumentFile::overwrite(qint64 position, const DocumentRecord& record)
{
    RecordFile(ops_, path_, doc::Size).write(position, record.bytes());
}

void DocumentFile::remove(qint64 position)
{
    RecordStream source(ops_, path_, doc::Size);
    replaceFileAtomically(ops_, path_, copyPath_, [&](OpenFile& copy) {
        // Whole chunks of kept records are written at once.
        QByteArray pending;
        qint64 written = 0;
        QByteArrayView record;
        while (source.next(record)) {
            if (source.position() == position)
                continue;
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
