#pragma once

#include "store/file_ops.h"
#include "store/record_file.h"

#include <QByteArray>
#include <QString>

namespace kw {

// Creates `path` holding `contents` when no file of that name exists, and
// syncs it. An existing file is never touched, whatever its size. Returns
// true when the file was created. A file that could not be written whole is
// removed again, so the next start creates it anew.
bool createIfMissing(FileOps& ops, const QString& path, const QByteArray& contents);

// Reads the first record of a one-record file into a record type.
template <class R>
R readSingleRecord(FileOps& ops, const QString& path)
{
    return R::fromBytes(RecordFile(ops, path, R::Size).readFirst());
}

} // namespace kw
