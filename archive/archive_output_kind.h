#pragma once

#include "store/output_file.h"

#include <QByteArray>

namespace kw {

// The archive comment every backup carries: how a later backup knows that a
// ZIP file of the same name is an earlier backup, not someone's document
// (spreadsheets and text documents are ZIP files too).
QByteArray backupArchiveComment();

// A backup archive: replaces only a ZIP file whose archive comment starts
// with backupArchiveComment().
OutputKind backupOutputKind();

} // namespace kw
