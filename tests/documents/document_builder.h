#pragma once

#include "store/records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kw {

// A bill to `buyer` issued on `issueDate` with the given line totals
// (column 6 of lines 1, 2, 3; fewer leave the other lines empty).
DocumentRecord billRecord(const QString& issueDate, const QString& buyer, const QStringList& lineTotals);

// A corrective bill: `before` in its bill lines, `after` in its correction lines.
DocumentRecord correctiveRecord(const QString& issueDate, const QString& buyer, const QStringList& before,
                                const QStringList& after);

// A document file: the sentinel record, then `documents`.
QByteArray documentFileBytes(const QList<DocumentRecord>& documents);

} // namespace kw
