#pragma once

#include <QString>

namespace kw {

// `text` with every C0 control character (U+0000 to U+001F) and DEL (U+007F)
// shown as '?', so a field read from a data file can neither break the line
// it is printed on nor send escape sequences to a terminal.
QString printableText(const QString& text);

} // namespace kw
