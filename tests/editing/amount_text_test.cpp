#include "editing/amount_text.h"
#include "tests/editing/qstring_printer.h"
#include "tests/support/money_printer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

namespace {

using kw::Money;

constexpr qint64 largest = std::numeric_limits<qint64>::max();

// Amounts in the tables are whole ten-thousandths: 12340 is 1.234 zł.
Money units(qint64 count) { return Money::fromUnits(count); }

TEST(ReadAmount, TakesTheLongestLeadingNumber)
{
    struct Case {
        const char* cell;
        qint64 units;
    };
    const Case cases[] = {
        {"", 0},           {"   ", 0},        {"5", 50000},       {"  -2.5", -25000}, {"\t7", 70000},  {"+3", 30000},
        {"5.", 50000},     {".5", 5000},      {"-.5", -5000},     {".", 0},           {"-", 0},        {"+", 0},
        {"1e3", 10000000}, {"1E-2", 100},     {"2e+2x", 2000000}, {"1e", 10000},      {"1e+", 10000},  {"3E-", 30000},
        {"1,5", 15000},    {"-1,25", -12500}, {",5", 5000},       {"1,234.5", 12340}, {"1.5 ", 15000}, {"1 000", 10000},
        {"12abc", 120000}, {"abc", 0},        {"e5", 0},          {"--1", 0},         {"1e999", 0},    {"-1e999", 0},
        {"nan", 0},        {"inf", 0},        {"-inf", 0},        {"0x10", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kw::readAmount(QString::fromUtf8(c.cell)), units(c.units)) << "cell '" << c.cell << "'";
}

// The digits typed are the value: no binary fraction stands in for them.
TEST(ReadAmount, TakesTheDecimalExactlyAndRoundsHalvesAwayFromZero)
{
    struct Case {
        const char* cell;
        int decimals;
        qint64 units;
    };
    const Case cases[] = {
        {"149.985", 4, 1499850}, {"2.675", 4, 26750},
        {"4,3325", 4, 43325},    {"0.00005", 4, 1},
        {"-0.00005", 4, -1},     {"0.0000499999", 4, 0},
        {"5e-5", 4, 1},          {"1.23456e2", 4, 1234560},
        {"0012.50", 4, 125000},  {"4,3325", 2, 43300},
        {"2.675", 2, 26800},     {"-2.675", 2, -26800},
        {"1.005", 2, 10100},     {"0,005", 2, 100},
        {"0.00495", 2, 0}, // straight to grosze, never by way of 0.0050
        {"99,99", 2, 999900},    {"2.5", 0, 30000},
        {"-2.5", 0, -30000},     {"2.5", -3, 30000}, // below 0 counts as 0
        {"2.55555", 9, 25556},                       // above 4 counts as 4
    };
    for (const Case& c : cases)
        EXPECT_EQ(kw::readAmount(QString::fromUtf8(c.cell), c.decimals), units(c.units))
            << "cell '" << c.cell << "' to " << c.decimals << " decimals";
}

TEST(ReadAmount, NumbersBeyondTheRangeReadAsZero)
{
    struct Case {
        QString cell;
        int decimals;
        std::optional<Money> amount;
    };
    const QString nines(5000, u'9');
    const Case cases[] = {
        {QStringLiteral("922337203685477.5807"), 4, units(largest)},
        {QStringLiteral("-922337203685477.5807"), 4, units(-largest)},
        {QStringLiteral("922337203685477.5808"), 4, std::nullopt},
        {QStringLiteral("922337203685477.58074"), 4, units(largest)},
        {QStringLiteral("922337203685477.58075"), 4, std::nullopt},
        {QStringLiteral("922337203685477.58"), 2, units(largest / 100 * 100)},
        {QStringLiteral("922337203685477.585"), 2, std::nullopt},
        {QStringLiteral("1e15"), 4, std::nullopt},
        {QStringLiteral("1e99999999999999999999999"), 4, std::nullopt},
        {QStringLiteral("1e-99999999999999999999999"), 4, Money()},
        {QStringLiteral("0e99999999999999999999999"), 4, Money()},
        {QStringLiteral("-0.0000"), 4, Money()},
        {nines, 4, std::nullopt},
        {QStringLiteral("0.") + QString(5000, u'0') + QStringLiteral("1"), 4, Money()},
        {QStringLiteral("0.") + nines, 4, units(10000)},
        {QString(5000, u'0') + QStringLiteral("1"), 4, units(10000)},
        {QStringLiteral("12 zł"), 4, units(120000)},
        {QStringLiteral("zł"), 4, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kw::leadingAmount(c.cell, c.decimals), c.amount) << c.cell.left(40).toStdString();
        EXPECT_EQ(kw::readAmount(c.cell, c.decimals), c.amount.value_or(Money())) << c.cell.left(40).toStdString();
    }
}

TEST(ReadAmount, IgnoresTheLocale)
{
    // Qt adopts the environment's locale; a Polish one must not turn the point off.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "pl_PL.UTF-8"))
        GTEST_SKIP() << "no Polish locale installed";
    EXPECT_EQ(kw::readAmount(u"2.5"), units(25000));
    EXPECT_EQ(kw::readAmount(u"2,5"), units(25000));
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(ReadCount, ReadsLeadingDigitsOnly)
{
    struct Case {
        const char* text;
        qint64 count;
    };
    const Case cases[] = {
        {"", 0},
        {"   ", 0},
        {"42", 42},
        {"  42", 42},
        {"42x", 42},
        {"007", 7},
        {"x42", 0},
        {"-5", 0},
        {"+5", 0},
        {"9223372036854775807", largest},
        {"9223372036854775808", largest},
        {"99999999999999999999999", largest},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kw::readCount(QString::fromUtf8(c.text)), c.count) << "text '" << c.text << "'";
}

TEST(FormatAmount, TwoDecimalsRightAlignedNeverCut)
{
    struct Case {
        qint64 units;
        int width;
        const char* text;
    };
    const Case cases[] = {
        {0, 9, "     0.00"},
        {0, 12, "        0.00"},
        {200000, 9, "    20.00"},
        {200000, 12, "       20.00"},
        {500, 9, "     0.05"},
        {-55000, 9, "    -5.50"},
        {-12345000, 12, "    -1234.50"},
        {1250, 9, "     0.13"},
        {-1250, 9, "    -0.13"},
        {3750, 9, "     0.38"},
        {50, 9, "     0.01"},
        {49, 9, "     0.00"},
        {99990, 9, "    10.00"}, // the carry adds a digit
        {9990, 0, "1.00"},
        {129975, 9, "    13.00"},       // 12.9975
        {1499850, 9, "   149.99"},      // 149.985
        {-1499850, 9, "  -149.99"},     // -149.985
        {12345678910, 9, "1234567.89"}, // 1234567.891
        {largest, 12, "922337203685477.58"},
        {-largest, 12, "-922337203685477.58"},
        {1, 9, "     0.00"},
        {-10, 9, "     0.00"}, // rounds to zero: no minus
        {0, -1, "0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kw::formatAmount(units(c.units), c.width), QString::fromLatin1(c.text))
            << "units " << c.units << " width " << c.width;
}

// Figures a double would hold just below the half (2.67499999...) round up.
TEST(FormatAmount, RoundsTheTypedDecimalHalfAwayFromZero)
{
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"2.675", "2.68"}, {"1.005", "1.01"}, {"0.285", "0.29"}, {"-2.675", "-2.68"}, {"149,985", "149.99"}};
    for (const auto& c : cases)
        EXPECT_EQ(kw::formatAmount(kw::readAmount(QString::fromUtf8(c.typed)), 0), QString::fromLatin1(c.shown))
            << c.typed;
}

} // namespace
