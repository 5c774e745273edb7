#include "editing/amount_words.h"

#include "editing/number_words.h"

#include <limits>

namespace kw {

AmountWords amountWords(Money amount)
{
    const qint64 grosze = amount.grosze();
    if (grosze < 0)
        return {};
    const qint64 zlotyCount = grosze / 100;
    const qint64 groszCount = grosze % 100;
    if (zlotyCount > std::numeric_limits<qint32>::max())
        return {};

    AmountWords words;
    if (zlotyCount > 0)
        words.zloty = numberInWords(qint32(zlotyCount), zlotyWords.forCount(zlotyCount));
    if (groszCount > 0)
        words.grosz = numberInWords(qint32(groszCount), groszWords.forCount(groszCount));
    return words;
}

} // namespace kw
