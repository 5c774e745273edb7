#pragma once

#include <QDate>
#include <QStringView>

#include <string_view>

namespace kw {

// Dates written as the program writes them, YYYY-MM-DD, read and written
// without the general date parser, for going through a long document file.

// The date `text` states exactly; invalid for anything else ("2026-2-1",
// "2026-02-30", " 2026-02-01").
QDate isoDate(QStringView text);
QDate isoDate(std::string_view text);

// Writes `date` (year 1..9999) as YYYY-MM-DD at `at`, which has room for 10
// characters, and returns where it ends.
char* writeIsoDate(char* at, QDate date);

} // namespace kw
