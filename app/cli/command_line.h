#pragma once

#include <QStringList>

namespace kw {

// True when the arguments after the program name call a command of the
// command line rather than open the window.
bool isCommandLine(const QStringList& args);

// Runs the command named by the arguments after the program name in the
// current folder and returns the process's exit code: 0 when it succeeded,
// 1 after a one-line message on standard error. Creates no QApplication of
// its own except the offscreen one that PDF output needs; call it before
// any other exists.
int runCommandLine(const QStringList& args);

} // namespace kw
