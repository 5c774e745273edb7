#include "exports/export_table.h"

#include <array>
#include <charconv>
#include <cstring>

namespace kw {

namespace {

bool isAsciiAlphanumeric(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The bytes that make csvLine() quote or escape a cell wherever they stand:
// control characters, the separator and the quote.
constexpr std::array<bool, 256> specialBytes = [] {
    std::array<bool, 256> special{};
    for (int byte = 0; byte < 0x20; ++byte)
        special[byte] = true;
    special[0x7F] = special[';'] = special['"'] = true;
    return special;
}();

// Copies `cell` to `to` and returns where it ends when csvLine() writes it
// as it is: it starts with a letter or a digit, holds no separator, quote or
// control character and ends with no blank (nor a no-break space); returns
// nullptr otherwise. Most cells of a long table are such; any other goes
// through csvLine() itself, so quoting and escaping are decided in one place.
char* copyPlainCsvCell(char* to, QByteArrayView cell)
{
    if (cell.isEmpty())
        return to;
    const qsizetype last = cell.size() - 1;
    if (!isAsciiAlphanumeric(cell[0]) || cell[last] == ' ' ||
        (last > 0 && cell[last - 1] == '\xC2' && cell[last] == '\xA0'))
        return nullptr;
    for (char c : cell) {
        if (specialBytes[static_cast<unsigned char>(c)])
            return nullptr;
        *to++ = c;
    }
    return to;
}

} // namespace

void ExportRow::addCell(QByteArrayView utf8)
{
    char* at = openCell(utf8.size());
    std::memcpy(at, utf8.data(), size_t(utf8.size()));
    closeCell(at + utf8.size());
}

CsvRow headerRow(const ExportTable& table)
{
    CsvRow titles;
    for (const ExportColumn& column : table.columns)
        titles.append(column.title);
    return titles;
}

char* writeNumber(char* at, qint64 number) { return std::to_chars(at, at + 20, number).ptr; }

void appendCsvLine(QByteArray& out, const ExportRow& row)
{
    // Plain cells are copied through a pointer into room made for the whole
    // row; appending piece by piece costs more than the rest of the export.
    qsizetype at = out.size();
    const auto makeRoom = [&](qsizetype index) {
        out.resize(at + row.bytesFrom(index) + 2);
        return out.data();
    };
    char* bytes = makeRoom(0);
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (i > 0)
            bytes[at++] = ';';
        const QByteArrayView cell = row.cell(i);
        if (const char* end = copyPlainCsvCell(bytes + at, cell)) {
            at = end - bytes;
        } else {
            out.truncate(at);
            out.append(csvLine({QString::fromUtf8(cell)}).toUtf8().chopped(2));
            at = out.size();
            bytes = makeRoom(i + 1);
        }
    }
    bytes[at++] = '\r';
    bytes[at++] = '\n';
    out.truncate(at);
}

} // namespace kw
