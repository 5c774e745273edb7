// The check a restore makes of an archive before it writes anything, on
// any archive libzip opens from the input: restorableEntries either refuses
// it with IoError or gives only entries that stay inside the folder restored
// into (below Admini, Uslugi, Szablony or FONT, no "..", "." or empty
// component, no backslash or control character), none twice, no file where
// another entry needs a folder, permission bits only, and a file at least.

#include "archive/restore_entries.h"
#include "fuzz/fuzz_checks.h"
#include "store/io_error.h"

#include <QByteArrayList>
#include <QSet>

#include <zip.h>

#include <algorithm>
#include <cstdint>

using namespace kw;

namespace {

// The archive in the input, opened read-only from memory; none when libzip
// cannot read it. Without the consistency check the restore asks for, so
// that entries whose local headers disagree with the directory reach the
// check too.
class ZipInMemory
{
public:
    ZipInMemory(const uint8_t* data, size_t size)
    {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source = zip_source_buffer_create(data, size, 0, &error);
        zip_ = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
        if (source && !zip_)
            zip_source_free(source);
        zip_error_fini(&error);
    }
    ~ZipInMemory()
    {
        if (zip_)
            zip_discard(zip_);
    }
    ZipInMemory(const ZipInMemory&) = delete;
    ZipInMemory& operator=(const ZipInMemory&) = delete;

    zip_t* get() const { return zip_; }

private:
    zip_t* zip_ = nullptr;
};

[[noreturn]] void failOn(const char* what, const QByteArray& path) { fuzz::fail(what, QString::fromUtf8(path)); }

void requireInside(const RestoreEntry& entry)
{
    static const QByteArrayList dataFolders = {"admini", "uslugi", "szablony", "font"};
    const QByteArrayList parts = entry.path.split('/');
    for (const QByteArray& part : parts) {
        if (part.isEmpty() || part == "." || part == "..")
            failOn("a path with an empty, \".\" or \"..\" component", entry.path);
    }
    if (std::any_of(entry.path.begin(), entry.path.end(), [](char c) { return uchar(c) < 0x20 || c == 0x7F; }))
        failOn("a path with a control character", entry.path);
    if (entry.path.contains('\\'))
        failOn("a path with a backslash", entry.path);
    if (!dataFolders.contains(parts.first().toLower()) || (!entry.folder && parts.size() < 2))
        failOn("a path outside the data folders", entry.path);
    if (entry.permissions & ~mode_t(0777))
        failOn("more than permission bits", entry.path);
}

void requireRestorable(const QList<RestoreEntry>& entries)
{
    QSet<QByteArray> paths;
    QSet<QByteArray> files;
    for (const RestoreEntry& entry : entries) {
        requireInside(entry);
        if (paths.contains(entry.path))
            failOn("a path twice", entry.path);
        paths.insert(entry.path);
        if (!entry.folder)
            files.insert(entry.path);
    }
    for (const RestoreEntry& entry : entries) {
        for (qsizetype slash = entry.path.indexOf('/'); slash >= 0; slash = entry.path.indexOf('/', slash + 1)) {
            if (files.contains(entry.path.left(slash)))
                failOn("an entry inside a file", entry.path);
        }
    }
    if (files.isEmpty())
        fuzz::fail("no file to restore");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ZipInMemory zip(data, size);
    if (!zip.get())
        return 0;
    try {
        requireRestorable(restorableEntries(zip.get(), QStringLiteral("kopia.zip")));
    } catch (const IoError&) {
        // Refused, as an archive that cannot be restored must be.
    }
    return 0;
}
