#pragma once

#include "store/file_ops.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace kw {

// Calls `visit` with the position and bytes of every whole record of the
// document file, first to last, under the document lock and after finishing
// a save another instance left half-done, so the records are those of one
// consistent file. Throws IoError when the file cannot be read or is locked.
void forEachStoredDocument(FileOps& ops, const QString& documentFile,
                           const std::function<void(qint64 position, QByteArrayView record)>& visit);

} // namespace kw
