#pragma once

#include "store/data_folder.h"
#include "store/file_ops.h"

#include <QByteArray>
#include <QStringList>

namespace kw {

// A backup of the data folder as the bytes of a ZIP archive.
struct BackupArchive {
    QByteArray bytes;
    int fileCount = 0;        // the files in the archive, no fewer than the folders hold
    QStringList skippedLinks; // the symbolic links met, left out, by path in the data folder
};

// The folders a backup holds, under the data folder.
QStringList backedUpFolders();

// Packs every file under Admini, Uslugi, Szablony and FONT of the data
// folder (the lock file aside) with its path relative to the folder, so that
// unpacking the archive restores it. Each entry keeps its name byte for byte
// (flagged as UTF-8 only when it is), its file's mode and its modification
// time. Symbolic links are neither followed nor archived, since on a shared
// folder a link could bring in a file the backup's reader may not see; they
// are listed instead. Taken under the document lock, after finishing a save
// another instance left half-done, so the files agree with each other.
// Throws IoError naming what could not be taken: a file it cannot read, an
// entry that is neither a file, a folder nor a link.
BackupArchive makeBackupArchive(FileOps& ops, const DataPaths& paths);

} // namespace kw
