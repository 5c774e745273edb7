#pragma once

#include "store/data_folder.h"
#include "store/file_ops.h"
#include "store/records.h"

#include <QString>

#include <optional>

namespace kw {

// The data paths of the window started in `startFolder`: the location file
// Admini/siec.dat there decides the folder (mode 1 its local path, mode 2
// its network path, any other mode `startFolder` itself). Nothing is
// created: without a location file the data lie in `startFolder`, where the
// window would point the location file it creates. Throws IoError when the
// location file cannot be read or is shorter than its record.
DataPaths dataPathsFor(FileOps& ops, const QString& startFolder);

// Throws CommandLineError naming `path` when no such file exists.
void requireDataFile(const QString& path);

// The number of whole documents in the document file, the opening record
// included. Throws CommandLineError when the file is missing and IoError
// when it cannot be read or holds no whole record.
qint64 storedDocumentCount(FileOps& ops, const QString& documentFile);

// The position of a stored document: `position`, or the last one when it is
// empty. Throws CommandLineError when the file holds no document there, and
// as storedDocumentCount does.
qint64 storedPosition(FileOps& ops, const QString& documentFile, std::optional<qint64> position);

// Whether `record`, stored at `position`, is the record that opens the
// document file ("Początek bloczka rachunkowego"), which is no bill.
bool isOpeningRecord(const DocumentRecord& record, qint64 position);

} // namespace kw
