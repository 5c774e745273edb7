#pragma once

#include "store/record_field.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>

#include <vector>

namespace kw::fuzz {

// Bytes for a reader of records of `size` bytes: wholly random, or a valid
// record (`seed`) mutated: bytes changed, length bytes set past their field,
// runs of 0x00 or 0xFF, cut short, torn, or grown. Lengths cluster around
// the edges (0, 1, size - 1, size, size + 1, several records and a tail).
QByteArray fuzzBytes(QRandomGenerator& random, int size, const QByteArray& seed,
                     const std::vector<StringField>& fields);

// Text of up to `maxLength` characters: digits, signs, separators, letters
// of the code page and beyond it, and surrogate halves.
QString fuzzText(QRandomGenerator& random, int maxLength);

// Counts the rounds run, for the report at the end of the test program.
void countRounds(const char* reader, int rounds);

} // namespace kw::fuzz
