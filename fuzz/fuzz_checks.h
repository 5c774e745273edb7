#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace kw::fuzz {

// A broken promise of the code under test: reported, then the run stops so
// the fuzzer keeps the input.
[[noreturn]] inline void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "fuzz check failed: %s %s\n", what, qPrintable(detail));
    std::abort();
}

// Whether `line` holds a character that would break the line or steer the
// terminal it is printed on.
inline bool holdsControlCharacter(const QString& line)
{
    for (const QChar c : line)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    return false;
}

inline void requirePrintable(const QStringList& lines)
{
    for (const QString& line : lines)
        if (holdsControlCharacter(line))
            fail("control character in a printed line", line);
}

} // namespace kw::fuzz
