#include "tests/support/xlsx_reader.h"

#include <QJsonDocument>
#include <QProcess>

#include <stdexcept>

namespace kw {

namespace {

// The system's own Python, which has Debian's openpyxl whatever else PATH
// offers.
const QString python = QStringLiteral("/usr/bin/python3");

bool ranWell(QProcess& process, const QStringList& args)
{
    process.start(python, args);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QByteArray runScript(const QStringList& args)
{
    QProcess script;
    if (!ranWell(script, QStringList{QStringLiteral(XLSX_CELLS_SCRIPT)} + args))
        throw std::runtime_error("openpyxl failed on " + args.join(u' ').toStdString() + ": " +
                                 script.readAllStandardError().toStdString());
    return script.readAllStandardOutput();
}

} // namespace

bool openpyxlInstalled()
{
    QProcess probe;
    return ranWell(probe, {QStringLiteral("-c"), QStringLiteral("import openpyxl")});
}

QJsonObject readXlsxWithOpenpyxl(const QString& path)
{
    return QJsonDocument::fromJson(runScript({QStringLiteral("read"), path})).object();
}

void resaveXlsxWithOpenpyxl(const QString& path, const QStringList& settings)
{
    runScript(QStringList{QStringLiteral("resave"), path} + settings);
}

} // namespace kw
