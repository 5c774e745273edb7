#include "editing/amount_text.h"
#include "tests/editing/qstring_printer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(ReadAmount, TakesTheLongestLeadingNumber)
{
    struct Case {
        const char* cell;
        double value;
    };
    const Case cases[] = {
        {"", 0},       {"   ", 0},       {"5", 5},       {"  -2.5", -2.5},   {"\t7", 7},    {"+3", 3},
        {"5.", 5},     {".5", 0.5},      {"-.5", -0.5},  {".", 0},           {"-", 0},      {"+", 0},
        {"1e3", 1000}, {"1E-2", 0.01},   {"2e+2x", 200}, {"1e", 1},          {"1e+", 1},    {"3E-", 3},
        {"1,5", 1.5},  {"-1,25", -1.25}, {",5", 0.5},    {"1,234.5", 1.234}, {"1.5 ", 1.5}, {"1 000", 1},
        {"12abc", 12}, {"abc", 0},       {"e5", 0},      {"--1", 0},         {"1e999", 0},  {"-1e999", 0},
        {"nan", 0},    {"inf", 0},       {"-inf", 0},    {"0x10", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kw::readAmount(QString::fromUtf8(c.cell)), c.value) << "cell '" << c.cell << "'";
}

TEST(ReadAmount, NegativeZeroReadsAsPlainZero)
{
    EXPECT_FALSE(std::signbit(kw::readAmount(u"-0")));
    EXPECT_FALSE(std::signbit(kw::readAmount(u"-0,00")));
}

TEST(ReadAmount, IgnoresTheLocale)
{
    // Qt adopts the environment's locale; a Polish one must not turn the point off.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "pl_PL.UTF-8"))
        GTEST_SKIP() << "no Polish locale installed";
    EXPECT_EQ(kw::readAmount(u"2.5"), 2.5);
    EXPECT_EQ(kw::readAmount(u"2,5"), 2.5);
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(ReadCount, ReadsLeadingDigitsOnly)
{
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
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
        double value;
        int width;
        const char* text;
    };
    const Case cases[] = {
        {0, 9, "     0.00"},
        {0, 12, "        0.00"},
        {20, 9, "    20.00"},
        {20, 12, "       20.00"},
        {0.05, 9, "     0.05"},
        {-5.5, 9, "    -5.50"},
        {-1234.5, 12, "    -1234.50"},
        {0.125, 9, "     0.13"},
        {-0.125, 9, "    -0.13"},
        {0.375, 9, "     0.38"},
        {0.005, 9, "     0.01"}, // the double lies just above 0.005
        {0.0049, 9, "     0.00"},
        {9.999, 9, "    10.00"}, // the carry adds a digit
        {0.999, 0, "1.00"},
        {3 * 4.3325, 9, "    13.00"},
        {1234567.891, 9, "1234567.89"},
        {1e20, 12, "100000000000000000000.00"},
        {-1e20, 12, "-100000000000000000000.00"},
        {1e-300, 9, "     0.00"},
        {-0.001, 9, "     0.00"}, // rounds to zero: no minus
        {-0.0, 9, "     0.00"},
        {infinity, 9, "      INF"},
        {-infinity, 9, "     -INF"},
        {std::nan(""), 4, " NAN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kw::formatAmount(c.value, c.width), QString::fromLatin1(c.text))
            << "value " << c.value << " width " << c.width;
}

TEST(FormatAmount, RoundsTheDoubleTakenToEighteenDigits)
{
    // 2.675 is stored as 2.67499999999999982..., which eighteen digits keep.
    EXPECT_EQ(kw::formatAmount(2.675, 0), QStringLiteral("2.67"));
    EXPECT_EQ(kw::formatAmount(1.005, 0), QStringLiteral("1.00"));
    // So is 0.285, stored as 0.28499999999999998.
    EXPECT_EQ(kw::formatAmount(0.285, 0), QStringLiteral("0.28"));
}

TEST(FormatAmount, WritesTheLargestDoubleInFull)
{
    const QString text = kw::formatAmount(std::numeric_limits<double>::max(), 0);
    EXPECT_EQ(text.size(), 309 + 3);
    EXPECT_TRUE(text.startsWith(QStringLiteral("17976931348623157")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("0.00")));
}

TEST(RoundToGrosze, AgreesWithTheShownFigures)
{
    EXPECT_EQ(kw::roundToGrosze(0), 0);
    EXPECT_EQ(kw::roundToGrosze(0.125), 13);
    EXPECT_EQ(kw::roundToGrosze(-0.125), -13);
    EXPECT_EQ(kw::roundToGrosze(3 * 4.3325), 1300);
    EXPECT_EQ(kw::roundToGrosze(2.675), 267);
    EXPECT_EQ(kw::roundToGrosze(-0.001), 0);
    EXPECT_EQ(kw::roundToGrosze(21474836.47e2), 214748364700);
    EXPECT_EQ(kw::roundToGrosze(9e16), 9000000000000000000);
    EXPECT_EQ(kw::roundToGrosze(1e17), std::nullopt);
    EXPECT_EQ(kw::roundToGrosze(infinity), std::nullopt);
    EXPECT_EQ(kw::roundToGrosze(std::nan("")), std::nullopt);
}

} // namespace
