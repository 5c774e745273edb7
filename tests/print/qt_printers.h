#pragma once

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

// Lets failed expectations print texts readably instead of as raw bytes.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Compares two call logs line by line; a failure shows the lines that differ.
inline void expectSameLog(const QStringList& actual, const QStringList& expected)
{
    EXPECT_EQ(actual.join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString());
}
