#pragma once

#include "store/records.h"

#include <QByteArray>

#include <initializer_list>

namespace kw {

// A bill of `number` złoty issued on 11 March 2024 to a buyer whose name
// holds the number and Polish letters, so that documents of different numbers
// differ in both halves of the record.
DocumentRecord numberedDocument(int number);

// The bytes of the numbered documents one after another, as a document file
// (or a part of one) holds them.
QByteArray numberedDocuments(std::initializer_list<int> numbers);

} // namespace kw
