#pragma once

#include "store/records.h"
#include "tests/support/file_tree.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <sys/stat.h>

namespace kw {

// A file of the sample data folder, by its path as bytes.
struct SampleFile {
    QByteArray path;
    mode_t mode;
};

// The files of a data folder a backup must keep whole: a template named in
// code page 1250 as copied from Windows ("wzór_ł.dat"), one named in UTF-8,
// a nested folder, a private seller file and a group-writable document file.
inline QList<SampleFile> sampleFiles()
{
    return {{"Admini/firma.dat", 0600},
            {"Admini/rachunek.dat", 0640},
            {"Uslugi/dokumenty_r.dat", 0664},
            {"Szablony/wz\xF3r_\xB3.dat", 0644},
            {"Szablony/wz\xC3\xB3r_\xC5\x82.dat", 0644},
            {"Szablony/stare/\xC4\x87ma.sza", 0600},
            {"FONT/font_trelmo_2007.dat", 0755}};
}

// The sample files under `folder` (which holds Admini and Uslugi), each with
// bytes of its own and a modification time of its own on an odd second,
// which the MS-DOS time of an entry cannot hold; Szablony is the owner's
// and the group's only, its sub-folder the owner's. A folder Inne, which no
// backup holds, beside them.
inline void writeSampleDataFolder(const QString& folder)
{
    const QDir dir(folder);
    dir.mkpath(QStringLiteral("Szablony/stare"));
    dir.mkpath(QStringLiteral("FONT"));
    dir.mkpath(QStringLiteral("Inne"));
    const QByteArray base = QFile::encodeName(folder) + '/';
    time_t modified = 1262304001; // 2010-01-01 00:00:01 UTC
    for (const SampleFile& file : sampleFiles()) {
        writeTreeFile(base + file.path, "zawartość " + file.path, file.mode, modified);
        modified += 86403;
    }
    writeTreeFile(base + "Inne/obcy.txt", "nie z kopii", 0644, modified);
    ::chmod((base + "Szablony").constData(), 0750);
    ::chmod((base + "Szablony/stare").constData(), 0700);
}

} // namespace kw
