#pragma once

#include "extras/csv.h"
#include "store/data_folder.h"
#include "store/file_ops.h"

namespace kw {

// Writes `rows` as a CSV file for spreadsheets: on standard output when
// `csvFile` is empty, else as that file (never over a data file or a file
// of another kind), then says so. Throws IoError when it cannot be written.
void deliverCsv(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QList<CsvRow>& rows,
                const QString& csvFile);

} // namespace kw
