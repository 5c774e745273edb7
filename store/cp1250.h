#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kw {

// Code page 1250, the single-byte encoding of every text in the data files.
// Characters the code page cannot hold are written as '?'.
QByteArray toCp1250(const QString& text);
QString fromCp1250(QByteArrayView bytes);
// Appends the decoded bytes to `out`, for building lines without temporaries.
void appendCp1250(QString& out, QByteArrayView bytes);

} // namespace kw
