#pragma once

#include <QString>
#include <QStringList>

namespace kw {

// Splits a command line into arguments as Windows does for a program
// (CommandLineToArgvW): the program name runs to the first blank or tab, or
// between double quotes when it starts with one; the other arguments are
// separated by blanks and tabs outside quotes, 2n backslashes before a quote
// give n backslashes and the quote opens or closes a quoted part, 2n+1
// backslashes before a quote give n backslashes and a literal quote, other
// backslashes are literal, and "" inside a quoted part gives a literal quote
// and closes the part.
QStringList splitWindowsCommandLine(const QString& commandLine);

// `argument`, which holds no double quote, between double quotes so that
// splitWindowsCommandLine gives it back unchanged: backslashes at its end
// are doubled, or they would escape the closing quote.
QString quoteWindowsArgument(const QString& argument);

} // namespace kw
