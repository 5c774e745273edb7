#include "exports/slot_list_csv_columns.h"

#include <algorithm>

namespace kw {

namespace {

// A column name as people vary it: "  adres 1", "ADRES 1" and "Adres 1" are
// one name, and so are "Nazwa usługi" and "Nazwa uslugi".
QString foldedName(const QString& name)
{
    const QString decomposed = name.simplified().toLower().normalized(QString::NormalizationForm_D);
    QString folded;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        folded += c == u'ł' ? u'l' : c;
    }
    return folded;
}

SlotListCsvColumns byPosition(const SlotListLayout& layout, bool header)
{
    SlotListCsvColumns columns;
    columns.firstRowIsHeader = header;
    columns.cellNames.append(slotNumberCaption());
    for (qsizetype c = 0; c < layout.columns.size(); ++c) {
        columns.columnCells.append(int(c + 1));
        columns.cellNames.append(layout.columns[c].caption);
    }
    return columns;
}

SlotListCsvColumns byNames(const SlotListLayout& layout, const CsvRow& header)
{
    SlotListCsvColumns columns;
    columns.firstRowIsHeader = true;
    columns.byNames = true;
    columns.slotCell = -1;
    columns.columnCells.fill(-1, layout.columns.size());
    for (qsizetype cell = 0; cell < header.size(); ++cell) {
        const QString name = header[cell].trimmed();
        columns.cellNames.append(name);
        const QString folded = foldedName(name);
        int* target = nullptr;
        if (folded == foldedName(slotNumberCaption()))
            target = &columns.slotCell;
        for (qsizetype c = 0; c < layout.columns.size() && !target; ++c) {
            if (folded == foldedName(layout.columns[c].caption))
                target = &columns.columnCells[c];
        }
        if (!target)
            columns.ignored.append(name.isEmpty() ? QStringLiteral("Pominięto kolumnę %1 bez nazwy.").arg(cell + 1)
                                                  : QStringLiteral("Pominięto nieznaną kolumnę „%1”.").arg(name));
        else if (*target >= 0)
            columns.ignored.append(QStringLiteral("Pominięto kolumnę „%1” podaną drugi raz.").arg(name));
        else
            *target = int(cell);
    }
    return columns;
}

bool namesColumn(const CsvRow& row, const QString& caption)
{
    const QString folded = foldedName(caption);
    for (const QString& cell : row) {
        if (foldedName(cell) == folded)
            return true;
    }
    return false;
}

bool namesAnyColumn(const SlotListLayout& layout, const CsvRow& row)
{
    for (const SlotColumn& column : layout.columns) {
        if (namesColumn(row, column.caption))
            return true;
    }
    return false;
}

// Whether the header is the one the program writes; its files read by
// position as they always have.
bool isOwnHeader(const SlotListLayout& layout, const CsvRow& header)
{
    if (header.size() != layout.columns.size() + 1 || foldedName(header[0]) != foldedName(slotNumberCaption()))
        return false;
    for (qsizetype c = 0; c < layout.columns.size(); ++c) {
        if (foldedName(header[c + 1]) != foldedName(layout.columns[c].caption))
            return false;
    }
    return true;
}

} // namespace

QString slotNumberCaption() { return QStringLiteral("Nr"); }

SlotListCsvColumns slotListCsvColumns(const SlotListLayout& layout, const CsvRow& firstRow)
{
    // A row that starts with a slot number is data, whatever its texts say.
    const QString first = firstRow.value(0).trimmed();
    if (!first.isEmpty() && std::all_of(first.begin(), first.end(), [](QChar c) { return c.isDigit(); }))
        return byPosition(layout, false);
    const QString& nameCaption = layout.columns.first().caption;
    if (namesColumn(firstRow, nameCaption) && !isOwnHeader(layout, firstRow))
        return byNames(layout, firstRow);
    if (foldedName(first) == foldedName(slotNumberCaption()))
        return byPosition(layout, true);
    SlotListCsvColumns columns = byPosition(layout, false);
    if (namesAnyColumn(layout, firstRow))
        columns.problem = QStringLiteral("nagłówek pliku nie ma kolumny „%1”").arg(nameCaption);
    return columns;
}

} // namespace kw
