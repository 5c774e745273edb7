#pragma once

#include <QString>

namespace kw {

// The command line's output, UTF-8 whatever the locale.

// One line on standard output.
void printLine(const QString& line);

// Bytes on standard output as they are.
void printBytes(const QByteArray& bytes);

// A message as one line on standard error: line breaks inside it become
// blanks, so a script reading the first line gets all of it.
void printError(const QString& message);

// Flushes standard output. Throws IoError when anything written to it was
// lost (a full disk, a closed pipe).
void finishOutput();

} // namespace kw
