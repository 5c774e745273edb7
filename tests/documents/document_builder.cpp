#include "tests/documents/document_builder.h"

namespace kw {
namespace {

void setTotals(DocumentRecord& record, LineTable table, const QStringList& totals)
{
    for (int line = 1; line <= totals.size(); ++line)
        record.set(lineCell(table, 6, line), totals[line - 1]);
}

DocumentRecord documentRecord(const QString& kind, const QString& issueDate, const QString& buyer)
{
    DocumentRecord record;
    record.set(doc::IssueDate, issueDate);
    record.set(doc::BuyerLine1, buyer);
    record.set(doc::DocNumber, QStringLiteral("1"));
    record.set(doc::DocKind, kind);
    return record;
}

} // namespace

DocumentRecord billRecord(const QString& issueDate, const QString& buyer, const QStringList& lineTotals)
{
    DocumentRecord record = documentRecord(QStringLiteral("F"), issueDate, buyer);
    setTotals(record, LineTable::Bill, lineTotals);
    return record;
}

DocumentRecord correctiveRecord(const QString& issueDate, const QString& buyer, const QStringList& before,
                                const QStringList& after)
{
    DocumentRecord record = documentRecord(QStringLiteral("K"), issueDate, buyer);
    setTotals(record, LineTable::Bill, before);
    setTotals(record, LineTable::Correction, after);
    return record;
}

QByteArray documentFileBytes(const QList<DocumentRecord>& documents)
{
    QByteArray bytes = sentinelRecord(QStringLiteral("2009-03-05")).bytes();
    for (const DocumentRecord& record : documents)
        bytes += record.bytes();
    return bytes;
}

} // namespace kw
