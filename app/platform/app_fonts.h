#pragma once

namespace kw {

// Makes the window's Windows font names draw with installed look-alikes:
// Wine's Tahoma where present (else DejaVu Sans), Liberation Sans for Arial,
// Liberation Mono for Courier New. Call once, after the QApplication exists
// and before any window is built.
void installFontSubstitutes();

} // namespace kw
