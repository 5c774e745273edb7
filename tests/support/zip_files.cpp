#include "tests/support/zip_files.h"

#include <zip.h>

#include <list>
#include <stdexcept>

namespace kw {

namespace {

// The archive `archive` opened from memory; closed without writing.
class ZipInMemory
{
public:
    explicit ZipInMemory(const QByteArray& archive)
    {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source = zip_source_buffer_create(archive.constData(), zip_uint64_t(archive.size()), 0, &error);
        zip_ = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
        zip_error_fini(&error);
        if (!zip_) {
            zip_source_free(source);
            throw std::runtime_error("test cannot open the archive");
        }
    }
    ~ZipInMemory() { zip_discard(zip_); }
    ZipInMemory(const ZipInMemory&) = delete;
    ZipInMemory& operator=(const ZipInMemory&) = delete;

    zip_t* get() const { return zip_; }

private:
    zip_t* zip_ = nullptr;
};

QByteArray entryBytes(zip_t* zip, zip_uint64_t index)
{
    zip_file_t* file = zip_fopen_index(zip, index, 0);
    if (!file)
        throw std::runtime_error("test cannot read an archive entry");
    QByteArray bytes;
    char buffer[4096];
    zip_int64_t n = 0;
    while ((n = zip_fread(file, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, qsizetype(n));
    zip_fclose(file);
    if (n < 0)
        throw std::runtime_error("test cannot read an archive entry");
    return bytes;
}

} // namespace

void writeZip(const QString& path, const QList<ZipItem>& items)
{
    int error = 0;
    zip_t* zip = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        throw std::runtime_error("test cannot create " + path.toStdString());
    for (const ZipItem& item : items) {
        zip_int64_t index = -1;
        if (item.name.endsWith('/')) {
            index = zip_dir_add(zip, item.name.constData(), ZIP_FL_ENC_RAW);
        } else {
            zip_source_t* source = zip_source_buffer(zip, item.bytes.constData(), zip_uint64_t(item.bytes.size()), 0);
            index = zip_file_add(zip, item.name.constData(), source, ZIP_FL_ENC_RAW);
            if (index >= 0)
                zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
        }
        if (index < 0)
            throw std::runtime_error(std::string("test cannot add ") + item.name.constData() + ": " +
                                     zip_strerror(zip));
        const zip_uint8_t system = item.unixMode ? ZIP_OPSYS_UNIX : ZIP_OPSYS_DOS;
        const zip_uint32_t attributes = item.unixMode ? zip_uint32_t(*item.unixMode) << 16 : 0;
        zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, system, attributes);
    }
    if (zip_close(zip) < 0) {
        const std::string reason = zip_strerror(zip);
        zip_discard(zip);
        throw std::runtime_error("test cannot write " + path.toStdString() + ": " + reason);
    }
}

QList<ZipEntryRead> readZip(const QByteArray& archive)
{
    const ZipInMemory zip(archive);
    QList<ZipEntryRead> entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip.get(), 0); ++i) {
        const auto index = zip_uint64_t(i);
        ZipEntryRead entry;
        entry.name = zip_get_name(zip.get(), index, ZIP_FL_ENC_RAW);
        // Read strictly, a name without the UTF-8 flag is code page 437 and
        // comes back changed unless it is plain ASCII.
        entry.readAsStored = entry.name == QByteArray(zip_get_name(zip.get(), index, ZIP_FL_ENC_STRICT));
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        zip_file_get_external_attributes(zip.get(), index, 0, &system, &attributes);
        entry.unixSystem = system == ZIP_OPSYS_UNIX;
        entry.unixMode = mode_t(attributes >> 16);
        zip_stat_t stat;
        zip_stat_index(zip.get(), index, 0, &stat);
        entry.modified = stat.mtime;
        if (!entry.name.endsWith('/'))
            entry.bytes = entryBytes(zip.get(), index);
        entries.append(entry);
    }
    return entries;
}

QByteArray zipComment(const QByteArray& archive)
{
    const ZipInMemory zip(archive);
    int length = 0;
    const char* comment = zip_get_archive_comment(zip.get(), &length, ZIP_FL_ENC_RAW);
    return comment ? QByteArray(comment, length) : QByteArray();
}

} // namespace kw
