#pragma once

#include "store/output_file.h"

#include <QBuffer>
#include <QByteArray>

namespace kw {

// Whether `kind` takes a file holding `bytes` for one this program wrote.
inline bool recognised(const OutputKind& kind, const QByteArray& bytes)
{
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    return kind.writtenByThisProgram(file);
}

// One row of a table of files an output may or may not replace.
struct KindCase {
    const char* name;
    QByteArray bytes;
    bool ours;
};

} // namespace kw
