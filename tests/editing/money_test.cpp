#include "editing/money.h"
#include "tests/support/money_printer.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using kw::Money;

constexpr qint64 largest = std::numeric_limits<qint64>::max();

Money units(qint64 count) { return Money::fromUnits(count); }

TEST(Money, GroszeRoundHalvesAwayFromZero)
{
    const struct {
        qint64 units;
        qint64 grosze;
    } cases[] = {
        {0, 0},
        {49, 0},
        {50, 1},
        {-49, 0},
        {-50, -1},
        {1250, 13},
        {-1250, -13},
        {1249, 12},
        {1499850, 14999},
        {-1499850, -14999},
        {129975, 1300},
        {largest, largest / 100},
        {-largest, -(largest / 100)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(units(c.units).grosze(), c.grosze) << c.units;
        EXPECT_EQ(units(c.units).roundedToGrosze(), units(c.grosze * 100)) << c.units;
    }
}

TEST(Money, WholeZlotyRoundHalvesToEven)
{
    const struct {
        qint64 units;
        qint64 zloty;
    } cases[] = {
        {0, 0},
        {5000, 0},
        {15000, 2},
        {25000, 2},
        {25100, 3},
        {10005000, 1000},
        {10015000, 1002},
        {-25000, -2},
        {-35000, -4},
        {-4000, 0},
        {largest, largest / 10000 + 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(units(c.units).zlotyHalvesToEven(), c.zloty) << c.units;
}

TEST(Money, ProductsOfTwoDecimalFiguresAreExact)
{
    const struct {
        qint64 a, b, product;
    } cases[] = {
        {15000, 999900, 1499850},   // 1.50 x 99.99 = 149.985
        {-15000, 999900, -1499850}, // a corrective line
        {30000, 43300, 129900},     // 3 x 4.33
        {5000, 2500, 1250},         // 0.5 x 0.25 = 0.125
        {1, 1, 0},                  // 0.0001 x 0.0001 rounds to nothing
        {1, 5000, 1},               // 0.0001 x 0.5 = 0.00005, the half rounds away from zero
        {-1, 5000, -1},
        {100000000000000, 100000000000000, largest},   // 10^10 x 10^10 zł: held at the limit
        {-100000000000000, 100000000000000, -largest}, // and below
        {largest, largest, largest},
        {largest, -largest, -largest},
    };
    for (const auto& c : cases)
        EXPECT_EQ(units(c.a) * units(c.b), units(c.product)) << c.a << " x " << c.b;
}

TEST(Money, SumsAreHeldAtTheLimitInsteadOfWrapping)
{
    EXPECT_EQ(units(1499850) + units(-1499850), Money());
    EXPECT_EQ(Money::limit() + units(1), Money::limit());
    EXPECT_EQ(-Money::limit() - units(1), -Money::limit());
    EXPECT_EQ(-Money::limit() + -Money::limit(), -Money::limit());
    EXPECT_EQ(Money::limit() - -Money::limit(), Money::limit());
    EXPECT_EQ(Money::limit() + -Money::limit(), Money());
    // The one value without a positive counterpart is held at the limit too.
    EXPECT_EQ(units(std::numeric_limits<qint64>::min()), -Money::limit());
    EXPECT_EQ(-units(std::numeric_limits<qint64>::min()), Money::limit());
}

} // namespace
