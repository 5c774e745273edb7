#include "extras/printable_text.h"

namespace kw {

QString printableText(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    }
    return shown;
}

} // namespace kw
