#include "store/cp1250.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace kw {
namespace {

struct PolishLetter {
    char16_t unicode;
    unsigned char byte;
};

// The Polish letters with their code page 1250 bytes, from the code page's chart.
constexpr PolishLetter polishLetters[] = {
    {u'ą', 0xB9}, {u'ć', 0xE6}, {u'ę', 0xEA}, {u'ł', 0xB3}, {u'ń', 0xF1}, {u'ó', 0xF3},
    {u'ś', 0x9C}, {u'ź', 0x9F}, {u'ż', 0xBF}, {u'Ą', 0xA5}, {u'Ć', 0xC6}, {u'Ę', 0xCA},
    {u'Ł', 0xA3}, {u'Ń', 0xD1}, {u'Ó', 0xD3}, {u'Ś', 0x8C}, {u'Ź', 0x8F}, {u'Ż', 0xAF},
};

TEST(Cp1250, PolishLettersEncodeAndDecodeToTheirBytes)
{
    for (const PolishLetter& letter : polishLetters) {
        const QString text(QChar(letter.unicode));
        const QByteArray bytes(1, char(letter.byte));
        EXPECT_EQ(toCp1250(text), bytes) << text.toStdString();
        EXPECT_EQ(fromCp1250(bytes), text) << std::hex << int(letter.byte);
    }
}

TEST(Cp1250, PolishSentenceRoundTrips)
{
    const QString text = QStringLiteral("Zażółć gęślą jaźń — ŻÓŁĆ GĘŚLĄ JAŹŃ");
    EXPECT_EQ(fromCp1250(toCp1250(text)), text);
    EXPECT_EQ(toCp1250(text).size(), text.size());
}

TEST(Cp1250, AsciiIsUnchangedBothWays)
{
    QByteArray bytes;
    for (int b = 0; b < 0x80; ++b)
        bytes.append(char(b));
    const QString text = fromCp1250(bytes);
    ASSERT_EQ(text.size(), 128);
    for (int b = 0; b < 0x80; ++b)
        EXPECT_EQ(text[b].unicode(), b);
    EXPECT_EQ(toCp1250(text), bytes);
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(toCp1250(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
    EXPECT_EQ(toCp1250(QStringLiteral("ы")), QByteArray("?"));
    EXPECT_EQ(toCp1250(QString(QChar(0xFFFD))), QByteArray("?"));
    // The euro sign is in the code page.
    EXPECT_EQ(toCp1250(QStringLiteral("€")), QByteArray("\x80"));
}

TEST(Cp1250, UndefinedBytesDecodeToTheReplacementCharacter)
{
    for (unsigned char b : {0x81, 0x83, 0x88, 0x90, 0x98})
        EXPECT_EQ(fromCp1250(QByteArray(1, char(b))), QString(QChar(0xFFFD))) << std::hex << int(b);
}

TEST(Cp1250, EveryDefinedByteAgreesWithTheSystemCodec)
{
    QStringDecoder system("windows-1250");
    if (!system.isValid())
        GTEST_SKIP() << "no windows-1250 codec in this Qt build";
    for (int b = 0x80; b < 0x100; ++b) {
        const QByteArray byte(1, char(b));
        const QString ours = fromCp1250(byte);
        if (ours == QString(QChar(0xFFFD)))
            continue;
        EXPECT_EQ(ours, system.decode(byte)) << std::hex << b;
        EXPECT_EQ(toCp1250(ours), byte) << std::hex << b;
    }
}

} // namespace
} // namespace kw
