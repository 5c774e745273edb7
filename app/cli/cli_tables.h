#pragma once

#include "documents/payment_marks.h"
#include "documents/yearly_summary.h"
#include "exports/export_table.h"

#include <QByteArrayView>

namespace kw {

// The tables `list` and `summary` export, as CSV and as spreadsheet files.

// Every bill and corrective bill: position, kind, number, extension, issue
// date, the buyer's four lines and NIP, payment form and term, the cells of
// the three service lines, the amount payable, the date it was paid (empty
// while unpaid) and the date it is due.
const ExportTable& documentListTable();

// The header rows the document list had in earlier versions, so that a file
// exported then is still taken for this program's own and may be replaced.
QList<CsvRow> earlierDocumentListHeads();

// Makes `row` the document list's row of the record at `position` (its
// bytes as stored) and returns true; false for the opening record and a
// record of any other kind, which are no bills. Every cell is printable (see
// printableText); a corrective bill shows its corrected lines, as its
// printout does first, and the change it makes as the amount payable. Its
// payment is read from `marks`.
bool documentListRow(qint64 position, QByteArrayView record, ExportRow& row, const PaymentMarks& marks = {});

// The month totals of the summary of `year`: month and amount.
ExportTable yearlySummaryTable(const QString& year);

// The summary table's row of month `m` (0 for January).
void yearlySummaryRow(const YearlySummary& summary, int m, ExportRow& row);

// The unpaid bills of "Należności": position, number, buyer, amount, payment
// term, due date and days overdue.
ExportTable receivablesTable();
void receivableRow(const Receivable& receivable, ExportRow& row);

} // namespace kw
