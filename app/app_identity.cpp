#include "app/app_identity.h"

#include <QGuiApplication>

namespace kw {

void setApplicationIdentity()
{
    QGuiApplication::setApplicationName(QStringLiteral("kwitarnia"));
    QGuiApplication::setOrganizationName(QStringLiteral("kwitarnia"));
    QGuiApplication::setApplicationVersion(QStringLiteral(KWITARNIA_VERSION));
    // No display name: the window system would add it to every title, and the
    // message boxes must read exactly "Pytanie" and "Informacja".
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.kwitarnia.Kwitarnia"));
}

} // namespace kw
