#pragma once

#include "store/file_ops.h"

#include <QString>

namespace kw {

// What a restore unpacked, and where.
struct RestoredBackup {
    QString folder; // the folder restored into, as a full path
    int fileCount = 0;
};

// Unpacks the backup `zipFile` into `folder`, a new folder (whose parent
// exists) or an empty one, never over data. Every entry is checked before
// anything is written (see restorableEntries); each file is created anew,
// never through a link, with its stored bytes, mode and modification time,
// its name byte for byte. The location file Admini/siec.dat then names the
// restored folder, so that the program started there works on the restored
// data rather than on the folder the backup was taken of. Throws IoError;
// nothing the restore wrote stays then, nor the folder when it made it.
RestoredBackup restoreBackup(FileOps& ops, const QString& zipFile, const QString& folder);

} // namespace kw
