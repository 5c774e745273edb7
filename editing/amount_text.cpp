#include "editing/amount_text.h"

#include <algorithm>
#include <limits>
#include <string>

namespace kw {
namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

qsizetype skipBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

// A power of ten beyond this puts any number far outside Money, or rounds
// it to zero, so larger exponents are held at it.
constexpr qint64 exponentLimit = 1000000;

// A number as typed: its digits without leading zeros, times ten to the
// power `exponent`.
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    qint64 exponent = 0;
};

std::optional<DecimalNumber> leadingNumber(QStringView text)
{
    const qsizetype size = text.size();
    qsizetype i = skipBlanks(text);
    DecimalNumber number;
    if (i < size && (text[i] == u'-' || text[i] == u'+'))
        number.negative = text[i++] == u'-';
    bool anyDigit = false;
    const auto takeDigits = [&](int exponentStep) {
        for (; i < size && isDigit(text[i]); ++i) {
            anyDigit = true;
            if (!number.digits.empty() || text[i] != u'0')
                number.digits += char(text[i].unicode());
            number.exponent += exponentStep;
        }
    };
    takeDigits(0);
    if (i < size && (text[i] == u'.' || text[i] == u',')) {
        ++i;
        takeDigits(-1);
    }
    if (!anyDigit)
        return std::nullopt;
    // The exponent counts only when it has digits: "1e" reads as 1.
    if (i < size && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        bool negativePower = false;
        if (j < size && (text[j] == u'-' || text[j] == u'+'))
            negativePower = text[j++] == u'-';
        qint64 power = 0;
        for (; j < size && isDigit(text[j]); ++j)
            power = std::min(power * 10 + (text[j].unicode() - u'0'), exponentLimit);
        number.exponent += negativePower ? -power : power;
    }
    return number;
}

constexpr qint64 powerOfTen(int n)
{
    qint64 power = 1;
    while (n-- > 0)
        power *= 10;
    return power;
}

} // namespace

std::optional<Money> leadingAmount(QStringView text, int decimals)
{
    const std::optional<DecimalNumber> number = leadingNumber(text);
    if (!number)
        return std::nullopt;
    if (number->digits.empty())
        return Money();
    decimals = std::clamp(decimals, 0, Money::decimals);
    const qint64 scale = powerOfTen(Money::decimals - decimals);
    const quint64 largest = quint64(Money::limit().units() / scale);

    // The digits before the rounding point, then the first one after it.
    const qint64 length = qint64(number->digits.size());
    const qint64 kept = length + number->exponent + decimals;
    quint64 magnitude = 0;
    for (qint64 k = 0; k < kept; ++k) {
        const unsigned digit = k < length ? unsigned(number->digits[size_t(k)] - '0') : 0;
        if (magnitude > (largest - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    if (kept >= 0 && kept < length && number->digits[size_t(kept)] >= '5') {
        if (magnitude == largest)
            return std::nullopt;
        ++magnitude;
    }
    const qint64 units = qint64(magnitude) * scale;
    return Money::fromUnits(number->negative ? -units : units);
}

Money readAmount(QStringView cell, int decimals) { return leadingAmount(cell, decimals).value_or(Money()); }

qint64 readCount(QStringView text)
{
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    qint64 count = 0;
    for (qsizetype i = skipBlanks(text); i < text.size() && isDigit(text[i]); ++i) {
        const int digit = text[i].unicode() - u'0';
        count = count > (largest - digit) / 10 ? largest : count * 10 + digit;
    }
    return count;
}

QString formatAmount(Money value, int width)
{
    const qint64 grosze = value.grosze();
    // At least one digit before the point: 5 grosze show as 0.05.
    QString text = QString::number(grosze < 0 ? -grosze : grosze).rightJustified(3, u'0');
    text.insert(text.size() - 2, u'.');
    if (grosze < 0)
        text.prepend(u'-');
    return text.rightJustified(width);
}

} // namespace kw
