#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace kw {

struct ProcessResult {
    int exitCode = -1;
    QString out;
    QString err;
    QStringList outLines() const;
};

// Runs the built program with `args` in `folder`, without a display, a
// chosen Qt platform or a UTF-8 locale, so the output must be UTF-8 by the
// program's own doing.
// `extraEnvironment` ("NAME=value") is set on top.
ProcessResult runKwitarnia(const QString& folder, const QStringList& args, const QStringList& extraEnvironment = {});

// Another person on this computer: a user and the one group they are in,
// with their umask. Only root may run the program as one.
struct UnixUser {
    uint uid = 0;
    uint gid = 0;
    uint umask = 022;
};

// runKwitarnia as `user`, with `program` a copy of the program that the
// user may run (the build folder may be closed to others).
ProcessResult runKwitarniaAs(const UnixUser& user, const QString& program, const QString& folder,
                             const QStringList& args);

// Runs a poppler tool; empty when it is not installed.
QString popplerTool(const QString& name);
// The text of page `page` of `pdf` (pdftotext -layout).
QString pdfPageText(const QString& pdf, int page);
// The page count `pdfinfo` reports.
int pdfPageCount(const QString& pdf);

// Every file under `folder` with its bytes, by path relative to it; folders
// appear with empty contents and a trailing '/'.
QMap<QString, QByteArray> folderSnapshot(const QString& folder);

} // namespace kw
