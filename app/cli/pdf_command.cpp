#include "cli_commands.h"

#include "cli_data_folder.h"
#include "cli_error.h"
#include "cli_output.h"
#include "document_file.h"
#include "document_journal.h"
#include "document_lock.h"
#include "pdf_bill_job.h"
#include "record_stream.h"
#include "stored_printout.h"

namespace kw {

namespace {

void reportWritten(const QString& pdfFile, int pages)
{
    printLine(QStringLiteral("Zapisano plik %1 (stron: %2).").arg(pdfFile).arg(pages));
}

bool issuedIn(const DocumentRecord& document, const QString& month)
{
    return hasKnownKind(document) && document.get(doc::IssueDate).startsWith(month);
}

} // namespace

void exportDocument(FileOps& ops, const DataPaths& paths, const QString& startFolder,
                    std::optional<qint64> position, const QString& pdfFile)
{
    const qint64 count = storedDocumentCount(ops, paths.documentFile());
    const qint64 chosen = position.value_or(count);
    if (chosen < 1 || chosen > count)
        throw CommandLineError(
            QStringLiteral("Nie ma dokumentu na pozycji %1 (pozycje od 1 do %2).").arg(chosen).arg(count));
    const DocumentRecord document = DocumentFile(ops, paths).read(chosen);
    const PrintSources sources = readPrintSources(ops, paths, startFolder);

    PdfBillJob job(pdfFile);
    job.addPage(storedPrintout(document, sources));
    job.finish();
    reportWritten(pdfFile, job.pageCount());
}

void exportMonth(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& month,
                 const QString& pdfFile)
{
    storedDocumentCount(ops, paths.documentFile());
    const PrintSources sources = readPrintSources(ops, paths, startFolder);

    PdfBillJob job(pdfFile);
    DocumentLock lock(paths.documentFile(), DocumentLock::Reading);
    DocumentJournal(ops, paths.documentFile()).recover(lock);
    RecordStream stream(ops, paths.documentFile(), doc::Size);
    QByteArrayView record;
    while (stream.next(record)) {
        const DocumentRecord document = DocumentRecord::fromBytes(record);
        if (issuedIn(document, month))
            job.addPage(storedPrintout(document, sources));
    }
    if (job.pageCount() == 0)
        throw CommandLineError(QStringLiteral("Brak rachunków wystawionych w miesiącu %1; nie zapisano pliku %2.")
                                   .arg(month, pdfFile));
    job.finish();
    reportWritten(pdfFile, job.pageCount());
}

} // namespace kw
