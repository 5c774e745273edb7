#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace kw {

// Reads an amount typed into a cell: leading blanks, an optional sign, digits
// with an optional decimal point or comma (either side may be empty, not
// both), an optional exponent. The longest such leading number counts and
// whatever follows it is ignored. Text without a leading number, or a number
// too large for a double, reads as 0. Never fails.
double readAmount(QStringView cell);

// Reads a counting number (document number, copy count): leading blanks, then
// the leading decimal digits. No digits read as 0; values beyond the range of
// qint64 read as its largest value.
qint64 readCount(QStringView text);

// Returns `value` with exactly two decimals and a point, a '-' before the
// first digit of a negative amount, padded on the left with blanks to
// `width` and never cut. The value is first taken to 18 significant digits,
// then rounded with halves away from zero (0.125 gives "0.13"). An amount
// that rounds to zero shows no minus. Values that are not finite show as
// "INF", "-INF" or "NAN".
QString formatAmount(double value, int width);

// The amount as formatAmount shows it, in whole grosze (0.125 gives 13).
// Empty for values that are not finite or do not fit in qint64.
std::optional<qint64> roundToGrosze(double value);

} // namespace kw
