#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kw {

// `text` with every C0 control character (U+0000 to U+001F) and DEL (U+007F)
// shown as '?', so a field read from a data file can neither break the line
// it is printed on nor send escape sequences to a terminal.
QString printableText(const QString& text);

// Appends the text of a record field, code-page-1250 bytes as stored, to
// `out` in UTF-8, made printable as printableText() makes it; for long
// listings, without a QString per field.
void appendPrintableUtf8(QByteArray& out, QByteArrayView cp1250);

} // namespace kw
