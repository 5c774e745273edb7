#pragma once

#include "editing/money.h"
#include "store/records.h"

#include <QString>

namespace kw {

// The amounts a printed bill states, from the column 6 ("Razem") texts of
// the document's stored line tables, added exactly.
struct PrintedAmounts {
    Money beforeCorrection; // BillLines, lines 1 + 2 + 3
    Money afterCorrection;  // CorrectionLines, lines 1 + 2 + 3
    // A bill: its own total. A corrective bill: after minus before.
    Money payable;
};

PrintedAmounts printedAmounts(const DocumentRecord& document);

// The amount with two decimals right-aligned in 12 characters, then " PLN".
QString printedAmount(Money value);

// "Słownie :   ", the sign word ("minus" or nothing), a blank, the złoty
// words, a blank and the grosz words, for the amount as printed: 12.5 says
// twelve złoty fifty grosz, -20 says minus twenty złoty.
QString printedWordsLine(Money payable);

} // namespace kw
