#pragma once

#include "store/file_ops.h"
#include "store/records.h"

#include <QString>
#include <QStringList>

namespace kw {

// The client names (first address line) of a client list, in slot order,
// empty slots left out; neither sorted nor de-duplicated.
QStringList clientNames(const ClientListRecord& list);

// Reads a client list file whole and returns its names. Throws IoError when
// the file cannot be read or is shorter than one client list.
QStringList readClientNames(FileOps& ops, const QString& path);

} // namespace kw
