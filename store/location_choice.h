#pragma once

#include "store/records.h"

#include <QString>

#include <optional>

namespace kw {

// The folder the location record `location` names for a start in
// `startFolder`: its local path for mode 1, its network path for mode 2 and
// `startFolder` for any other mode. Unchecked: it may be empty or relative.
QString namedDataFolder(const LocationRecord& location, const QString& startFolder);

// The data folder the location file `locationFile` (holding `location`)
// chooses, as namedDataFolder gives it. Throws IoError naming the location
// file when the chosen path is empty or relative, since neither names one
// folder for certain.
QString chosenDataFolder(const LocationRecord& location, const QString& locationFile, const QString& startFolder);

// `location` naming `folder` for a start in `folder`: the path of its mode
// replaced, every other byte kept; a mode that names the start folder
// already leaves it as it is. Empty when the path field cannot hold `folder`
// whole (over 200 characters, or characters code page 1250 lacks).
std::optional<LocationRecord> locationNaming(const LocationRecord& location, const QString& folder);

} // namespace kw
