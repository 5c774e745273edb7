#pragma once

#include <QString>
#include <QStringList>

namespace kw {

// What a command-line tool did: its exit code (-1 when it crashed or did not
// finish within two minutes) and its output.
struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QString& program, const QStringList& arguments);

} // namespace kw
