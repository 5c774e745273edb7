#include "store/stored_documents.h"

#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/record_layouts.h"
#include "store/record_stream.h"

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
