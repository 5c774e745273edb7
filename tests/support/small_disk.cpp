#include "tests/support/small_disk.h"

#include <QFile>
#include <QProcess>

#include <unistd.h>

namespace kw {

namespace {

bool runQuietly(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

SmallDisk::SmallDisk(int kilobytes)
{
    if (geteuid() != 0 || !dir_.isValid())
        return;
    mounted_ = runQuietly(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=%1k").arg(kilobytes), QStringLiteral("tmpfs"), dir_.path()});
}

void SmallDisk::fill(const QString& filler) const
{
    QFile file(dir_.filePath(filler));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(512, '\0');
    while (file.write(block) == block.size()) {}
    while (file.write("", 1) == 1) {}
}

SmallDisk::~SmallDisk()
{
    if (mounted_)
        runQuietly(QStringLiteral("umount"), {dir_.path()});
}

} // namespace kw
