#include "documents/iso_date.h"

namespace kw {

namespace {

template <typename Text>
QDate readIsoDate(const Text& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return {};
    int parts[3] = {};
    const int starts[3] = {0, 5, 8};
    const int lengths[3] = {4, 2, 2};
    for (int part = 0; part < 3; ++part) {
        for (int i = starts[part]; i < starts[part] + lengths[part]; ++i) {
            const auto c = text[i];
            if (c < '0' || c > '9')
                return {};
            parts[part] = parts[part] * 10 + int(c - '0');
        }
    }
    // QDate takes year 0 for no year and would read it as invalid anyway.
    return parts[0] >= 1 ? QDate(parts[0], parts[1], parts[2]) : QDate();
}

} // namespace

QDate isoDate(QStringView text) { return readIsoDate(std::u16string_view(text.utf16(), size_t(text.size()))); }

QDate isoDate(std::string_view text) { return readIsoDate(text); }

char* writeIsoDate(char* at, QDate date)
{
    const auto put = [&](int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            at[i] = char('0' + value % 10);
        at += digits;
    };
    put(date.year(), 4);
    *at++ = '-';
    put(date.month(), 2);
    *at++ = '-';
    put(date.day(), 2);
    return at;
}

} // namespace kw
