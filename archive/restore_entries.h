#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/types.h>
#include <zip.h>

#include <ctime>

namespace kw {

// One entry of an archive to restore, checked.
struct RestoreEntry {
    zip_uint64_t index = 0;
    QByteArray path;        // its components as bytes, joined by '/', no '/' at the end
    bool folder = false;    // a folder; a regular file otherwise
    mode_t permissions = 0; // the stored permission bits, never set-ID or sticky bits
    time_t modified = 0;
};

// The entries of the archive `zip`, read from `zipFile`, when every one of
// them can be restored without touching anything outside the folder
// restored into: a regular file or a folder, below Admini, Uslugi, Szablony
// or FONT, its path neither absolute nor holding "..", ".", empty
// components, backslashes or control characters; no path twice; no file
// where another entry needs a folder; nothing encrypted or compressed in a
// way this program cannot read; at least one file. An entry without a Unix
// mode gets 0644, or 0755 for a folder. Throws IoError naming the first
// entry that fails, and why.
QList<RestoreEntry> restorableEntries(zip_t* zip, const QString& zipFile);

} // namespace kw
