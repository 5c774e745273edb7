#include "app/cli/cli_lines.h"

#include "extras/document_amount.h"
#include "extras/export_table.h"
#include "extras/printable_text.h"
#include "store/records.h"

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

void appendDocumentListLine(QByteArray& out, qint64 position, QByteArrayView record)
{
    appendNumber(out, position);
    // As billLine() shows a document: kind, number/extension and the buyer.
    const auto field = [&](StringField f) { appendPrintableUtf8(out, QByteArrayView(storedText(record, f))); };
    out.append(": ");
    field(doc::DocKind);
    out.append(' ');
    field(doc::DocNumber);
    out.append('/');
    field(doc::NumberSuffix);
    out.append(' ');
    field(doc::BuyerLine1);
    out.append('\n');
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
