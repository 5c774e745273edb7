#include "exports/csv_output_kind.h"

namespace kw {

OutputKind csvOutputKind(const QList<CsvRow>& knownHeads)
{
    QList<QByteArray> lines;
    qsizetype longest = 0;
    for (const CsvRow& head : knownHeads) {
        lines.append(csvLine(head).toUtf8());
        longest = qMax(longest, lines.last().size());
    }
    return {QStringLiteral("plikiem CSV"), [lines, longest](QIODevice& existing) {
                QByteArray start = existing.read(csvByteOrderMark().size() + longest);
                if (start.startsWith(csvByteOrderMark()))
                    start.remove(0, csvByteOrderMark().size());
                for (const QByteArray& line : lines) {
                    if (start.startsWith(line))
                        return true;
                }
                return false;
            }};
}

} // namespace kw
