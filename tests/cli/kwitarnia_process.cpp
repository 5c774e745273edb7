#include "tests/cli/kwitarnia_process.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>

#include <stdexcept>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kw {

QStringList ProcessResult::outLines() const
{
    QStringList lines = out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

namespace {

ProcessResult runProgram(QProcess& process, const QString& program, const QString& folder, const QStringList& args,
                         const QStringList& extraEnvironment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LC_CTYPE"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    for (const QString& setting : extraEnvironment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));

    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, args);
    if (!process.waitForFinished(120000))
        throw std::runtime_error("kwitarnia did not finish: " + process.errorString().toStdString());
    ProcessResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

ProcessResult runKwitarnia(const QString& folder, const QStringList& args, const QStringList& extraEnvironment)
{
    QProcess process;
    return runProgram(process, QStringLiteral(KWITARNIA_BINARY), folder, args, extraEnvironment);
}

ProcessResult runKwitarniaAs(const UnixUser& user, const QString& program, const QString& folder,
                             const QStringList& args)
{
    QProcess process;
    process.setChildProcessModifier([user] {
        const gid_t group = user.gid;
        // The child exits at once when it cannot become the user, so a test
        // never runs the program as root by mistake.
        if (::setgroups(1, &group) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0)
            ::_exit(126);
        ::umask(user.umask);
    });
    return runProgram(process, program, folder, args, {QStringLiteral("HOME=") + folder});
}

QString popplerTool(const QString& name) { return QStandardPaths::findExecutable(name); }

namespace {

QString runTool(const QString& name, const QStringList& args)
{
    QProcess process;
    process.start(popplerTool(name), args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        throw std::runtime_error(name.toStdString() + " failed on " + args.last().toStdString());
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString pdfPageText(const QString& pdf, int page)
{
    const QString number = QString::number(page);
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf,
                    QStringLiteral("-")});
}

int pdfPageCount(const QString& pdf)
{
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+)$)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(runTool(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QMap<QString, QByteArray> folderSnapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString relative = entry.filePath().mid(folder.size() + 1);
        if (entry.isDir()) {
            files.insert(relative + QLatin1Char('/'), {});
            continue;
        }
        // A FIFO or a dangling link is noted, never opened: reading could block.
        if (!entry.isFile()) {
            files.insert(relative + QStringLiteral(" (no file)"), {});
            continue;
        }
        QFile file(entry.filePath());
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + entry.filePath().toStdString());
        files.insert(relative, file.readAll());
    }
    return files;
}

} // namespace kw
