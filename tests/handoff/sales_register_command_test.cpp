#include "handoff/sales_register_command.h"
#include "handoff/windows_command_line.h"
#include "tests/handoff/hand_off_example.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(SalesRegisterCommand, IsBuiltPieceByPiece)
{
    HandOffValues individual = exampleHandOff();
    individual.buyer = BuyerKind::Individual;
    HandOffValues edited = exampleHandOff();
    edited.amount = QStringLiteral("100");
    const struct {
        HandOffValues values;
        const char* line;
    } cases[] = {
        {exampleHandOff(), "ewidencja.exe 07       123.45 \"*F* 12/2009\""},
        {individual, "ewidencja.exe 07       123.45 \"*I* 12/2009\""},
        {edited, "ewidencja.exe 07 100 \"*F* 12/2009\""},
    };
    for (const auto& c : cases) {
        const SalesRegisterCommand command = salesRegisterCommand(c.values);
        EXPECT_TRUE(command.ok()) << command.refusal.toStdString();
        EXPECT_EQ(command.commandLine, QString::fromUtf8(c.line));
    }
}

TEST(SalesRegisterCommand, IssueDateWithoutADayIsRefused)
{
    for (const char* date : {"", "2009-05-7", "2009-05-", "2009-05-x7", "2009-05-00", "2009-05-32", "07.05.2009"}) {
        HandOffValues values = exampleHandOff();
        values.issueDate = QString::fromUtf8(date);
        const SalesRegisterCommand command = salesRegisterCommand(values);
        EXPECT_FALSE(command.ok()) << date;
        EXPECT_TRUE(command.commandLine.isEmpty()) << date;
        EXPECT_TRUE(command.refusal.contains(QStringLiteral("nie zawiera dnia"))) << date;
    }
}

TEST(SalesRegisterCommand, LineOverTheLimitIsRefused)
{
    HandOffValues values = exampleHandOff();
    // Without the suffix the line is 39 characters long.
    values.numberSuffix = QString(250 - 39, u'x');
    EXPECT_EQ(salesRegisterCommand(values).commandLine.size(), 250);

    values.numberSuffix += u'x';
    const SalesRegisterCommand command = salesRegisterCommand(values);
    EXPECT_FALSE(command.ok());
    EXPECT_TRUE(command.refusal.contains(QStringLiteral("251 znaków"))) << command.refusal.toStdString();
}

// A quote would end the quoted argument early: `1" "--evil` in the number
// gave the sales register an extra argument "--evil/2009".
TEST(SalesRegisterCommand, DoubleQuoteInAnyPassedValueIsRefused)
{
    const struct {
        QString HandOffValues::*field;
        const char* name;
    } fields[] = {{&HandOffValues::amount, "Kwota"},
                  {&HandOffValues::number, "Numer"},
                  {&HandOffValues::numberSuffix, "Rozszerzenie"}};
    for (const auto& f : fields) {
        HandOffValues values = exampleHandOff();
        values.*f.field = QStringLiteral("1\" \"--evil");
        const SalesRegisterCommand command = salesRegisterCommand(values);
        EXPECT_FALSE(command.ok()) << f.name;
        EXPECT_TRUE(command.commandLine.isEmpty()) << f.name;
        EXPECT_TRUE(command.refusal.startsWith(QString::fromUtf8(f.name) + QStringLiteral(" zawiera znak cudzysłowu")))
            << command.refusal.toStdString();
    }
}

// Found by fuzzing: a suffix ending in backslashes escaped the closing quote,
// so the sales register got a stray quote and half the backslashes.
TEST(SalesRegisterCommand, BackslashesAtTheEndOfTheNumberArePassedAsTyped)
{
    for (const char* suffix : {"2009\\", "2009\\\\\\", "a\\b"}) {
        HandOffValues values = exampleHandOff();
        values.numberSuffix = QString::fromLatin1(suffix);
        const SalesRegisterCommand command = salesRegisterCommand(values);
        ASSERT_TRUE(command.ok()) << suffix;
        EXPECT_EQ(splitWindowsCommandLine(command.commandLine).last(), QStringLiteral("*F* 12/") + values.numberSuffix)
            << command.commandLine.toStdString();
    }
}

TEST(HandOffNumberLabel, JoinsWithABackslash)
{
    EXPECT_EQ(handOffNumberLabel(QStringLiteral("12"), QStringLiteral("2009")), QStringLiteral("12\\2009"));
}

TEST(SplitWindowsCommandLine, FollowsTheWindowsRules)
{
    const struct {
        const char* line;
        QStringList arguments;
    } cases[] = {
        {"ewidencja.exe 07       123.45 \"*F* 12/2009\"", {"ewidencja.exe", "07", "123.45", "*F* 12/2009"}},
        {"p \"a b c\" d e", {"p", "a b c", "d", "e"}},
        {"p \"ab\\\"c\" \"\\\\\" d", {"p", "ab\"c", "\\", "d"}},
        {"p a\\\\\\b d\"e f\"g h", {"p", "a\\\\\\b", "de fg", "h"}},
        {"p a\\\\\\\"b c d", {"p", "a\\\"b", "c", "d"}},
        {"p a\\\\\\\\\"b c\" d e", {"p", "a\\\\b c", "d", "e"}},
        {"p a\"b\"\" c d", {"p", "ab\"", "c", "d"}},
        {"p \"\" x", {"p", "", "x"}},
        {"p\ta\t\tb   ", {"p", "a", "b"}},
        {"\"C:\\Program Files\\e.exe\" x", {"C:\\Program Files\\e.exe", "x"}},
        {"C:\\a\\\"b c", {"C:\\a\\\"b", "c"}},
        {"p", {"p"}},
        {"", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitWindowsCommandLine(QString::fromUtf8(c.line)), c.arguments) << c.line;
}

} // namespace
} // namespace kw
