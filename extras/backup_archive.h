#pragma once

#include "store/data_folder.h"
#include "store/file_ops.h"

#include <QByteArray>

namespace kw {

// A backup of the data folder as the bytes of a ZIP archive.
struct BackupArchive {
    QByteArray bytes;
    int fileCount = 0;
};

// The folders a backup holds, under the data folder.
QStringList backedUpFolders();

// Packs every file under Admini, Uslugi, Szablony and FONT of the data
// folder (the lock file aside) with its path relative to the folder, so that
// unpacking the archive there restores it. Taken under the document lock,
// after finishing a save another instance left half-done, so the files agree
// with each other. Throws IoError when a file cannot be read or the archive
// cannot be made.
BackupArchive makeBackupArchive(FileOps& ops, const DataPaths& paths);

} // namespace kw
