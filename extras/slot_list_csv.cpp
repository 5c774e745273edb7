#include "extras/slot_list_csv.h"

#include "extras/csv.h"
#include "extras/csv_output_kind.h"
#include "store/open_file.h"
#include "store/output_file.h"

#include <QSet>

namespace kw {

namespace {

const QString slotHeader = QStringLiteral("Nr");

QString forCsv(const SlotColumn& column, const QString& text)
{
    return column.amount ? QString(text).replace(QLatin1Char('.'), QLatin1Char(',')) : text;
}

QString fromCsv(const SlotColumn& column, const QString& text)
{
    return column.amount ? QString(text).replace(QLatin1Char(','), QLatin1Char('.')) : text;
}

QString refusal(int line, const QString& reason) { return QStringLiteral("wiersz %1: %2").arg(line).arg(reason); }


// "Nr" and the column captions.
CsvRow headRow(const SlotList& list)
{
    CsvRow head{slotHeader};
    for (const SlotColumn& column : list.layout().columns)
        head.append(column.caption);
    return head;
}

} // namespace

QByteArray slotListCsv(const SlotList& list)
{
    QList<CsvRow> rows{headRow(list)};
    for (const int slot : list.slotsInUse()) {
        CsvRow row{QString::number(slot)};
        const QStringList texts = list.entry(slot);
        for (qsizetype i = 0; i < texts.size(); ++i)
            row.append(forCsv(list.layout().columns[i], texts[i]));
        rows.append(row);
    }
    return csvFileBytes(rows);
}

QString slotListCsvFilter() { return QStringLiteral("Plik CSV|*.csv"); }

void writeSlotListCsv(FileOps& ops, const QString& path, const SlotList& list, const QStringList& baseFolders)
{
    writeOutputFile(ops, path, csvOutputKind({headRow(list)}), slotListCsv(list), protectedFolders(baseFolders));
}

QByteArray readCsvFile(FileOps& ops, const QString& path)
{
    const OpenFile file(ops, path, OpenFile::ReadOnly);
    return file.readExactly(0, file.size());
}

SlotListImport planImport(const SlotList& list, const QByteArray& csv)
{
    SlotListImport plan;
    const std::optional<QList<CsvRow>> rows = readCsv(csv);
    if (!rows) {
        plan.refused.append(QStringLiteral("plik nie jest zapisany w UTF-8; zapisz go z arkusza jako „CSV UTF-8”"));
        return plan;
    }
    const QList<SlotColumn>& columns = list.layout().columns;
    QSet<int> claimed;
    int nextFree = 1;
    for (qsizetype r = 0; r < rows->size(); ++r) {
        const CsvRow& row = rows->at(r);
        const int line = int(r + 1);
        if (r == 0 && row.value(0).trimmed() == slotHeader)
            continue;
        if (row.size() > columns.size() + 1) {
            plan.refused.append(refusal(
                line, QStringLiteral("za dużo kolumn (%1, a lista ma %2)").arg(row.size()).arg(columns.size() + 1)));
            continue;
        }
        QStringList values;
        for (qsizetype c = 0; c < columns.size(); ++c)
            values.append(fromCsv(columns[c], row.value(c + 1)));
        const QString problem = list.problem(values);
        if (!problem.isEmpty()) {
            plan.refused.append(refusal(line, problem));
            continue;
        }
        const QString number = row.value(0).trimmed();
        int slot = 0;
        if (number.isEmpty()) {
            while (nextFree <= list.layout().slotCount && (list.inUse(nextFree) || claimed.contains(nextFree)))
                ++nextFree;
            if (nextFree > list.layout().slotCount) {
                plan.refused.append(refusal(line, QStringLiteral("brak wolnej pozycji na liście")));
                continue;
            }
            slot = nextFree;
        } else {
            bool ok = false;
            slot = number.toInt(&ok);
            if (!ok || slot < 1 || slot > list.layout().slotCount) {
                plan.refused.append(refusal(line,
                                            QStringLiteral("nieprawidłowy numer pozycji „%1” (dozwolone 1–%2)")
                                                .arg(number)
                                                .arg(list.layout().slotCount)));
                continue;
            }
            if (claimed.contains(slot)) {
                plan.refused.append(refusal(line, QStringLiteral("pozycja %1 podana w pliku drugi raz").arg(slot)));
                continue;
            }
        }
        claimed.insert(slot);
        if (list.inUse(slot) && list.entry(slot) != values)
            plan.slotsInUse.append(slot);
        plan.rows.append({slot, values});
    }
    return plan;
}

QString applyImport(SlotList& list, SlotListImport plan, bool overwrite, int* refusedCount)
{
    int taken = 0;
    for (const SlotListImport::Row& row : plan.rows) {
        if (!overwrite && plan.slotsInUse.contains(row.slot)) {
            plan.refused.append(QStringLiteral("pozycja %1: zajęta, nie nadpisano").arg(row.slot));
            continue;
        }
        list.setEntry(row.slot, row.values);
        ++taken;
    }
    if (refusedCount)
        *refusedCount = int(plan.refused.size());
    QString report = QStringLiteral("Wczytano wierszy: %1.").arg(taken);
    if (!plan.refused.isEmpty())
        report += QStringLiteral("\nOdrzucono wierszy: %1:\n").arg(plan.refused.size()) +
            plan.refused.join(QLatin1Char('\n'));
    return report;
}

} // namespace kw
