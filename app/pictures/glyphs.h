#pragma once

#include <QIcon>

namespace kw {

// Small pictures drawn in code, so no image files are needed for them.
QIcon commandGlyph();   // the small arrow right of a command's caption
QIcon magnifierGlyph(); // the search button of the selection list

} // namespace kw
