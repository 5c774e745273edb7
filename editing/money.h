#pragma once

#include <QtGlobal>

#include <compare>
#include <limits>

namespace kw {

// An amount of money, a quantity or a price, held exactly as a whole number
// of ten-thousandths: a quantity and a price of two decimals each multiply to
// an exact product, and sums of products stay exact.
//
// Results beyond ±limit() are held at the limit rather than wrapped: no bill
// comes near 922 337 203 685 477 zł, and a figure stuck at the limit is
// plainly absurd where a wrapped one could pass for a real amount.
class Money
{
public:
    static constexpr int decimals = 4;
    static constexpr int groszDecimals = 2;
    static constexpr qint64 unitsPerZloty = 10000;
    static constexpr qint64 unitsPerGrosz = 100;

    constexpr Money() = default;

    // `units` ten-thousandths, held within ±limit().
    static constexpr Money fromUnits(qint64 units) { return Money(units < -maxUnits ? -maxUnits : units); }
    static constexpr Money limit() { return Money(maxUnits); }

    constexpr qint64 units() const { return units_; }

    // The amount in whole grosze, halves away from zero: 0.125 gives 13,
    // -0.125 gives -13.
    qint64 grosze() const;
    // The amount rounded to whole grosze in the same way.
    Money roundedToGrosze() const { return Money(grosze() * unitsPerGrosz); }
    // The whole złoty, halves to the even neighbour: 2.5 gives 2, 3.5 gives 4.
    qint64 zlotyHalvesToEven() const;

    friend constexpr auto operator<=>(Money, Money) = default;

    Money operator-() const { return Money(-units_); }
    friend Money operator+(Money a, Money b);
    friend Money operator-(Money a, Money b) { return a + -b; }
    // Rounded to ten-thousandths with halves away from zero; exact when the
    // factors have four decimals between them, as a quantity and a price of
    // two decimals each do.
    friend Money operator*(Money a, Money b);
    Money& operator+=(Money other) { return *this = *this + other; }

private:
    static constexpr qint64 maxUnits = std::numeric_limits<qint64>::max();

    constexpr explicit Money(qint64 units) : units_(units) {}

    qint64 units_ = 0;
};

} // namespace kw
