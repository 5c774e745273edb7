#include "store/record_field.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

constexpr StringField Name{2, 10};
constexpr StringField Next{13, 5};

TEST(RecordField, ReadsLengthPrefixedCodePageText)
{
    QByteArray record(20, '\0');
    record[2] = 3;
    record[3] = 'a';
    record[4] = char(0xB3); // ł
    record[5] = 'z';
    record[6] = 'X'; // beyond the length: not part of the text
    EXPECT_EQ(readString(record, Name), QStringLiteral("ałz"));
}

TEST(RecordField, LengthByteBeyondTheWidthIsClampedToIt)
{
    QByteArray record(20, 'x');
    record[Name.offset] = char(255);
    record[Next.offset] = 2;
    EXPECT_EQ(readString(record, Name), QStringLiteral("xxxxxxxxxx"));
    record[Name.offset] = 11;
    EXPECT_EQ(readString(record, Name).size(), 10);
}

TEST(RecordField, FieldBeyondAShortBufferReadsEmpty)
{
    QByteArray record(12, '\0');
    record[Name.offset] = 1;
    record[Name.offset + 1] = 'a';
    EXPECT_EQ(readString(record, Name), QString());
    EXPECT_EQ(readString(QByteArray(), Name), QString());
}

TEST(RecordField, WritingCutsToTheWidthAndZeroesTheRest)
{
    QByteArray record(20, char(0xEE));
    writeString(record, Name, QStringLiteral("Łódź, ulica Długa"));
    QByteArray expected(20, char(0xEE));
    expected.replace(2, 11,
                     QByteArray("\x0A\xA3\xF3"
                                "d\x9F, ulic",
                                11));
    EXPECT_EQ(record, expected);

    writeString(record, Name, QStringLiteral("ab"));
    expected.replace(2, 11,
                     QByteArray("\x02"
                                "ab\0\0\0\0\0\0\0\0",
                                11));
    EXPECT_EQ(record, expected);
    EXPECT_EQ(readString(record, Name), QStringLiteral("ab"));
}

TEST(RecordField, EmptyTextLeavesAZeroedField)
{
    QByteArray record(20, 'y');
    writeString(record, Name, QString());
    EXPECT_EQ(record.mid(Name.offset, Name.bytes()), QByteArray(11, '\0'));
    EXPECT_EQ(record.left(2), QByteArray("yy"));
    EXPECT_EQ(record.mid(Next.offset), QByteArray(7, 'y'));
}

} // namespace
} // namespace kw
