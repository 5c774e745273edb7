#include "handoff/windows_command_line.h"

namespace kw {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

QStringList splitWindowsCommandLine(const QString& commandLine)
{
    QStringList arguments;
    const qsizetype size = commandLine.size();
    qsizetype i = 0;

    // The program name: no escapes at all.
    QString program;
    if (i < size && commandLine[i] == u'"') {
        ++i;
        while (i < size && commandLine[i] != u'"')
            program += commandLine[i++];
        if (i < size)
            ++i;
    } else {
        while (i < size && !isBlank(commandLine[i]))
            program += commandLine[i++];
    }
    arguments.append(program);

    // quotes: 1 inside a quoted part, 0 outside. A run of quotes counts on
    // from there; every third gives a literal quote, and a count of 2 at the
    // end of the run closes the part.
    while (i < size) {
        while (i < size && isBlank(commandLine[i]))
            ++i;
        if (i == size)
            break;
        QString argument;
        int quotes = 0;
        while (i < size && !(isBlank(commandLine[i]) && quotes == 0)) {
            const QChar c = commandLine[i];
            if (c == u'\\') {
                qsizetype backslashes = 0;
                while (i < size && commandLine[i] == u'\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < size && commandLine[i] == u'"') {
                    argument += QString(backslashes / 2, u'\\');
                    if (backslashes % 2 == 1) {
                        argument += u'"';
                        ++i;
                    }
                    // With an even count the quote is handled below.
                } else {
                    argument += QString(backslashes, u'\\');
                }
                continue;
            }
            if (c == u'"') {
                ++quotes;
                ++i;
                while (i < size && commandLine[i] == u'"') {
                    if (++quotes == 3) {
                        argument += u'"';
                        quotes = 0;
                    }
                    ++i;
                }
                if (quotes == 2)
                    quotes = 0;
                continue;
            }
            argument += c;
            ++i;
        }
        arguments.append(argument);
    }
    return arguments;
}

QString quoteWindowsArgument(const QString& argument)
{
    qsizetype trailing = 0;
    while (trailing < argument.size() && argument[argument.size() - 1 - trailing] == u'\\')
        ++trailing;
    return QLatin1Char('"') + argument + QString(trailing, u'\\') + QLatin1Char('"');
}

} // namespace kw
