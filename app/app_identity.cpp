#include "app_identity.h"

#include <QGuiApplication>

void setApplicationIdentity()
{
    QGuiApplication::setApplicationName(QStringLiteral("kwitarnia"));
    QGuiApplication::setOrganizationName(QStringLiteral("kwitarnia"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Kwitarnia"));
    QGuiApplication::setApplicationVersion(QStringLiteral(KWITARNIA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.kwitarnia.Kwitarnia"));
}
