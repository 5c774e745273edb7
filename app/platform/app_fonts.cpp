#include "app/platform/app_fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace kw {

namespace {

// Wine ships a Tahoma with Polish letters but outside fontconfig's folders.
// Its bold face draws thin strokes at the window's small sizes; bold Tahoma
// is drawn from the regular face instead.
const char* const wineTahoma = "/usr/share/wine/fonts/tahoma.ttf";

} // namespace

void installFontSubstitutes()
{
    if (QFile::exists(QString::fromLatin1(wineTahoma)))
        QFontDatabase::addApplicationFont(QString::fromLatin1(wineTahoma));
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

} // namespace kw
