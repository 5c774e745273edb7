#include "stored_documents.h"

#include "document_journal.h"
#include "document_lock.h"
#include "record_layouts.h"
#include "record_stream.h"

namespace kw {

void forEachStoredDocument(FileOps& ops, const QString& documentFile,
                           const std::function<void(qint64 position, QByteArrayView record)>& visit)
{
    DocumentLock lock(documentFile, DocumentLock::Reading);
    DocumentJournal(ops, documentFile).recover(lock);
    RecordStream stream(ops, documentFile, doc::Size);
    QByteArrayView record;
    while (stream.next(record))
        visit(stream.position(), record);
}

} // namespace kw
