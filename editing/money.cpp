#include "editing/money.h"

namespace kw {
namespace {

// Away from zero when the part dropped is at least half a step.
template <typename Int>
Int roundedQuotient(Int value, Int step)
{
    const Int quotient = value / step;
    const Int rest = value % step;
    if (2 * rest >= step)
        return quotient + 1;
    if (2 * rest <= -step)
        return quotient - 1;
    return quotient;
}

} // namespace

qint64 Money::grosze() const { return roundedQuotient(units_, unitsPerGrosz); }

qint64 Money::zlotyHalvesToEven() const
{
    const qint64 whole = units_ / unitsPerZloty;
    const qint64 twiceRest = 2 * (units_ % unitsPerZloty);
    const qint64 away = units_ < 0 ? -1 : 1;
    if (twiceRest * away > unitsPerZloty || (twiceRest * away == unitsPerZloty && whole % 2 != 0))
        return whole + away;
    return whole;
}

Money operator+(Money a, Money b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a.units_, b.units_, &sum))
        return a.units_ < 0 ? -Money::limit() : Money::limit();
    return Money::fromUnits(sum);
}

Money operator*(Money a, Money b)
{
    // Two factors below 2^63 multiply to less than 2^126: no overflow.
    const __int128 product = roundedQuotient(__int128(a.units_) * b.units_, __int128(Money::unitsPerZloty));
    if (product > Money::maxUnits)
        return Money::limit();
    if (product < -Money::maxUnits)
        return -Money::limit();
    return Money(qint64(product));
}

} // namespace kw
