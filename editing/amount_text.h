#pragma once

#include "editing/money.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace kw {

// The leading number of `text`: leading blanks, an optional sign, digits with
// an optional decimal point or comma (either side may be empty, not both), an
// optional exponent. Whatever follows the longest such number is ignored. The
// number is taken as the exact decimal it spells and rounded to `decimals`
// places (0 to Money::decimals), halves away from zero. Empty when the text
// has no leading number or the number lies beyond what Money holds.
std::optional<Money> leadingAmount(QStringView text, int decimals = Money::decimals);

// Reads an amount typed into a cell as leadingAmount() does; text without a
// leading number, or one too large to hold, reads as 0. Never fails.
Money readAmount(QStringView cell, int decimals = Money::decimals);

// Reads a counting number (document number, copy count): leading blanks, then
// the leading decimal digits. No digits read as 0; values beyond the range of
// qint64 read as its largest value.
qint64 readCount(QStringView text);

// Returns `value` rounded to grosze with halves away from zero (0.125 gives
// "0.13"), with exactly two decimals and a point, a '-' before the first
// digit of a negative amount, padded on the left with blanks to `width` and
// never cut. An amount that rounds to zero shows no minus.
QString formatAmount(Money value, int width);

} // namespace kw
