#pragma once

#include "store/data_folder.h"

#include <QString>
#include <QTemporaryDir>

namespace kw {

// A data folder of its own for one test, with the Admini and Uslugi
// sub-folders the module expects; removed with everything in it at the end.
class TempDataFolder
{
public:
    TempDataFolder();

    QString path() const { return dir_.path(); }
    QString filePath(const QString& relative) const { return dir_.filePath(relative); }
    QString admini() const { return path() + QStringLiteral("/Admini"); }
    QString uslugi() const { return path() + QStringLiteral("/Uslugi"); }
    DataPaths paths() const { return DataPaths(path()); }

private:
    QTemporaryDir dir_;
};

} // namespace kw
