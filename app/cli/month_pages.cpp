#include "app/cli/month_pages.h"

#include "store/stored_documents.h"

namespace kw {

namespace {

bool issuedIn(const DocumentRecord& document, const QString& month)
{
    return hasKnownKind(document) && document.get(doc::IssueDate).startsWith(month);
}

} // namespace

int drawMonthPages(FileOps& ops, const QString& documentFile, const QString& month, const PrintSources& sources,
                   PdfDocument& pdf, const std::function<void()>& pageDrawn)
{
    QList<DocumentRecord> documents;
    forEachStoredDocument(ops, documentFile, [&](qint64, QByteArrayView record) {
        DocumentRecord document = DocumentRecord::fromBytes(record);
        if (issuedIn(document, month))
            documents.append(std::move(document));
    });
    for (const DocumentRecord& document : documents) {
        pdf.addBill(storedPrintout(document, sources));
        if (pageDrawn)
            pageDrawn();
    }
    return int(documents.size());
}

} // namespace kw
