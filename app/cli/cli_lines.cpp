#include "app/cli/cli_lines.h"

#include "extras/printable_text.h"

#include <array>

namespace kw {

namespace {

const std::array<QString, 12> monthNames = {
    QStringLiteral("Styczeń"),  QStringLiteral("Luty"),        QStringLiteral("Marzec"),   QStringLiteral("Kwiecień"),
    QStringLiteral("Maj"),      QStringLiteral("Czerwiec"),    QStringLiteral("Lipiec"),   QStringLiteral("Sierpień"),
    QStringLiteral("Wrzesień"), QStringLiteral("Październik"), QStringLiteral("Listopad"), QStringLiteral("Grudzień")};

// Wide enough for the longest month name, so the amounts stand in a column.
constexpr int nameColumn = 12;

} // namespace

QString monthName(int m) { return monthNames[m]; }

QStringList documentListLines(const SelectionLines& bills)
{
    QStringList lines;
    for (qsizetype i = 0; i < bills.texts.size(); ++i)
        lines.append(QStringLiteral("%1: %2").arg(bills.sources[i]).arg(printableText(bills.texts[i])));
    return lines;
}

QStringList yearlySummaryLines(const YearlySummary& summary, const QString& client)
{
    QStringList lines = {printableText(summaryTitle(client))};
    if (client != anyClient())
        lines.append(printableText(client));
    for (int m = 0; m < 12; ++m)
        lines.append(monthNames[m].leftJustified(nameColumn) + summary.totalLabels[m]);
    lines.append(QString(nameColumn, QLatin1Char(' ')) + summary.basisLabel);
    return lines;
}

} // namespace kw
