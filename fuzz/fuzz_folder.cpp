#include "fuzz/fuzz_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace kw::fuzz {

FuzzFolder& FuzzFolder::instance()
{
    static FuzzFolder folder;
    return folder;
}

FuzzFolder::FuzzFolder()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    path_ = dir.path();
    for (const char* sub : {"Admini", "Uslugi", "FONT"})
        QDir(path_).mkdir(QString::fromLatin1(sub));
}

void FuzzFolder::write(const QString& path, const QByteArray& bytes) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

} // namespace kw::fuzz
