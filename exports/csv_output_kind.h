#pragma once

#include "exports/csv.h"
#include "store/output_file.h"

namespace kw {

// A CSV export: replaces only a file whose first line, after the byte-order
// mark, is exactly the header row of one of `knownHeads` (the header rows
// this program writes), as csvLine gives it. A bank statement or any other
// table named *.csv is left alone.
OutputKind csvOutputKind(const QList<CsvRow>& knownHeads);

} // namespace kw
