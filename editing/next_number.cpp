#include "editing/next_number.h"

#include "editing/amount_text.h"

#include <limits>

namespace kw {

std::optional<QString> nextDocumentNumber(QStringView last, int width)
{
    const QStringView trimmed = last.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("1");
    if (trimmed.front() < u'0' || trimmed.front() > u'9')
        return std::nullopt;
    const qint64 count = readCount(trimmed);
    // readCount holds a longer run of digits at qint64's largest value,
    // which is far wider than any number field anyway.
    if (count == std::numeric_limits<qint64>::max())
        return std::nullopt;
    const QString next = QString::number(count + 1);
    if (next.size() > width)
        return std::nullopt;
    return next;
}

QString noNextNumberNotice(const QString& document, QStringView last)
{
    return QStringLiteral("Nie można nadać numeru nowego %1: po ostatnim numerze „%2” następny numer "
                          "nie mieści się w polu numeru lub nie jest liczbą. Wpisz numer w polu numeru.")
        .arg(document, last.toString());
}

} // namespace kw
