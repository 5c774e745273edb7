#include "print/printed_amounts.h"

#include "editing/amount_text.h"
#include "editing/amount_words.h"
#include "editing/bill_totals.h"

namespace kw {

namespace {

Money column6Line(const DocumentRecord& document, LineTable table, int line)
{
    return readAmount(document.get(lineCell(table, 6, line)));
}

Money column6Sum(const DocumentRecord& document, LineTable table)
{
    return column6Line(document, table, 1) + column6Line(document, table, 2) + column6Line(document, table, 3);
}

} // namespace

PrintedAmounts printedAmounts(const DocumentRecord& document)
{
    PrintedAmounts amounts;
    amounts.beforeCorrection = column6Sum(document, LineTable::Bill);
    amounts.afterCorrection = column6Sum(document, LineTable::Correction);
    amounts.payable =
        isCorrective(document) ? amounts.afterCorrection - amounts.beforeCorrection : amounts.beforeCorrection;
    return amounts;
}

QString printedAmount(Money value) { return formatAmount(value, billTotalWidth) + QStringLiteral(" PLN"); }

QString printedWordsLine(Money payable)
{
    // The sign follows the printed figure, so an amount that shows as 0.00
    // is never said to be "minus".
    const bool negative = payable.grosze() < 0;
    const AmountWords words = amountWords(negative ? -payable : payable);
    return QStringLiteral("Słownie :   ") + (negative ? QStringLiteral("minus") : QString()) + QLatin1Char(' ') +
        words.zloty + QLatin1Char(' ') + words.grosz;
}

} // namespace kw
