#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>
#include <zip.h>

#include <ctime>
#include <optional>

namespace kw {

// How a backup stores a file's name, mode and modification time in a ZIP
// entry, and how a restore reads them back.

// A file name as the file system holds it, shown in a message: as UTF-8 when
// it is UTF-8, otherwise as code page 1250, the encoding of names copied
// from Windows.
QString fileNameText(const QByteArray& name);

// The flag a name is stored with: UTF-8 for a name that is UTF-8, so that
// unpackers show it right; otherwise none, and libzip stores the bytes as
// they are, so that they come back unchanged.
zip_flags_t nameEncodingFlag(const QByteArray& name);

// External attributes holding `mode` (file type and permission bits) as Unix
// archivers store it, with the MS-DOS folder bit for a folder.
zip_uint32_t unixAttributes(mode_t mode);
// The Unix mode in external attributes made on Unix (`system` ZIP_OPSYS_UNIX)
// that hold one; none otherwise.
std::optional<mode_t> unixMode(zip_uint8_t system, zip_uint32_t attributes);

// The extended timestamp extra field ("UT") that keeps the modification time
// to the second and independent of the time zone, unlike the MS-DOS time of
// every entry. Empty for a time the field cannot hold (before 1902 or after
// 2037); the MS-DOS time stands alone then.
inline constexpr zip_uint16_t extendedTimestampId = 0x5455;
QByteArray extendedTimestamp(time_t modified);
// The modification time such a field holds; none when it holds none.
std::optional<time_t> extendedTimestampTime(const zip_uint8_t* field, zip_uint16_t length);

} // namespace kw
