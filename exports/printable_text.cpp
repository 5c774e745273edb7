#include "exports/printable_text.h"

#include "store/cp1250.h"

#include <array>
#include <cstring>

namespace kw {

namespace {

// The UTF-8 bytes of one code-page character made printable; at most three,
// as every character of the code page lies in the Basic Multilingual Plane.
struct Utf8Char {
    std::array<char, 3> bytes{};
    qsizetype size = 0;
};

const std::array<Utf8Char, 256>& printableUtf8Chars()
{
    static const std::array<Utf8Char, 256> chars = [] {
        std::array<Utf8Char, 256> made;
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            const QByteArray utf8 = printableText(fromCp1250(QByteArrayView(&c, 1))).toUtf8();
            Q_ASSERT(utf8.size() <= 3);
            std::copy(utf8.begin(), utf8.end(), made[byte].bytes.begin());
            made[byte].size = utf8.size();
        }
        return made;
    }();
    return chars;
}

} // namespace

QString printableText(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    }
    return shown;
}

char* writePrintableUtf8(char* at, QByteArrayView cp1250)
{
    const std::array<Utf8Char, 256>& chars = printableUtf8Chars();
    for (char c : cp1250) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            *at++ = c;
        } else {
            std::memcpy(at, chars[byte].bytes.data(), chars[byte].bytes.size());
            at += chars[byte].size;
        }
    }
    return at;
}

} // namespace kw
