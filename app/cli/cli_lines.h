#pragma once

#include "selection_lines.h"
#include "yearly_summary.h"

#include <QStringList>

namespace kw {

// The text the command line prints, line by line, every field from the data
// made printable (see printableText).

// "N: <line of the bill list>" for every document, N its position.
QStringList documentListLines(const SelectionLines& bills);

// The summary panel: title and client when set, a line per month, the basis.
QStringList yearlySummaryLines(const YearlySummary& summary);

} // namespace kw
