#include "store/module_options.h"

#include "store/open_file.h"
#include "store/record_file.h"

#include <QList>

#include <optional>

namespace kw {

namespace {

const QByteArray transferCodeName = "kod_qr_przelewu";

QList<QByteArray> optionLines(FileOps& ops, const QString& path)
{
    const OpenFile file(ops, path, OpenFile::ReadOnlyIfExists);
    if (!file.isOpen())
        return {};
    QList<QByteArray> lines = file.readExactly(0, file.size()).split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// The value of the line setting option `name`, or nothing.
std::optional<QByteArray> valueOf(const QByteArray& line, const QByteArray& name)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.left(equals).trimmed() != name)
        return std::nullopt;
    return line.mid(equals + 1).trimmed();
}

} // namespace

ModuleOptions readModuleOptions(FileOps& ops, const QString& path)
{
    ModuleOptions options;
    for (const QByteArray& line : optionLines(ops, path)) {
        if (const std::optional<QByteArray> value = valueOf(line, transferCodeName))
            options.transferCode = *value != "0";
    }
    return options;
}

void writeModuleOptions(FileOps& ops, const QString& path, const ModuleOptions& options)
{
    QByteArray contents;
    for (const QByteArray& line : optionLines(ops, path)) {
        if (!valueOf(line, transferCodeName))
            contents += line + '\n';
    }
    contents += transferCodeName + '=' + (options.transferCode ? "1" : "0") + '\n';
    removeStaleTemporaries(ops, path);
    replaceFileAtomically(ops, path, temporaryNameFor(path), [&](OpenFile& out) { out.writeAt(0, contents); });
}

} // namespace kw
