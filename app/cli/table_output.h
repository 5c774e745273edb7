#pragma once

#include "exports/export_table.h"
#include "store/data_folder.h"
#include "store/file_ops.h"

#include <functional>

namespace kw {

// Where an exported table goes.
struct TableTarget {
    enum Format { Csv, Xlsx };
    Format format = Csv;
    QString file; // empty: standard output (CSV only)
};

// Gives the rows of a table in order, one call of `row` each.
using TableRows = std::function<void(const std::function<void(const ExportRow& row)>& row)>;

// Writes `table` with the rows `rows` gives as CSV for spreadsheets (see
// exports/csv.h) or as a spreadsheet file (see XlsxTable), row by row as
// they come, then says so. A file is written whole or not at all, never
// over a data file or a file this program did not write (see
// writeOutputFile); standard output gets the CSV once every row is made.
// Throws IoError when the output cannot be written.
void deliverTable(FileOps& ops, const DataPaths& paths, const QString& startFolder, const ExportTable& table,
                  const TableRows& rows, const TableTarget& target);

} // namespace kw
