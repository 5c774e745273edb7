#pragma once

#include "store/data_folder.h"

#include <QByteArray>
#include <QString>

namespace kw::fuzz {

// One data folder (Admini, Uslugi, FONT) for the whole run of a fuzzer, in
// a temporary folder removed at exit; targets that read files write the
// input there first.
class FuzzFolder
{
public:
    static FuzzFolder& instance();

    const QString& path() const { return path_; }
    DataPaths paths() const { return DataPaths(path_); }
    // Writes `bytes` as the file at `path`, replacing what was there.
    void write(const QString& path, const QByteArray& bytes) const;

private:
    FuzzFolder();
    QString path_;
};

} // namespace kw::fuzz
