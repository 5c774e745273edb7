#include "archive/backup_restore.h"

#include "archive/restore_entries.h"
#include "archive/restored_tree.h"
#include "archive/zip_entry_fields.h"
#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/io_error.h"
#include "store/location_choice.h"
#include "store/record_file.h"
#include "store/records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <zip.h>

#include <cerrno>

namespace kw {

namespace {

QString zipErrorText(int code)
{
    switch (code) {
    case ZIP_ER_NOZIP: return QStringLiteral("to nie jest archiwum ZIP");
    case ZIP_ER_INCONS:
    case ZIP_ER_CRC: return QStringLiteral("archiwum jest uszkodzone");
    case ZIP_ER_EXISTS: return QStringLiteral("dwa jego wpisy mają tę samą nazwę");
    case ZIP_ER_NOENT: return describeErrno(ENOENT);
    case ZIP_ER_MEMORY: return QStringLiteral("brak pamięci");
    default: {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
        zip_error_fini(&error);
        return text;
    }
    }
}

// An archive open for reading.
class ZipReader
{
public:
    explicit ZipReader(const QString& path) : path_(path)
    {
        // libzip would block on a FIFO and take a folder for a missing file.
        struct stat info {};
        const QByteArray encoded = QFile::encodeName(path);
        if (::stat(encoded.constData(), &info) != 0)
            throw IoError(QStringLiteral("Nie można otworzyć archiwum %1: %2.").arg(path, describeErrno(errno)));
        if (!S_ISREG(info.st_mode))
            throw IoError(QStringLiteral("Nie można użyć pliku %1: to nie jest zwykły plik.").arg(path));
        int error = 0;
        zip_ = zip_open(encoded.constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (!zip_)
            throw IoError(QStringLiteral("Nie można otworzyć archiwum %1: %2.").arg(path, zipErrorText(error)));
    }

    ~ZipReader() { zip_discard(zip_); }
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    zip_t* get() const { return zip_; }

    // Writes the bytes of the file entry `entry` into `file`, all of them and
    // checked against the entry's size and checksum.
    void copy(const RestoreEntry& entry, RestoredFile& file) const
    {
        zip_stat_t stat;
        zip_file_t* data = zip_fopen_index(zip_, entry.index, 0);
        if (!data || zip_stat_index(zip_, entry.index, 0, &stat) < 0)
            failed(entry, zip_error_code_zip(zip_get_error(zip_)));
        char buffer[65536];
        zip_uint64_t total = 0;
        zip_int64_t n = 0;
        while ((n = zip_fread(data, buffer, sizeof buffer)) > 0) {
            file.write(QByteArrayView(buffer, qsizetype(n)));
            total += zip_uint64_t(n);
        }
        const int error = n < 0 ? zip_error_code_zip(zip_file_get_error(data)) : ZIP_ER_OK;
        zip_fclose(data);
        if (error != ZIP_ER_OK || total != stat.size)
            failed(entry, error != ZIP_ER_OK ? error : ZIP_ER_INCONS);
    }

private:
    [[noreturn]] void failed(const RestoreEntry& entry, int code) const
    {
        throw IoError(QStringLiteral("Nie można odczytać wpisu %1 z archiwum %2: %3.")
                          .arg(fileNameText(entry.path), path_, zipErrorText(code)));
    }

    QString path_;
    zip_t* zip_ = nullptr;
};

// Makes the location file of the restored folder name the folder: the path
// of its mode replaced, every other byte kept; a new one when the archive
// has none.
void nameRestoredFolder(FileOps& ops, RestoredTree& tree)
{
    const QString admini = resolvePath(tree.path(), QStringLiteral("Admini"));
    const QByteArray adminiName = QFile::encodeName(QFileInfo(admini).fileName());
    tree.addFolder(adminiName);
    const QString locationFile = DataPaths::locationFile(tree.path());
    RecordFile file(ops, locationFile, location::Size);
    if (!QFileInfo::exists(locationFile)) {
        tree.adoptFile(adminiName, QFile::encodeName(QFileInfo(locationFile).fileName()));
        file.replace(initialLocation(tree.path()).bytes());
        return;
    }
    // The path fits: restoreBackup checked that before writing anything.
    file.replace(locationNaming(readSingleRecord<LocationRecord>(ops, locationFile), tree.path()).value().bytes());
}

} // namespace

RestoredBackup restoreBackup(FileOps& ops, const QString& zipFile, const QString& folder)
{
    const ZipReader zip(zipFile);
    const QList<RestoreEntry> entries = restorableEntries(zip.get(), zipFile);
    const QString target = QDir::cleanPath(QDir(folder).absolutePath());
    // The location file must be able to name the folder before a byte is written.
    if (!locationNaming(initialLocation(target), target))
        throw IoError(QStringLiteral("Nie odtworzono archiwum %1: ścieżki %2 nie da się zapisać w pliku "
                                     "Admini/siec.dat (jest dłuższa niż 200 znaków albo ma znaki, których ten plik "
                                     "nie przechowa).")
                          .arg(zipFile, target));

    RestoredTree tree(target);
    RestoredBackup restored{target, 0};
    for (const RestoreEntry& entry : entries) {
        if (entry.folder) {
            tree.addFolder(entry);
        } else {
            tree.addFile(entry, [&](RestoredFile& file) { zip.copy(entry, file); });
            ++restored.fileCount;
        }
    }
    nameRestoredFolder(ops, tree);
    tree.finish();
    return restored;
}

} // namespace kw
