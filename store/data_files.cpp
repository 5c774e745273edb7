#include "store/data_files.h"

#include "store/io_error.h"
#include "store/open_file.h"

#include <QFile>
#include <QFileInfo>

namespace kw {

bool createIfMissing(FileOps& ops, const QString& path, const QByteArray& contents)
{
    if (QFileInfo::exists(path))
        return false;
    OpenFile file(ops, path, OpenFile::CreateExclusive);
    try {
        file.writeAt(0, contents);
        file.sync();
        file.close();
    } catch (const IoError&) {
        ops.unlink(QFile::encodeName(path).constData());
        throw;
    }
    return true;
}

} // namespace kw
