#pragma once

#include "store/record_field.h"

#include <QString>

namespace kw {

// Why `text` cannot be stored whole in `field`, the field shown to the user
// as `caption`: longer than the field or holding a character code page 1250
// has no code for. Empty when it can be stored as it is.
QString storageProblem(const QString& caption, StringField field, const QString& text);

} // namespace kw
