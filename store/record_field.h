#pragma once

#include <QByteArray>
#include <QString>

namespace kw {

// A length-prefixed text field: one length byte, then up to `maxChars`
// code-page-1250 characters, then unused bytes up to the field's width.
struct StringField {
    int offset;
    int maxChars;
    constexpr int bytes() const { return maxChars + 1; }
    constexpr int end() const { return offset + bytes(); }
};

// Returns the field's text. A length byte larger than the field is clamped
// to the field's width, so the next field's bytes are never read as text.
QString readString(const QByteArray& record, StringField field);

// Appends the field's text to `out`, with the same clamping.
void appendString(QString& out, const char* record, qsizetype recordSize, StringField field);

// Writes `text` cut to the field's width; the unused bytes become zero.
void writeString(QByteArray& record, StringField field, const QString& text);

// Writes like writeString, but only when the field does not hold `text`
// already: an unchanged field keeps its bytes as another program left them.
void writeChangedString(QByteArray& record, StringField field, const QString& text);

// Writes an array-of-strings element: element k (1-based) of an array that
// starts at `arrayOffset`.
constexpr StringField element(int arrayOffset, int maxChars, int k)
{
    return StringField{arrayOffset + (k - 1) * (maxChars + 1), maxChars};
}

} // namespace kw
