#pragma once

#include "store/file_ops.h"

#include <QString>

namespace kw {

// The module's own options, kept in Admini/kwitarnia.ini since the files
// the suite's other programs read have no room for them. The file is text,
// one "name=value" line per option; lines it does not know are kept as they
// are. A missing file, or an option missing from it, gives the default.
struct ModuleOptions {
    // kod_qr_przelewu: the payment QR code on printed bills; "0" turns it
    // off, anything else leaves it on.
    bool transferCode = true;
};

// Throws IoError when the file is there but cannot be read.
ModuleOptions readModuleOptions(FileOps& ops, const QString& path);

// Replaces the file atomically with `options` written into it, its other
// lines kept. Throws IoError when it could not, the old file then whole.
void writeModuleOptions(FileOps& ops, const QString& path, const ModuleOptions& options);

} // namespace kw
