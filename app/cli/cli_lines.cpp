#include "app/cli/cli_lines.h"

#include "documents/document_amount.h"
#include "exports/export_table.h"
#include "exports/printable_text.h"
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
    // As billLine() shows a document: kind, number/extension and the buyer.
    const StringField fields[] = {doc::DocKind, doc::DocNumber, doc::NumberSuffix, doc::BuyerLine1};
    const char separators[] = {' ', '/', ' ', '\n'};
    const qsizetype start = out.size();
    qsizetype room = 20 + 2 + int(std::size(separators));
    for (StringField field : fields)
        room += 3 * field.maxChars;
    out.resize(start + room);
    char* at = writeNumber(out.data() + start, position);
    *at++ = ':';
    *at++ = ' ';
    for (size_t i = 0; i < std::size(fields); ++i) {
        at = writePrintableUtf8(at, QByteArrayView(storedText(record, fields[i])));
        *at++ = separators[i];
    }
    out.truncate(at - out.constData());
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
