#include "offscreen_gui.h"

#include "app_fonts.h"

namespace kw {

OffscreenGui::OffscreenGui()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    installFontSubstitutes();
}

OffscreenGui::~OffscreenGui() = default;

} // namespace kw
