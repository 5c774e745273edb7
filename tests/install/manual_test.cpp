#include "app/cli/cli_help.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// "kwitarnia pdf --month RRRR-MM PLIK.pdf" names the command "pdf --month":
// the words after the program's name up to the first argument in capitals.
QString commandOf(const QString& usage)
{
    QStringList words;
    for (const QString& word : usage.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1)) {
        if (!QRegularExpression(QStringLiteral("^(--)?[a-z]+$")).match(word).hasMatch())
            break;
        words << word;
    }
    return words.join(QLatin1Char(' '));
}

// Each usage line of --help: "  kwitarnia ..." up to the description that may follow after two blanks.
QSet<QString> helpCommands()
{
    QSet<QString> commands;
    for (const QString& line : kw::commandLineHelp().split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("  kwitarnia ")))
            commands << commandOf(line.trimmed().split(QStringLiteral("  ")).first());
    }
    return commands;
}

// Each entry of the man page: the line after ".TP" (or ".TQ", a second
// heading of the same entry) that starts with the program's name.
QSet<QString> manualCommands()
{
    QFile file(QStringLiteral(KW_MANUAL));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QSet<QString> commands;
    for (int i = 1; i < lines.size(); ++i) {
        const bool heading = lines[i - 1] == QStringLiteral(".TP") || lines[i - 1] == QStringLiteral(".TQ");
        if (!heading || !lines[i].contains(QStringLiteral("kwitarnia")))
            continue;
        QString usage = lines[i];
        usage.remove(QRegularExpression(QStringLiteral(R"(^\.BI? |"|\\f[BIRP])")));
        usage.replace(QStringLiteral("\\-"), QStringLiteral("-"));
        // A file entry such as Admini/kwitarnia.ini names no command.
        if (!usage.startsWith(QStringLiteral("kwitarnia")))
            continue;
        commands << commandOf(usage);
    }
    return commands;
}

TEST(Manual, DescribesEveryCommandOfTheHelpAndNoOther)
{
    const QSet<QString> help = helpCommands();
    EXPECT_TRUE(help.contains(QStringLiteral("pdf --month")));
    EXPECT_TRUE(help.contains(QStringLiteral("--desktop")));
    const QSet<QString> manual = manualCommands();
    EXPECT_EQ(QSet<QString>(help).subtract(manual), QSet<QString>()) << "in --help but not in the man page";
    EXPECT_EQ(QSet<QString>(manual).subtract(help), QSet<QString>()) << "in the man page but not in --help";
}

} // namespace
