#include "handoff/process_starter.h"

#include "store/data_folder.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace kw {
namespace {

bool startDetached(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(folder);
    return process.startDetached();
}

} // namespace

bool SystemProcessStarter::start(const QString& folder, const QStringList& arguments, QString& reason)
{
    Q_ASSERT(!arguments.isEmpty());
    const QString program = resolvePath(folder, arguments.first());
    const QStringList rest = arguments.mid(1);
    const QFileInfo info(program);
    if (!info.isFile()) {
        reason = QStringLiteral("nie ma pliku %1").arg(program);
        return false;
    }
    if (info.isExecutable() && startDetached(program, rest, folder))
        return true;

    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty()) {
        reason = info.isExecutable()
            ? QStringLiteral("system odmówił uruchomienia pliku %1, a program wine nie jest zainstalowany").arg(program)
            : QStringLiteral("plik %1 nie jest wykonywalny, a program wine nie jest zainstalowany").arg(program);
        return false;
    }
    if (startDetached(wine, QStringList{program} + rest, folder))
        return true;
    reason = QStringLiteral("program wine (%1) nie dał się uruchomić").arg(wine);
    return false;
}

} // namespace kw
