#pragma once

#include <QString>

#include <ostream>

// Lets failed expectations print texts readably instead of as raw bytes.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
