#include "app/platform/bill_mail.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(MailAddress, OnlyAPlainAddressReachesTheComposer)
{
    struct Case {
        const char* address;
        bool plain;
    };
    const Case cases[] = {
        {"jan@example.com", true},
        {"jan.kowalski+faktury@poczta.example.pl", true},
        {"zażółć@gęślą.pl", true},
        {"o'brien@example.ie", true},
        // What a mailto: link would read as recipients, headers or attachments.
        {"mailto:x@y.pl?attach=/etc/shadow", false},
        {"x@y.pl?attach=/etc/shadow", false},
        {"x@y.pl?cc=inny@y.pl", false},
        {"x@y.pl&cc=inny@y.pl", false},
        {"x%40y@y.pl", false},
        {"a\\c@b.c", false},
        {"x@y.pl,inny@y.pl", false},
        // Taken for an option, or no address at all.
        {"-x@y.pl", false},
        {"jan kowalski@example.com", false},
        {"jan@example.com\n", false},
        {"jan@", false},
        {"@example.com", false},
        {"jan@@example.com", false},
        {"jan@example..com", false},
        {"jan.@example.com", false},
        {"jan@-example.com", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isPlainMailAddress(QString::fromUtf8(c.address)), c.plain) << c.address;
}

} // namespace
} // namespace kw
