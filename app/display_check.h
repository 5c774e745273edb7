#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kw {

// Why the window cannot open here, as one Polish line for standard error;
// nothing when it can. Qt's X11 platform ends the process with an English
// message when it finds no X server, so the server is tried first. A Wayland
// session, or a platform chosen with QT_QPA_PLATFORM or -platform other than
// X11, is left to Qt.
std::optional<QString> missingDisplay(const QStringList& args);

} // namespace kw
