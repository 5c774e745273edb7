#include "cli_commands.h"

#include "cli_data_folder.h"
#include "cli_output.h"
#include "csv_output.h"
#include "yearly_summary.h"

#include <array>

namespace kw {

namespace {

const std::array<QString, 12> monthNames = {
    QStringLiteral("Styczeń"),  QStringLiteral("Luty"),     QStringLiteral("Marzec"),   QStringLiteral("Kwiecień"),
    QStringLiteral("Maj"),      QStringLiteral("Czerwiec"), QStringLiteral("Lipiec"),   QStringLiteral("Sierpień"),
    QStringLiteral("Wrzesień"), QStringLiteral("Październik"), QStringLiteral("Listopad"), QStringLiteral("Grudzień")};

// Wide enough for the longest month name, so the amounts stand in a column.
constexpr int nameColumn = 12;

} // namespace

void printYearlySummary(FileOps& ops, const DataPaths& paths, const QString& year, const QString& client)
{
    storedDocumentCount(ops, paths.documentFile());
    const YearlySummary summary = computeYearlySummary(ops, paths.documentFile(), year, client);
    // The title even when nothing matched, so a script finds every month on
    // the same line whatever the data.
    printLine(summaryTitle(client));
    if (client != anyClient())
        printLine(client);
    for (int m = 0; m < 12; ++m)
        printLine(monthNames[m].leftJustified(nameColumn) + summary.totalLabels[m]);
    printLine(QString(nameColumn, QLatin1Char(' ')) + summary.basisLabel);
}


void yearlySummaryCsv(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& year,
                      const QString& client, const QString& csvFile)
{
    storedDocumentCount(ops, paths.documentFile());
    const YearlySummary summary = computeYearlySummary(ops, paths.documentFile(), year, client);
    QList<CsvRow> rows = {{QStringLiteral("Miesiąc"), QStringLiteral("Kwota")}};
    for (int m = 0; m < 12; ++m)
        rows.append({monthNames[m], csvAmount(summary.totals[m])});
    deliverCsv(ops, paths, startFolder, rows, csvFile);
}

} // namespace kw
