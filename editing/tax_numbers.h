#pragma once

#include <QString>

namespace kw {

// Checks of the seller's identifiers as people write them: digits with
// blanks or hyphens between them, optionally after the country code "PL".

// The digits of `text` once an optional "PL" and the blanks and hyphens
// between digits are left out; empty when anything else is in it.
QString identifierDigits(const QString& text);

// A Polish tax number (NIP): ten digits whose weighted sum (weights
// 6 5 7 2 3 4 5 6 7) modulo 11 equals the tenth digit.
bool isValidNip(const QString& text);

// A Polish bank account number (NRB): 26 digits that pass the IBAN check
// (ISO 7064 mod 97-10) with the country code PL.
bool isValidNrb(const QString& text);

} // namespace kw
