#pragma once

#include <QFont>
#include <QString>
#include <QtGlobal>

namespace kw {

// The font a print canvas carries from one call to the next.
struct CanvasFont {
    // The platform's limit for a face name.
    static constexpr int MaxFaceChars = 31;

    QString face;
    int height = 0; // dots; negative: character height without internal leading
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    // An empty name keeps the current face; a longer one is cut.
    void setFace(const QString& name);
    // 1: bold only; 0: no style at all; any other value changes nothing.
    void setStyleFlag(quint8 flag);

    // `base` with this face, height and style. Qt's pixel size is the
    // character height without internal leading, what a negative height asks
    // for; a positive one is taken as the same size, and 0 keeps the size.
    QFont applyTo(QFont base) const;
    // How many dots `text` covers across in this font.
    double dotsAcross(const QString& text) const;

    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

} // namespace kw
