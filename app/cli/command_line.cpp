#include "app/cli/command_line.h"

#include "app/cli/cli_arguments.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_error.h"
#include "app/cli/cli_help.h"
#include "app/cli/cli_output.h"
#include "app/cli/offscreen_gui.h"
#include "store/io_error.h"

#include <QDir>

namespace kw {

namespace {

TableTarget tableTarget(const CliRequest& request)
{
    return {request.xlsx ? TableTarget::Xlsx : TableTarget::Csv, request.outputFile};
}

void run(const CliRequest& request)
{
    FileOps& ops = systemFileOps();
    const QString startFolder = QDir::currentPath();
    switch (request.command) {
    case CliCommand::Help: printLine(commandLineHelp()); return;
    case CliCommand::Version: printLine(versionText()); return;
    case CliCommand::Words: printAmountWords(request.amount); return;
    case CliCommand::List:
        if (request.csv || request.xlsx)
            exportDocumentList(ops, dataPathsFor(ops, startFolder), startFolder, tableTarget(request));
        else
            listDocuments(ops, dataPathsFor(ops, startFolder));
        return;
    case CliCommand::Summary:
        if (request.csv || request.xlsx)
            exportYearlySummary(ops, dataPathsFor(ops, startFolder), startFolder, request.year, request.client,
                                tableTarget(request));
        else
            printYearlySummary(ops, dataPathsFor(ops, startFolder), request.year, request.client);
        return;
    case CliCommand::Backup:
        backupDataFolder(ops, dataPathsFor(ops, startFolder), startFolder, request.outputFile);
        return;
    case CliCommand::Restore: restoreDataFolder(ops, request.archiveFile, request.restoreFolder); return;
    case CliCommand::Mail: {
        const OffscreenGui gui;
        mailDocument(ops, dataPathsFor(ops, startFolder), startFolder, request.position, request.address);
        return;
    }
    case CliCommand::PdfPosition: {
        const OffscreenGui gui;
        exportDocument(ops, dataPathsFor(ops, startFolder), startFolder, request.position, request.outputFile);
        return;
    }
    case CliCommand::Settings: printSettings(ops, dataPathsFor(ops, startFolder)); return;
    case CliCommand::ListExport:
        exportCsvList(ops, dataPathsFor(ops, startFolder), request.list, request.csvFile);
        return;
    case CliCommand::ListImport:
        importCsvList(ops, dataPathsFor(ops, startFolder), request.list, request.csvFile);
        return;
    case CliCommand::Copy:
        copyBill(ops, dataPathsFor(ops, startFolder), request.position, {request.issueDate, request.serviceDate});
        return;
    case CliCommand::New:
        newBillFromTemplate(ops, dataPathsFor(ops, startFolder), request.templateFile, request.lines,
                            {request.issueDate, request.serviceDate});
        return;
    case CliCommand::Paid:
        markPaid(ops, dataPathsFor(ops, startFolder), request.position,
                 request.markUnpaid
                     ? std::nullopt
                     : std::optional<QDate>(request.paidOn.isEmpty() ? QDate::currentDate()
                                                                     : QDate::fromString(request.paidOn, Qt::ISODate)));
        return;
    case CliCommand::Unpaid:
        if (request.csv || request.xlsx)
            exportReceivables(ops, dataPathsFor(ops, startFolder), startFolder, request.overdueOnly,
                              tableTarget(request));
        else
            printReceivables(ops, dataPathsFor(ops, startFolder), request.overdueOnly);
        return;
    case CliCommand::PdfMonth: {
        const OffscreenGui gui;
        exportMonth(ops, dataPathsFor(ops, startFolder), startFolder, request.month, request.outputFile);
        return;
    }
    }
}

} // namespace

int runCommandLine(const QStringList& args)
{
    try {
        run(parseCommandLine(args));
        finishOutput();
        return 0;
    } catch (const CommandLineError& error) {
        printError(error.message());
    } catch (const IoError& error) {
        printError(error.message());
    } catch (const std::exception& error) {
        printError(QStringLiteral("Błąd: %1").arg(QString::fromLocal8Bit(error.what())));
    }
    return 1;
}

} // namespace kw
