#include "exports/slot_list_csv.h"

#include "exports/csv.h"
#include "exports/csv_output_kind.h"
#include "exports/slot_list_csv_columns.h"
#include "store/open_file.h"
#include "store/output_file.h"

#include <QSet>

namespace kw {

namespace {

QString forCsv(const SlotColumn& column, const QString& text)
{
    return column.amount ? QString(text).replace(QLatin1Char('.'), QLatin1Char(',')) : text;
}

QString fromCsv(const SlotColumn& column, const QString& text)
{
    return column.amount ? QString(text).replace(QLatin1Char(','), QLatin1Char('.')) : text;
}

QString refusal(int line, const QString& reason) { return QStringLiteral("wiersz %1: %2").arg(line).arg(reason); }

QString controlCharacterName(QChar c)
{
    const QString code = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    switch (c.unicode()) {
    case 0x00: return QStringLiteral("NUL (%1)").arg(code);
    case 0x09: return QStringLiteral("tabulator (%1)").arg(code);
    case 0x0A: return QStringLiteral("koniec wiersza (%1)").arg(code);
    case 0x0D: return QStringLiteral("powrót karetki (%1)").arg(code);
    case 0x1B: return QStringLiteral("ESC (%1)").arg(code);
    case 0x7F: return QStringLiteral("DEL (%1)").arg(code);
    default: return code;
    }
}

// Control characters would break the bill's lines on screen and on paper
// (a line feed in an address line) or hide in them unseen (NUL, ESC, TAB).
QString controlCharacterProblem(const QString& columnName, const QString& text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("kolumna „%1” zawiera znak sterujący %2").arg(columnName, controlCharacterName(c));
    }
    return {};
}

// Why the row's cells cannot be read at all, before their texts are looked at.
QString rowProblem(const SlotListCsvColumns& columns, const CsvRow& cells)
{
    const qsizetype width = columns.cellNames.size();
    if (cells.size() > width)
        return QStringLiteral("za dużo kolumn (%1, a %2 ma %3)")
            .arg(cells.size())
            .arg(columns.byNames ? QStringLiteral("nagłówek") : QStringLiteral("lista"))
            .arg(width);
    QList<int> read = columns.columnCells;
    read.prepend(columns.slotCell);
    for (const int cell : read) {
        if (cell < 0)
            continue;
        const QString problem = controlCharacterProblem(columns.cellNames[cell], cells.value(cell));
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

// The texts a row gives the list's columns; a column the file does not have
// keeps what the slot `given` holds.
QStringList rowValues(const SlotList& list, const SlotListCsvColumns& columns, const CsvRow& cells, int given)
{
    const QStringList kept = given > 0 && list.inUse(given) ? list.entry(given) : QStringList();
    const QList<SlotColumn>& layout = list.layout().columns;
    QStringList values;
    for (qsizetype c = 0; c < layout.size(); ++c) {
        const int cell = columns.columnCells[c];
        values.append(cell >= 0 ? fromCsv(layout[c], cells.value(cell)) : kept.value(c));
    }
    return values;
}

struct SlotChoice {
    int slot = 0;
    QString problem;
};

// Hands out the slots rows go to, each at most once.
class SlotPlanner
{
public:
    explicit SlotPlanner(const SlotList& list) : list_(list) {}

    // The slot `number` names; 0 when it names none of the list's.
    int namedSlot(const QString& number) const
    {
        bool ok = false;
        const int slot = number.toInt(&ok);
        return ok && slot >= 1 && slot <= list_.layout().slotCount ? slot : 0;
    }

    // Takes the slot `number` names or, without a number, the next free one.
    SlotChoice claim(const QString& number)
    {
        const int slotCount = list_.layout().slotCount;
        int slot = 0;
        if (number.isEmpty()) {
            while (nextFree_ <= slotCount && (list_.inUse(nextFree_) || claimed_.contains(nextFree_)))
                ++nextFree_;
            if (nextFree_ > slotCount)
                return {0, QStringLiteral("brak wolnej pozycji na liście")};
            slot = nextFree_;
        } else {
            slot = namedSlot(number);
            if (slot == 0)
                return {0,
                        QStringLiteral("nieprawidłowy numer pozycji „%1” (dozwolone 1–%2)").arg(number).arg(slotCount)};
            if (claimed_.contains(slot))
                return {0, QStringLiteral("pozycja %1 podana w pliku drugi raz").arg(slot)};
        }
        claimed_.insert(slot);
        return {slot, {}};
    }

private:
    const SlotList& list_;
    QSet<int> claimed_;
    int nextFree_ = 1;
};

// "Nr" and the column captions.
CsvRow headRow(const SlotListLayout& layout)
{
    CsvRow head{slotNumberCaption()};
    for (const SlotColumn& column : layout.columns)
        head.append(column.caption);
    return head;
}

} // namespace

QList<CsvRow> slotListCsvHeads() { return {headRow(clientListLayout()), headRow(serviceListLayout())}; }

QByteArray slotListCsv(const SlotList& list)
{
    QList<CsvRow> rows{headRow(list.layout())};
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
    writeOutputFile(ops, path, csvOutputKind(slotListCsvHeads()), slotListCsv(list), protectedFolders(baseFolders));
}

QByteArray readCsvFile(FileOps& ops, const QString& path)
{
    const OpenFile file(ops, path, OpenFile::ReadOnly);
    return file.readExactly(0, file.size());
}

SlotListImport planImport(const SlotList& list, const QByteArray& csv)
{
    SlotListImport plan;
    const std::optional<CsvContent> content = readCsv(csv);
    if (!content) {
        plan.refused.append(QStringLiteral("plik nie jest zapisany w UTF-8; zapisz go z arkusza jako „CSV UTF-8”"));
        return plan;
    }
    QList<CsvRecord> records = content->records;
    const SlotListCsvColumns columns = slotListCsvColumns(list.layout(), records.value(0).cells);
    if (!columns.problem.isEmpty()) {
        plan.refused.append(refusal(records.first().line, columns.problem));
        return plan;
    }
    if (columns.firstRowIsHeader)
        records.removeFirst();
    plan.ignoredColumns = columns.ignored;
    SlotPlanner planner(list);
    for (const CsvRecord& record : records) {
        const QString problem = rowProblem(columns, record.cells);
        if (!problem.isEmpty()) {
            plan.refused.append(refusal(record.line, problem));
            continue;
        }
        const QString number = columns.slotCell < 0 ? QString() : record.cells.value(columns.slotCell).trimmed();
        const QStringList values = rowValues(list, columns, record.cells, planner.namedSlot(number));
        const QString valueProblem = list.problem(values);
        if (!valueProblem.isEmpty()) {
            plan.refused.append(refusal(record.line, valueProblem));
            continue;
        }
        const SlotChoice choice = planner.claim(number);
        if (!choice.problem.isEmpty()) {
            plan.refused.append(refusal(record.line, choice.problem));
            continue;
        }
        const int slot = choice.slot;
        if (list.inUse(slot) && list.entry(slot) != values)
            plan.slotsInUse.append(slot);
        plan.rows.append({slot, values});
    }
    for (const CsvProblem& problem : content->problems)
        plan.refused.append(refusal(problem.line, problem.reason));
    return plan;
}

SlotListImportReport applyImport(SlotList& list, SlotListImport plan, bool overwrite)
{
    SlotListImportReport report;
    for (const SlotListImport::Row& row : plan.rows) {
        if (!overwrite && plan.slotsInUse.contains(row.slot)) {
            plan.refused.append(QStringLiteral("pozycja %1: zajęta, nie nadpisano").arg(row.slot));
            continue;
        }
        list.setEntry(row.slot, row.values);
        ++report.taken;
    }
    report.refused = int(plan.refused.size());
    QStringList lines{report.taken > 0 ? QStringLiteral("Wczytano wierszy: %1.").arg(report.taken)
                                       : QStringLiteral("Nie wczytano żadnego wiersza.")};
    lines += plan.ignoredColumns;
    if (!plan.refused.isEmpty())
        lines += QStringLiteral("Odrzucono wierszy: %1:").arg(plan.refused.size());
    lines += plan.refused;
    report.text = lines.join(QLatin1Char('\n'));
    return report;
}

} // namespace kw
