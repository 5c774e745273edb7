#pragma once

#include "store/records.h"

#include <QString>

namespace kw {

// The data folder the location file `locationFile` (holding `location`)
// chooses: its local path for mode 1, its network path for mode 2, and
// `startFolder` for any other mode. Throws IoError naming the location file
// when the chosen path is empty or relative, since neither names one folder
// for certain.
QString chosenDataFolder(const LocationRecord& location, const QString& locationFile, const QString& startFolder);

} // namespace kw
