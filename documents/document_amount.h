#pragma once

#include "editing/money.h"
#include "store/record_field.h"

#include <QByteArrayView>

#include <algorithm>
#include <optional>
#include <string_view>

namespace kw {

// Reading a document record's bytes in place, without decoding every field,
// for going through a long document file.

// The field's bytes as stored (code page 1250), the length byte clamped to
// the field's width as readString() clamps it.
inline std::string_view storedText(QByteArrayView record, StringField field)
{
    const int length = std::min<int>(quint8(record[field.offset]), field.maxChars);
    return std::string_view(record.data() + field.offset + 1, size_t(length));
}

// What a document states as its amount, from the "Razem" texts of its line
// tables added exactly: a bill its own total, a corrective bill the
// corrected total minus the original one. Empty for a record of another
// kind.
std::optional<Money> documentAmount(QByteArrayView record);

} // namespace kw
