#pragma once

#include "documents/yearly_summary.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace kw {

// The text the command line prints, line by line, every field from the data
// made printable (see printableText).

// Appends "N: <line of the bill list>" and a line feed for the document
// record at position N (its bytes as stored), in UTF-8.
void appendDocumentListLine(QByteArray& out, qint64 position, QByteArrayView record);

// The summary panel's lines for `client` (anyClient() for all): the title
// even when nothing matched and the client when one was given, so the number
// of lines never depends on the data; then a line per month and the basis.
QStringList yearlySummaryLines(const YearlySummary& summary, const QString& client);

// The Polish name of month `m` (0 for January).
QString monthName(int m);

} // namespace kw
