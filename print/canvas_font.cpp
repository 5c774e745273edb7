#include "print/canvas_font.h"

#include <QFontMetricsF>

namespace kw {

void CanvasFont::setFace(const QString& name)
{
    if (!name.isEmpty())
        face = name.left(MaxFaceChars);
}

void CanvasFont::setStyleFlag(quint8 flag)
{
    if (flag > 1)
        return;
    bold = flag == 1;
    italic = false;
    underline = false;
    strikeOut = false;
}

QFont CanvasFont::applyTo(QFont base) const
{
    if (!face.isEmpty())
        base.setFamily(face);
    if (height != 0)
        base.setPixelSize(qAbs(height));
    base.setBold(bold);
    base.setItalic(italic);
    base.setUnderline(underline);
    base.setStrikeOut(strikeOut);
    return base;
}

double CanvasFont::dotsAcross(const QString& text) const
{
    return QFontMetricsF(applyTo(QFont())).horizontalAdvance(text);
}

} // namespace kw
