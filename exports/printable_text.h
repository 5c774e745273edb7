#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kw {

// `text` with every C0 control character (U+0000 to U+001F) and DEL (U+007F)
// shown as '?', so a field read from a data file can neither break the line
// it is printed on nor send escape sequences to a terminal.
QString printableText(const QString& text);

// Writes the text of a record field, code-page-1250 bytes as stored, at
// `at` in UTF-8, made printable as printableText() makes it, and returns
// where it ends; at most three bytes a character. For long listings: no
// QString per field, no container call per byte.
char* writePrintableUtf8(char* at, QByteArrayView cp1250);

} // namespace kw
