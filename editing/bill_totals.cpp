#include "editing/bill_totals.h"

#include "editing/amount_text.h"
#include "editing/amount_words.h"

namespace kw {

BillTotals computeBillTotals(const std::array<LineCells, 3>& lines)
{
    BillTotals totals;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        LineTotal& line = totals.lines[row];
        line.quantity = readAmount(lines[row].quantity, storedFigureDecimals);
        line.price = readAmount(lines[row].price, storedFigureDecimals);
        line.product = line.quantity * line.price;
        line.totalText = formatAmount(line.product, lineTotalWidth);
        line.writeTotal = line.product != Money();
        totals.total += line.product;
    }
    totals.totalText = formatAmount(totals.total, billTotalWidth);
    totals.totalLabel = totals.totalText + QStringLiteral(" PLN");
    AmountWords words = amountWords(totals.total);
    totals.zlotyWords = std::move(words.zloty);
    totals.groszWords = std::move(words.grosz);
    return totals;
}

} // namespace kw
