#include "store/record_field.h"

#include "store/cp1250.h"

#include <algorithm>
#include <cstring>

namespace kw {

QString readString(const QByteArray& record, StringField field)
{
    if (field.end() > record.size())
        return {};
    const int stored = static_cast<unsigned char>(record[field.offset]);
    const int length = std::min(stored, field.maxChars);
    return fromCp1250(QByteArrayView(record.constData() + field.offset + 1, length));
}

void appendString(QString& out, const char* record, qsizetype recordSize, StringField field)
{
    if (field.end() > recordSize)
        return;
    const int stored = static_cast<unsigned char>(record[field.offset]);
    appendCp1250(out, QByteArrayView(record + field.offset + 1, std::min(stored, field.maxChars)));
}

void writeString(QByteArray& record, StringField field, const QString& text)
{
    Q_ASSERT(field.end() <= record.size());
    const QByteArray encoded = toCp1250(text.left(field.maxChars));
    char* at = record.data() + field.offset;
    std::memset(at, 0, field.bytes());
    at[0] = char(encoded.size());
    std::memcpy(at + 1, encoded.constData(), encoded.size());
}

void writeChangedString(QByteArray& record, StringField field, const QString& text)
{
    if (readString(record, field) != text)
        writeString(record, field, text);
}

} // namespace kw
