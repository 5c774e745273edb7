#include "cli_commands.h"

#include "cli_data_folder.h"
#include "cli_output.h"
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
    if (summary.title)
        printLine(*summary.title);
    if (summary.clientLabel)
        printLine(*summary.clientLabel);
    for (int m = 0; m < 12; ++m)
        printLine(monthNames[m].leftJustified(nameColumn) + summary.totalLabels[m]);
    printLine(QString(nameColumn, QLatin1Char(' ')) + summary.basisLabel);
}

} // namespace kw
