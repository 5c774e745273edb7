#include "app/cli/cli_output.h"

#include "store/io_error.h"

#include <cerrno>
#include <cstdio>

namespace kw {

void printLine(const QString& line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void printBytes(const QByteArray& bytes) { std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout); }

void printError(const QString& message)
{
    QString line = message.trimmed();
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void finishOutput()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        throw IoError(QStringLiteral("Błąd zapisu na standardowe wyjście: %1.").arg(describeErrno(errno)));
}

} // namespace kw
