#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kw {

// Whole-file access for tests, outside the file layer under test.
QByteArray readFileBytes(const QString& path);
// The bytes of a file the code under test may not have written: none when
// the file is missing or unreadable.
QByteArray readFileBytesIfAny(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
// Names of the entries in `folder`, sorted, without "." and "..".
QStringList folderEntries(const QString& folder);

} // namespace kw
