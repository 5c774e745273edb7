#pragma once

// A money amount in words, as a bill states it, from numberInWords().

#include "editing/money.h"

#include <QString>

namespace kw {

// An amount in words, split the way a bill states it: the złoty words and
// the grosz words, each ending with its unit word.
struct AmountWords {
    QString zloty;
    QString grosz;
};

// Returns the words of `amount` rounded to grosze exactly as formatAmount
// shows it, so figures and words always agree (0.125 says "trzynaście
// groszy"). A part whose count is 0 stays empty. Negative amounts and
// amounts of 2 147 483 648 zł or more give no words; a caller that states
// negative amounts adds the sign to the words of the magnitude itself.
AmountWords amountWords(Money amount);

} // namespace kw
