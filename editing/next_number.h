#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace kw {

// The number a new document gets after the last stored one, `last`, as text
// for a number field `width` characters wide. An empty (or blank) `last`
// starts at 1; otherwise its leading digits count, as readCount reads them.
// Empty when there is no such number: `last` does not start with a digit,
// or the next number is wider than the field. A number is never cut to fit.
std::optional<QString> nextDocumentNumber(QStringView last, int width);

// The notice shown when nextDocumentNumber gives none; `document` names
// the kind ("rachunku", "rachunku korygującego").
QString noNextNumberNotice(const QString& document, QStringView last);

} // namespace kw
