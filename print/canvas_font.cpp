#include "canvas_font.h"

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

} // namespace kw
