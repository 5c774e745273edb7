#include "editing/amount_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// |value| × 100 rounded to whole grosze, as decimal digits without leading
// zeros ("0" for zero). Large enough for the largest double.
struct GroszeDigits {
    std::array<char, 340> digits{};
    int length = 0;
    bool negative = false;
};

GroszeDigits toGroszeDigits(double value)
{
    // 18 significant digits: d.ddddddddddddddddde±x
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.17e", std::fabs(value));
    char mantissa[18];
    mantissa[0] = scientific[0];
    std::memcpy(mantissa + 1, scientific + 2, 17);
    const int exponent = std::atoi(scientific + 20);

    GroszeDigits out;
    // Digits kept: those before the point plus two decimals.
    const int kept = exponent + 3;
    if (kept <= 0) {
        // Below 0.01 no digit is kept; the thousandths digit alone decides.
        const bool roundUp = kept == 0 && mantissa[0] >= '5';
        out.digits[0] = roundUp ? '1' : '0';
        out.length = 1;
    } else {
        // One spare slot in front for a carry out of the first digit.
        char* first = out.digits.data() + 1;
        for (int i = 0; i < kept; ++i)
            first[i] = i < 18 ? mantissa[i] : '0';
        int length = kept;
        if (kept < 18 && mantissa[kept] >= '5') {
            int i = kept - 1;
            while (i >= 0 && first[i] == '9')
                first[i--] = '0';
            if (i >= 0) {
                ++first[i];
            } else {
                --first;
                *first = '1';
                ++length;
            }
        }
        while (length > 1 && *first == '0') {
            ++first;
            --length;
        }
        std::memmove(out.digits.data(), first, length);
        out.length = length;
    }
    out.negative = value < 0 && !(out.length == 1 && out.digits[0] == '0');
    return out;
}

} // namespace

double readAmount(QStringView cell)
{
    const qsizetype size = cell.size();
    qsizetype i = skipBlanks(cell);

    // Collected as plain ASCII for from_chars, which ignores the locale.
    std::string number;
    if (i < size && (cell[i] == u'-' || cell[i] == u'+')) {
        if (cell[i] == u'-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (i < size && isDigit(cell[i])) {
        number += char(cell[i++].unicode());
        anyDigit = true;
    }
    if (i < size && (cell[i] == u'.' || cell[i] == u',')) {
        number += '.';
        ++i;
        while (i < size && isDigit(cell[i])) {
            number += char(cell[i++].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    // The exponent counts only when it has digits: "1e" reads as 1.
    if (i < size && (cell[i] == u'e' || cell[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < size && (cell[j] == u'-' || cell[j] == u'+'))
            ++j;
        if (j < size && isDigit(cell[j])) {
            number += 'e';
            if (cell[i + 1] == u'-')
                number += '-';
            while (j < size && isDigit(cell[j]))
                number += char(cell[j++].unicode());
        }
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || !std::isfinite(value))
        return 0.0;
    // "-0" is zero, not a negative amount.
    return value + 0.0;
}

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

QString formatAmount(double value, int width)
{
    if (!std::isfinite(value)) {
        const QString text = std::isnan(value) ? QStringLiteral("NAN")
            : value < 0                        ? QStringLiteral("-INF")
                                               : QStringLiteral("INF");
        return text.rightJustified(width);
    }
    const GroszeDigits grosze = toGroszeDigits(value);

    // At least one digit before the point: 5 grosze show as 0.05.
    const int wholeDigits = grosze.length > 2 ? grosze.length - 2 : 1;
    const int shown = (grosze.negative ? 1 : 0) + wholeDigits + 3;
    const int padding = width > shown ? width - shown : 0;

    QString text(padding + shown, u' ');
    QChar* out = text.data() + padding;
    if (grosze.negative)
        *out++ = u'-';
    const int leadingZeros = wholeDigits + 2 - grosze.length;
    for (int i = 0; i < wholeDigits + 2; ++i) {
        if (i == wholeDigits)
            *out++ = u'.';
        *out++ = QLatin1Char(i < leadingZeros ? '0' : grosze.digits[i - leadingZeros]);
    }
    return text;
}

std::optional<qint64> roundToGrosze(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const GroszeDigits grosze = toGroszeDigits(value);
    const quint64 limit = quint64(std::numeric_limits<qint64>::max());
    quint64 magnitude = 0;
    for (int i = 0; i < grosze.length; ++i) {
        const unsigned digit = unsigned(grosze.digits[i] - '0');
        if (magnitude > (limit - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    const qint64 count = qint64(magnitude);
    return grosze.negative ? -count : count;
}

} // namespace kw
