#pragma once

#include "exports/csv.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace kw {

// What a column of an exported table holds, so a spreadsheet file can keep
// numbers and dates as such where a CSV file has only text.
enum class ColumnType {
    Text,   // kept as text, whatever it looks like (PKWiU "01.12.19", NIP "0012345678")
    Amount, // a decimal with a comma as csvAmount writes it ("1234,50"), or any text
    Date,   // "YYYY-MM-DD" as stored, or any text
};

struct ExportColumn {
    QString title;
    ColumnType type = ColumnType::Text;
    int width = 10; // in characters, for a spreadsheet file
};

// A table the command line exports as CSV or as a spreadsheet file.
struct ExportTable {
    QString sheetName; // at most 31 characters, none of []:*?/\ .
    QList<ExportColumn> columns;
};

// One row of an exported table, its cells as UTF-8 text. It is made again
// for every row in the same buffer, written through a pointer, so a long
// table costs neither an allocation nor a container call per byte.
class ExportRow
{
public:
    // Empties the row, keeping its buffer.
    void clear()
    {
        used_ = 0;
        ends_.clear();
    }
    // Where the text of the next cell goes, with room for `bytes` bytes;
    // closeCell() with the end of the text written there makes it a cell.
    char* openCell(qsizetype bytes)
    {
        if (bytes_.size() < used_ + bytes + 1)
            bytes_.resize(2 * (used_ + bytes + 1));
        return bytes_.data() + used_;
    }
    void closeCell(char* end)
    {
        *end = '\0';
        const qsizetype at = end - bytes_.constData();
        ends_.append(at);
        used_ = at + 1;
    }
    void addCell(QByteArrayView utf8);

    qsizetype size() const { return ends_.size(); }
    QByteArrayView cell(qsizetype i) const { return {bytes_.constData() + start(i), ends_[i] - start(i)}; }
    // The cell's text followed by a NUL, for C libraries.
    const char* cellCString(qsizetype i) const { return bytes_.constData() + start(i); }
    // How many bytes the cells from `i` on take, each with its NUL.
    qsizetype bytesFrom(qsizetype i) const { return i < size() ? used_ - start(i) : 0; }

private:
    qsizetype start(qsizetype i) const { return i == 0 ? 0 : ends_[i - 1] + 1; }

    QByteArray bytes_;      // the cells one after another, each followed by a NUL
    qsizetype used_ = 0;    // how much of bytes_ the cells take
    QList<qsizetype> ends_; // where each cell's NUL stands
};

// The columns' titles, as the table's header row.
CsvRow headerRow(const ExportTable& table);

// Writes the decimal digits of `number`, with a minus when negative, at
// `at` (room for 20 bytes) and returns where they end.
char* writeNumber(char* at, qint64 number);

// Appends `row` to `out` as one line of a CSV file, the same bytes
// csvLine() gives for its cells, in UTF-8.
void appendCsvLine(QByteArray& out, const ExportRow& row);

} // namespace kw
