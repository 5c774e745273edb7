#include "editing/next_number.h"

#include <gtest/gtest.h>

#include "tests/editing/qstring_printer.h"

namespace kw {
namespace {

TEST(NextDocumentNumber, FollowsTheLastOrGivesNoneRatherThanCutOrRestart)
{
    const struct {
        const char* last;
        std::optional<QString> next;
    } cases[] = {
        {"", QStringLiteral("1")},
        {"   ", QStringLiteral("1")},
        {"0", QStringLiteral("1")},
        {" 41", QStringLiteral("42")},
        {"12abc", QStringLiteral("13")},
        {"9999999998", QStringLiteral("9999999999")},
        {"9999999999", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"-5", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextDocumentNumber(QString::fromLatin1(c.last), 10), c.next) << c.last;
}

} // namespace
} // namespace kw
