#include "app/display_check.h"

#include <xcb/xcb.h>

#include <algorithm>

namespace kw {

namespace {

// The Qt platform chosen for this process, empty when Qt chooses.
QString chosenPlatform(const QStringList& args)
{
    const int option = std::max(args.indexOf(QStringLiteral("-platform")), args.indexOf(QStringLiteral("--platform")));
    if (option >= 0 && option + 1 < args.size())
        return args[option + 1];
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

// The connection Qt's X11 platform opens first; it fails the same way for a
// server that is not running and one that refuses this user.
bool xServerAnswers(const QByteArray& display)
{
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

QString withoutWindow(const QString& reason)
{
    return reason +
        QStringLiteral("; okno nie może się otworzyć. Polecenia wiersza poleceń działają bez ekranu: "
                       "kwitarnia --help.");
}

} // namespace

std::optional<QString> missingDisplay(const QStringList& args)
{
    const QString platform = chosenPlatform(args);
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")))
        return std::nullopt;
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::nullopt;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return withoutWindow(QStringLiteral("Nie znaleziono ekranu (zmienna DISPLAY nie jest ustawiona)"));
    if (!xServerAnswers(display))
        return withoutWindow(QStringLiteral("Nie można połączyć się z ekranem %1 (zmienna DISPLAY)")
                                 .arg(QString::fromLocal8Bit(display)));
    return std::nullopt;
}

} // namespace kw
