#include "app/cli/stdout_spool.h"

#include "app/cli/cli_output.h"
#include "store/io_error.h"

#include <QDir>

namespace kw {

namespace {

constexpr qint64 copyPiece = 1 << 16;

} // namespace

StdoutSpool::StdoutSpool()
{
    if (!file_.open())
        fail();
}

void StdoutSpool::write(QByteArrayView bytes)
{
    if (file_.write(bytes.data(), bytes.size()) != bytes.size())
        fail();
}

void StdoutSpool::copyToStdout()
{
    if (!file_.flush() || !file_.seek(0))
        fail();
    QByteArray piece(copyPiece, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = file_.read(piece.data(), copyPiece)) > 0)
        printBytes(QByteArray::fromRawData(piece.constData(), read));
    if (read < 0)
        fail();
}

void StdoutSpool::fail() const
{
    throw IoError(QStringLiteral("Błąd pliku tymczasowego w folderze %1: %2.")
                      .arg(QDir::toNativeSeparators(QDir::tempPath()), file_.errorString()));
}

} // namespace kw
