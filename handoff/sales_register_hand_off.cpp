#include "handoff/sales_register_hand_off.h"

#include "handoff/sales_register_folder.h"
#include "handoff/windows_command_line.h"

#include <QFileInfo>

namespace kw {

QString salesRegisterNotFoundNotice()
{
    return QStringLiteral("W podanej lokalizacji nie znaleziono programu Ewidencja sprzedaży.");
}

HandOffResult handOffToSalesRegister(FileOps& ops, const DataPaths& paths, const QString& folder,
                                     const HandOffValues& values, ProcessStarter& starter)
{
    writeSalesRegisterFolder(ops, paths, folder);
    if (!QFileInfo(salesRegisterProgram(folder)).isFile())
        return {HandOffResult::NotFound, salesRegisterNotFoundNotice()};

    const SalesRegisterCommand command = salesRegisterCommand(values);
    if (!command.ok())
        return {HandOffResult::Refused, command.refusal};

    QString reason;
    if (!starter.start(folder, splitWindowsCommandLine(command.commandLine), reason))
        return {HandOffResult::StartFailed,
                QStringLiteral("Nie można uruchomić programu Ewidencja sprzedaży: %1.").arg(reason)};
    return {HandOffResult::Started, {}};
}

} // namespace kw
