#pragma once

#include "store/output_file.h"

#include <QString>

namespace kw {

// The author every workbook the program writes names in its document
// properties.
QString xlsxAuthor();

// A spreadsheet file this program wrote and nobody has saved since: a ZIP
// package whose docProps/core.xml names xlsxAuthor() as its creator and last
// modifier, modified when it was created.
OutputKind xlsxOutputKind();

} // namespace kw
