#include "app/cli/offscreen_gui.h"

#include "app/platform/app_fonts.h"

#include <cstdio>

namespace kw {

namespace {

// Qt's notes about the environment (no runtime folder, font fallbacks) are
// not the user's business; standard error carries only the command's own
// one-line message. Critical and fatal messages still go through.
void keepQtNotesOffStandardError(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

} // namespace

OffscreenGui::OffscreenGui()
{
    qInstallMessageHandler(keepQtNotesOffStandardError);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    installFontSubstitutes();
}

OffscreenGui::~OffscreenGui() = default;

} // namespace kw
