#pragma once

#include <QString>

namespace kw {

// Writes an executable `name` into `folder` that records the arguments it is
// started with, one a line, in `log`; the log appears whole, only once the
// program is done. A stand-in for a desktop tool such as xdg-email.
// Returns false when the program could not be written.
bool writeRecordingProgram(const QString& folder, const QString& name, const QString& log);

} // namespace kw
