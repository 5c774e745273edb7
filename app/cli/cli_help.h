#pragma once

#include <QString>

namespace kw {

// What `kwitarnia --help` prints: every command, its arguments and output.
QString commandLineHelp();

// What `kwitarnia --version` prints.
QString versionText();

} // namespace kw
