#include "editing/tax_numbers.h"

#include <array>

namespace kw {

QString identifierDigits(const QString& text)
{
    QString rest = text.trimmed();
    if (rest.startsWith(QLatin1String("PL"), Qt::CaseInsensitive))
        rest = rest.mid(2);
    QString digits;
    for (QChar c : rest) {
        if (c.isDigit() && c.unicode() < 0x80)
            digits += c;
        else if (c != QLatin1Char(' ') && c != QLatin1Char('-'))
            return {};
    }
    return digits;
}

bool isValidNip(const QString& text)
{
    static constexpr std::array<int, 9> weights = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    const QString digits = identifierDigits(text);
    if (digits.size() != 10)
        return false;
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += weights[i] * digits[i].digitValue();
    return sum % 11 == digits[9].digitValue();
}

bool isValidNrb(const QString& text)
{
    const QString digits = identifierDigits(text);
    if (digits.size() != 26)
        return false;
    // The account, then "PL" as 25 21, then the two check digits.
    const QString rearranged = digits.mid(2) + QStringLiteral("2521") + digits.left(2);
    int remainder = 0;
    for (QChar c : rearranged)
        remainder = (remainder * 10 + c.digitValue()) % 97;
    return remainder == 1;
}

} // namespace kw
