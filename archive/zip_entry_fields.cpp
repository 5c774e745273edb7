#include "archive/zip_entry_fields.h"

#include "store/cp1250.h"

#include <QtEndian>

#include <sys/stat.h>

namespace kw {

namespace {

constexpr zip_uint32_t msDosFolder = 0x10;
constexpr char modificationTimeFlag = 0x01;

} // namespace

QString fileNameText(const QByteArray& name) { return name.isValidUtf8() ? QString::fromUtf8(name) : fromCp1250(name); }

zip_flags_t nameEncodingFlag(const QByteArray& name) { return name.isValidUtf8() ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_RAW; }

zip_uint32_t unixAttributes(mode_t mode)
{
    return zip_uint32_t(mode & 0xFFFF) << 16 | (S_ISDIR(mode) ? msDosFolder : 0);
}

std::optional<mode_t> unixMode(zip_uint8_t system, zip_uint32_t attributes)
{
    const mode_t mode = mode_t(attributes >> 16);
    if (system != ZIP_OPSYS_UNIX || mode == 0)
        return std::nullopt;
    return mode;
}

QByteArray extendedTimestamp(time_t modified)
{
    if (modified != time_t(qint32(modified)))
        return {};
    QByteArray field(5, Qt::Uninitialized);
    field[0] = modificationTimeFlag;
    qToLittleEndian(qint32(modified), field.data() + 1);
    return field;
}

std::optional<time_t> extendedTimestampTime(const zip_uint8_t* field, zip_uint16_t length)
{
    if (!field || length < 5 || !(field[0] & modificationTimeFlag))
        return std::nullopt;
    return time_t(qFromLittleEndian<qint32>(field + 1));
}

} // namespace kw
