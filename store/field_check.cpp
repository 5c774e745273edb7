#include "store/field_check.h"

#include "store/cp1250.h"

namespace kw {

QString storageProblem(const QString& caption, StringField field, const QString& text)
{
    if (text.size() > field.maxChars)
        return QStringLiteral("Pole „%1” mieści najwyżej %2 znaków, a wpisano %3.")
            .arg(caption)
            .arg(field.maxChars)
            .arg(text.size());
    const QString stored = fromCp1250(toCp1250(text));
    for (qsizetype i = 0; i < text.size(); ++i)
        if (stored[i] != text[i])
            return QStringLiteral("Pole „%1” zawiera znak „%2”, którego nie da się zapisać w pliku danych.")
                .arg(caption, text.mid(i, 1));
    return {};
}

} // namespace kw
