#include "print/printed_copies.h"

#include <algorithm>

namespace kw {

namespace {

QString copyWordLike(const QString& label)
{
    const QString word = QStringLiteral("kopia");
    if (label.isEmpty() || !label.front().isUpper())
        return word;
    return label == label.toUpper() ? word.toUpper() : QStringLiteral("Kopia");
}

} // namespace

int offeredCopies(int storedCount) { return std::max(1, storedCount); }

QStringList copyLabels(const QString& settingsLabel, int storedCount, int chosenCount)
{
    if (chosenCount <= 0)
        return {};
    if (chosenCount == offeredCopies(storedCount))
        return QStringList(chosenCount, settingsLabel);
    QStringList labels(chosenCount, copyWordLike(settingsLabel));
    labels.front() = settingsLabel;
    return labels;
}

} // namespace kw
