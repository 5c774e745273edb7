#include "tests/support/recording_program.h"

#include <QDir>
#include <QFile>

namespace kw {

bool writeRecordingProgram(const QString& folder, const QString& name, const QString& log)
{
    QFile program(QDir(folder).filePath(name));
    if (!program.open(QIODevice::WriteOnly))
        return false;
    const QByteArray script = QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"%1.tmp\"\n"
                                             "mv \"%1.tmp\" \"%1\"\n")
                                  .arg(log)
                                  .toUtf8();
    if (program.write(script) != script.size())
        return false;
    program.close();
    return program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace kw
