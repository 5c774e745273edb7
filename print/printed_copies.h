#pragma once

#include <QString>
#include <QStringList>

namespace kw {

// The number of copies the print dialog offers for the settings' copy count:
// that count, or one where it reads 0 (an empty count in a new data folder).
int offeredCopies(int storedCount);

// The label each of `chosenCount` copies carries. Left at the number offered
// for `storedCount`, every copy carries the settings' label; changed in the
// print dialog, the first copy carries it and the others read "kopia",
// written in capitals after a label in capitals ("KOPIA" after "ORYGINAŁ").
QStringList copyLabels(const QString& settingsLabel, int storedCount, int chosenCount);

} // namespace kw
