#pragma once

#include <QString>

namespace kw {

// The fixed text of the help panel: an opening paragraph and eleven titled
// sections, 64 lines joined by '\n' (no newline after the last line).
QString helpText();

} // namespace kw
