#pragma once

namespace kw::fuzz {

// Creates the one offscreen QGuiApplication that fonts and printers need,
// on the first call.
void ensureGuiApplication();

} // namespace kw::fuzz
