#include "editing/tax_numbers.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(TaxNumbers, NipChecksumOverPublishedExamples)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"1234563218", true},  {"123-456-32-18", true}, {"123 456 32 18", true},         {"PL1234563218", true},
        {"5260250274", true},  {"7740001454", true},    {"526-104-08-28", true},         {"1234563219", false},
        {"1234567890", false}, {"123456321", false},    {"12345632180", false},          {"123/456/32/18", false},
        {"", false},           {"abcdefghij", false},   {"１２３４５６３２１８", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidNip(QString::fromUtf8(c.text)), c.valid) << c.text;
}

TEST(TaxNumbers, NrbChecksumOverPublishedExamples)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"61109010140000071219812874", true},
        {"61 1090 1014 0000 0712 1981 2874", true},
        {"PL61 1090 1014 0000 0712 1981 2874", true},
        {"27 1140 2004 0000 3002 0135 5387", true},
        {"61 1090 1014 0000 0712 1981 2875", false},
        {"16 1090 1014 0000 0712 1981 2874", false},
        {"61 1090 1014 0000 0712 1981 287", false},
        {"DE61 1090 1014 0000 0712 1981 2874", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidNrb(QString::fromUtf8(c.text)), c.valid) << c.text;
}

} // namespace
} // namespace kw
