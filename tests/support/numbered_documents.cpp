#include "tests/support/numbered_documents.h"

namespace kw {

DocumentRecord numberedDocument(int number)
{
    DocumentRecord r;
    r.set(doc::IssueDate, QStringLiteral("2024-03-11"));
    r.set(doc::DocNumber, QString::number(number));
    r.set(doc::BuyerLine1, QStringLiteral("Kwiaciarnia nr %1, Żagań").arg(number));
    r.set(lineCell(LineTable::Bill, 6, 1), QStringLiteral("%1.00").arg(number));
    r.set(doc::CorrectedRef, QStringLiteral("ref %1").arg(number));
    r.set(doc::DocKind, QStringLiteral("F"));
    return r;
}

QByteArray numberedDocuments(std::initializer_list<int> numbers)
{
    QByteArray bytes;
    for (int n : numbers)
        bytes += numberedDocument(n).bytes();
    return bytes;
}

} // namespace kw
