#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_error.h"
#include "app/cli/cli_output.h"
#include "exports/slot_list_csv.h"
#include "store/document_lock.h"
#include "store/edited_file.h"
#include "store/record_file.h"

#include <QDir>

namespace kw {

namespace {

const SlotListLayout& layoutOf(SlotListKind list)
{
    return list == SlotListKind::Clients ? clientListLayout() : serviceListLayout();
}

QString fileOf(const DataPaths& paths, SlotListKind list)
{
    return list == SlotListKind::Clients ? paths.clientFile() : paths.serviceFile();
}

} // namespace

void exportCsvList(FileOps& ops, const DataPaths& paths, SlotListKind list, const QString& csvFile)
{
    const QString listFile = fileOf(paths, list);
    requireDataFile(listFile);
    const SlotListLayout& layout = layoutOf(list);
    const SlotList entries(layout, RecordFile(ops, listFile, layout.size).readFirst());
    writeSlotListCsv(ops, csvFile, entries, {paths.folder(), QDir::currentPath()});
    printLine(QStringLiteral("Zapisano pozycji: %1 do pliku %2.").arg(entries.slotsInUse().size()).arg(csvFile));
}

void importCsvList(FileOps& ops, const DataPaths& paths, SlotListKind list, const QString& csvFile)
{
    const QString listFile = fileOf(paths, list);
    requireDataFile(listFile);
    const QByteArray csv = readCsvFile(ops, csvFile);
    const DocumentLock lock(paths.documentFile());
    EditedFile file(ops, listFile, layoutOf(list).size);
    SlotList entries(layoutOf(list), file.record());
    const SlotListImportReport report = applyImport(entries, planImport(entries, csv), false);
    if (entries.bytes() != file.record())
        file.save(entries.bytes());
    for (const QString& line : report.text.split(QLatin1Char('\n')))
        printLine(line);
    if (report.refused == 0)
        return;
    if (report.taken == 0)
        throw CommandLineError(
            QStringLiteral("Odrzucono wierszy: %1; nie zapisano żadnego wiersza.").arg(report.refused));
    throw CommandLineError(
        QStringLiteral("Odrzucono wierszy: %1; zapisano wierszy: %2.").arg(report.refused).arg(report.taken));
}

} // namespace kw
