#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/types.h>

#include <ctime>
#include <optional>

namespace kw {

// One entry of an archive a test writes, hostile ones included.
struct ZipItem {
    QByteArray name;                     // stored byte for byte; a folder's ends with '/'
    QByteArray bytes = {};               // a file's contents
    std::optional<mode_t> unixMode = {}; // type and permission bits; none: no Unix mode, as MS-DOS tools write
};

// Writes the archive of `items`, uncompressed so that a test can find and
// spoil an entry's bytes, to `path`.
void writeZip(const QString& path, const QList<ZipItem>& items);

// One entry of an archive as a test reads it back.
struct ZipEntryRead {
    QByteArray name;           // the stored bytes
    bool readAsStored = false; // a reader keeping to the ZIP format gets the name's bytes: ASCII or flagged UTF-8
    bool unixSystem = false;   // the attributes were made on Unix
    mode_t unixMode = 0;
    time_t modified = 0; // as libzip reads it from the MS-DOS time
    QByteArray bytes;
};

// The entries of the archive `archive` in their order; throws when it cannot be read.
QList<ZipEntryRead> readZip(const QByteArray& archive);
// The archive comment of `archive`.
QByteArray zipComment(const QByteArray& archive);

} // namespace kw
