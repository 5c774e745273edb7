#pragma once

#include "store/data_folder.h"
#include "store/file_ops.h"

#include <QString>

#include <optional>

namespace kw {

// The folder of the sales register remembered in Admini/ewidencja.dat.
// Creates the file with an empty folder first when it is missing. Throws
// IoError.
QString readSalesRegisterFolder(FileOps& ops, const DataPaths& paths);

// Stores `folder` (cut to 250 characters), replacing the file in one step so
// a failure leaves the stored folder whole. Throws IoError.
void writeSalesRegisterFolder(FileOps& ops, const DataPaths& paths, const QString& folder);

// The folder of a file picked in the "?" dialog: everything before the last
// path separator ('/' or '\'). Empty when the path is empty or has none.
std::optional<QString> folderOfPickedFile(const QString& pickedPath);

// Where ewidencja.exe lies in `folder`; the name is matched without regard
// to case, as Windows does.
QString salesRegisterProgram(const QString& folder);

} // namespace kw
