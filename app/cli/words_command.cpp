#include "app/cli/cli_commands.h"

#include "app/cli/cli_error.h"
#include "app/cli/cli_output.h"
#include "editing/amount_text.h"
#include "print/printed_amounts.h"

#include <limits>

namespace kw {

void printAmountWords(const QString& amount)
{
    // The printout says nothing for an amount beyond the words' range; here
    // that is said plainly instead of printing an empty line. Read straight
    // to grosze, so 149,985 says 149.99 as the decimal it is.
    constexpr qint64 largestGrosze = qint64(std::numeric_limits<qint32>::max()) * 100 + 99;
    const std::optional<Money> value = leadingAmount(amount, Money::groszDecimals);
    if (!value || value->grosze() > largestGrosze || value->grosze() < -largestGrosze)
        throw CommandLineError(
            QStringLiteral("Kwota %1 jest za duża, by zapisać ją słownie (największa: 2147483647.99).").arg(amount));
    printLine(printedWordsLine(*value));
}

} // namespace kw
