#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

#include <ctime>
#include <map>
#include <ostream>

namespace kw {

// One entry of a folder tree as a test compares it.
struct TreeItem {
    mode_t mode = 0;     // type and permission bits; a link is a link
    time_t modified = 0; // files only: a folder's time changes as it is filled
    QByteArray bytes;    // a file's contents, a link's target
    bool operator==(const TreeItem&) const = default;
};

inline void PrintTo(const TreeItem& item, std::ostream* os)
{
    *os << std::oct << item.mode << std::dec << " " << item.modified << " \"" << item.bytes.toStdString() << '"';
}

// Everything under `folder` by path relative to it, as bytes (names that
// are not UTF-8 included), links not followed.
std::map<QByteArray, TreeItem> fileTree(const QString& folder);

// Writes the file `path` (bytes, so any name) with `bytes`, then gives it
// `mode` and the modification time `modified`.
void writeTreeFile(const QByteArray& path, const QByteArray& bytes, mode_t mode, time_t modified);

// Removes `path` and everything under it, whatever bytes the names have
// (QDir cannot remove a name that is not UTF-8).
void removeTree(const QString& path);

} // namespace kw
