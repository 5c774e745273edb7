#include "fuzz/gui_application.h"

#include <QGuiApplication>

namespace kw::fuzz {

void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzzer";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

} // namespace kw::fuzz

// The font cache fontconfig builds for the application lives until exit,
// after LeakSanitizer has looked; it is the library's, not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
