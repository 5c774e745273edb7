#pragma once

#include "editing/selection_lines.h"
#include "extras/yearly_summary.h"

#include <QStringList>

namespace kw {

// The text the command line prints, line by line, every field from the data
// made printable (see printableText).

// "N: <line of the bill list>" for every document, N its position.
QStringList documentListLines(const SelectionLines& bills);

// The summary panel's lines for `client` (anyClient() for all): the title
// even when nothing matched and the client when one was given, so the number
// of lines never depends on the data; then a line per month and the basis.
QStringList yearlySummaryLines(const YearlySummary& summary, const QString& client);

// The Polish name of month `m` (0 for January).
QString monthName(int m);

} // namespace kw
