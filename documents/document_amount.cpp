#include "documents/document_amount.h"

#include "editing/amount_text.h"
#include "store/cp1250.h"
#include "store/records.h"

#include <array>

namespace kw {

namespace {

Money cellAmount(QByteArrayView record, StringField field)
{
    const std::string_view text = storedText(record, field);
    std::array<char16_t, doc::CellChars> wide;
    for (size_t i = 0; i < text.size(); ++i) {
        if (quint8(text[i]) >= 0x80)
            return readAmount(fromCp1250(QByteArrayView(text.data(), qsizetype(text.size()))));
        wide[i] = char16_t(text[i]);
    }
    return readAmount(QStringView(wide.data(), qsizetype(text.size())));
}

Money lineTotalsSum(QByteArrayView record, LineTable table)
{
    Money sum;
    for (int line = 1; line <= doc::Lines; ++line)
        sum += cellAmount(record, lineCell(table, 6, line));
    return sum;
}

} // namespace

std::optional<Money> documentAmount(QByteArrayView record)
{
    const std::string_view kind = storedText(record, doc::DocKind);
    if (kind == "F")
        return lineTotalsSum(record, LineTable::Bill);
    if (kind == "K")
        return lineTotalsSum(record, LineTable::Correction) - lineTotalsSum(record, LineTable::Bill);
    return std::nullopt;
}

} // namespace kw
