#include "extras/export_table.h"

#include <array>
#include <charconv>

namespace kw {

namespace {

bool isAsciiAlphanumeric(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// True when csvLine() writes `cell` as it is: it starts with a letter or a
// digit, holds no separator, quote or control character and does not end
// with a blank. Most cells of a long table are such; any other goes through
// csvLine() itself, so quoting and escaping are decided in one place.
bool isPlainCsvCell(QByteArrayView cell)
{
    if (cell.isEmpty())
        return true;
    if (!isAsciiAlphanumeric(cell.front()) || cell.back() == ' ' || cell.endsWith("\xC2\xA0"))
        return false;
    for (char c : cell) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == ';' || c == '"')
            return false;
    }
    return true;
}

} // namespace

void ExportRow::clear()
{
    bytes_.resize(0);
    ends_.clear();
}

void ExportRow::endCell()
{
    ends_.append(bytes_.size());
    bytes_.append('\0');
}

void ExportRow::addCell(QByteArrayView utf8)
{
    bytes_.append(utf8);
    endCell();
}

QByteArrayView ExportRow::cell(qsizetype i) const
{
    return QByteArrayView(bytes_.constData() + start(i), ends_[i] - start(i));
}

CsvRow headerRow(const ExportTable& table)
{
    CsvRow titles;
    for (const ExportColumn& column : table.columns)
        titles.append(column.title);
    return titles;
}

void appendNumber(QByteArray& out, qint64 number)
{
    std::array<char, 24> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    out.append(digits.data(), end - digits.data());
}

void appendCsvLine(QByteArray& out, const ExportRow& row)
{
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (i > 0)
            out.append(';');
        const QByteArrayView cell = row.cell(i);
        if (isPlainCsvCell(cell))
            out.append(cell);
        else
            out.append(csvLine({QString::fromUtf8(cell)}).toUtf8().chopped(2));
    }
    out.append("\r\n");
}

} // namespace kw
