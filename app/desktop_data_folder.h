#pragma once

#include "app/platform/platform.h"
#include "store/file_ops.h"

#include <QString>

#include <optional>

class QSettings;

namespace kw {

// The data folder of a start from the desktop menu: the one remembered in
// `memory` while it can still be used; otherwise the user is asked whether
// to create `proposedFolder` or to choose an existing data folder, until a
// usable folder is given. A folder that cannot be used is explained in one
// sentence first. When the location file Admini/siec.dat of the folder
// names another folder, the user is told which and chooses: this folder,
// with the location file rewritten to name it, or the one named. The folder
// given is remembered. Empty when the user cancels the choice of a folder.
std::optional<QString> desktopDataFolder(Dialogs& dialogs, FileOps& files, QSettings& memory,
                                         const QString& proposedFolder);

// Why `folder` cannot serve as a data folder, in one Polish sentence; empty
// when it can.
QString unusableFolderReason(const QString& folder);

// Creates `folder` with the module's empty sub-folders and, when missing, a
// settings file that prints one copy; the window's first start there writes
// the other initial data files. False when a folder or the settings file
// could not be created.
bool prepareNewDataFolder(const QString& folder);

} // namespace kw
