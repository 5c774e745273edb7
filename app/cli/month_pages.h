#pragma once

#include "app/cli/stored_printout.h"
#include "print/pdf_document.h"
#include "store/file_ops.h"

#include <functional>

namespace kw {

// Draws every bill and corrective bill issued in `month` ("YYYY-MM") into
// `pdf`, in file order, one page each, and returns how many. The records
// are read under the document lock and the pages drawn after it is given
// back: a page takes about a millisecond to draw, and a month of 20 000
// bills would keep the window and every other command waiting. The
// records' bytes are held meanwhile, a fraction of what the pages take.
// `pageDrawn`, when set, is called after each page. Throws IoError when the
// document file cannot be read.
int drawMonthPages(FileOps& ops, const QString& documentFile, const QString& month, const PrintSources& sources,
                   PdfDocument& pdf, const std::function<void()>& pageDrawn = {});

} // namespace kw
