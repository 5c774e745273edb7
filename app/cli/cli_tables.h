#pragma once

#include "documents/yearly_summary.h"
#include "exports/export_table.h"

#include <QByteArrayView>

namespace kw {

// The tables `list` and `summary` export, as CSV and as spreadsheet files.

// Every bill and corrective bill: position, kind, number, extension, issue
// date, the buyer's four lines and NIP, payment form and term, the cells of
// the three service lines and the amount payable.
const ExportTable& documentListTable();

// Makes `row` the document list's row of the record at `position` (its
// bytes as stored) and returns true; false for the opening record and a
// record of any other kind, which are no bills. Every cell is printable (see
// printableText); a corrective bill shows its corrected lines, as its
// printout does first, and the change it makes as the amount payable.
bool documentListRow(qint64 position, QByteArrayView record, ExportRow& row);

// The month totals of the summary of `year`: month and amount.
ExportTable yearlySummaryTable(const QString& year);

// The summary table's row of month `m` (0 for January).
void yearlySummaryRow(const YearlySummary& summary, int m, ExportRow& row);

} // namespace kw
