#include "editing/number_words.h"
#include "tests/editing/qstring_printer.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

const QString unit = QStringLiteral("U");

// Joins the pieces of an expected result; "U" stands for the unit word.
QString pieces(std::initializer_list<const char*> parts)
{
    QString text;
    for (const char* part : parts)
        text += QString::fromUtf8(part);
    return text;
}

struct WordsCase {
    qint32 number;
    QString expected;
};

class NumberInWordsTest : public testing::TestWithParam<WordsCase>
{};

TEST_P(NumberInWordsTest, GivesThePiecesJoinedAsTheyAre)
{
    EXPECT_EQ(kw::numberInWords(GetParam().number, unit), GetParam().expected) << "number " << GetParam().number;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NumberInWordsTest,
    testing::Values(
        WordsCase{0, pieces({" ", "U"})}, WordsCase{1, pieces({"jeden", " ", "U"})},
        WordsCase{2, pieces({"dwa", " ", "U"})}, WordsCase{10, pieces({"dziesięć ", "U"})},
        WordsCase{11, pieces({"jede", "naście", " ", "U"})}, WordsCase{12, pieces({"dwa", "naście", " ", "U"})},
        WordsCase{14, pieces({"czter", "naście", " ", "U"})}, WordsCase{15, pieces({"pięt", "naście", " ", "U"})},
        WordsCase{16, pieces({"szes", "naście", " ", "U"})}, WordsCase{17, pieces({"siedem", "naście", " ", "U"})},
        WordsCase{19, pieces({"dziewięt", "naście", " ", "U"})}, WordsCase{20, pieces({"dwadzieścia ", " ", "U"})},
        WordsCase{21, pieces({"dwadzieścia ", "jeden", " ", "U"})}, WordsCase{100, pieces({"sto ", "U"})},
        WordsCase{110, pieces({"sto ", "dziesięć", " ", "U"})}, WordsCase{200, pieces({"dwieście ", " ", "U"})},
        WordsCase{999, pieces({"dziewięćset ", "dziewięćdziesiąt ", "dziewięć", " ", "U"})},
        WordsCase{1000, pieces({"tysiąc ", "U"})}, WordsCase{1001, pieces({"jeden", " tysiąc ", "jeden", " ", "U"})},
        WordsCase{1500, pieces({"jeden", " tysiąc ", "pięćset ", " ", "U"})},
        WordsCase{2000, pieces({"dwa", " tysiące ", " ", "U"})},
        WordsCase{5000, pieces({"pięć", " tysięcy ", " ", "U"})}, WordsCase{10000, pieces({"dziesięć tysięcy ", "U"})},
        WordsCase{10001, pieces({"dziesięć", " tysięcy ", "jeden", " ", "U"})},
        WordsCase{12000, pieces({"dwa", "naście", " tysięcy ", " ", "U"})},
        WordsCase{12345, pieces({"dwa", "naście", " tysięcy ", "trzysta ", "czterdzieści ", "pięć", " ", "U"})},
        WordsCase{21000, pieces({"dwadzieścia ", "jeden", " tysięcy ", " ", "U"})},
        WordsCase{22000, pieces({"dwadzieścia ", "dwa", " tysiące ", " ", "U"})},
        WordsCase{100000, pieces({"sto tysięcy ", "U"})},
        WordsCase{100001, pieces({"sto ", " tysięcy ", "jeden", " ", "U"})},
        WordsCase{101000, pieces({"sto ", "jeden", " tysięcy ", " ", "U"})},
        WordsCase{1000000, pieces({"jeden", " milion ", " ", "U"})},
        WordsCase{1005000, pieces({"jeden", " milion ", "pięć", " tysięcy ", " ", "U"})},
        WordsCase{2000000, pieces({"dwa", " miliony ", " ", "U"})},
        WordsCase{13000000, pieces({"trzy", "naście", " milionów ", " ", "U"})},
        WordsCase{1000000000, pieces({"jeden", " miliard ", " ", "U"})},
        WordsCase{2000500000, pieces({"dwa", " miliardy ", "pięćset ", " tysięcy ", " ", "U"})},
        WordsCase{2147483647,
                  pieces({"dwa", " miliardy ", "sto ", "czterdzieści ", "siedem", " milionów ", "czterysta ",
                          "osiemdziesiąt ", "trzy", " tysiące ", "sześćset ", "czterdzieści ", "siedem", " ", "U"})},
        WordsCase{-2147483647 - 1,
                  pieces({"dwa", " miliardy ", "sto ", "czterdzieści ", "siedem", " milionów ", "czterysta ",
                          "osiemdziesiąt ", "trzy", " tysiące ", "sześćset ", "czterdzieści ", "osiem", " ", "U"})}));

TEST(NumberInWords, NegativeNumbersGiveTheWordsOfTheirMagnitude)
{
    for (qint32 number : {1, 10, 100, 2000, 10000, 100000, 22000, 1005000, 2147483647})
        EXPECT_EQ(kw::numberInWords(-number, unit), kw::numberInWords(number, unit)) << "number " << number;
}

TEST(NumberInWords, AppendsTheUnitWordUnchanged)
{
    EXPECT_EQ(kw::numberInWords(5, u"złotych"), QStringLiteral("pięć złotych"));
    EXPECT_EQ(kw::numberInWords(20, u"groszy"), QStringLiteral("dwadzieścia  groszy"));
    EXPECT_EQ(kw::numberInWords(3, u""), QStringLiteral("trzy "));
}

TEST(UnitWords, FollowThePolishPluralRule)
{
    struct Case {
        qint64 count;
        const char* zloty;
        const char* grosz;
    };
    const Case cases[] = {
        {0, "złotych", "groszy"},   {1, "złoty", "grosz"},     {2, "złote", "grosze"},     {4, "złote", "grosze"},
        {5, "złotych", "groszy"},   {11, "złotych", "groszy"}, {12, "złotych", "groszy"},  {14, "złotych", "groszy"},
        {21, "złotych", "groszy"},  {22, "złote", "grosze"},   {101, "złotych", "groszy"}, {102, "złote", "grosze"},
        {112, "złotych", "groszy"}, {-2, "złote", "grosze"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kw::zlotyWords.forCount(c.count).toString(), QString::fromUtf8(c.zloty)) << "count " << c.count;
        EXPECT_EQ(kw::groszWords.forCount(c.count).toString(), QString::fromUtf8(c.grosz)) << "count " << c.count;
    }
}

} // namespace
