#include "archive/backup_archive.h"

#include "archive/archive_output_kind.h"
#include "archive/folder_handle.h"
#include "archive/zip_entry_fields.h"
#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/io_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <list>

namespace kw {

namespace {

[[noreturn]] void archiveFailed(const QString& reason)
{
    throw IoError(QStringLiteral("Nie można utworzyć archiwum kopii zapasowej: %1.").arg(reason));
}

QString zipErrorText(zip_error_t* error) { return QString::fromLocal8Bit(zip_error_strerror(error)); }

// An archive built in memory. libzip reads each file's bytes only when the
// archive is closed, so the bytes are kept here until then.
class MemoryZip
{
public:
    MemoryZip()
    {
        zip_error_init(&error_);
        source_ = zip_source_buffer_create(nullptr, 0, 0, &error_);
        if (!source_)
            archiveFailed(zipErrorText(&error_));
        zip_source_keep(source_);
        archive_ = zip_open_from_source(source_, ZIP_TRUNCATE, &error_);
        if (!archive_)
            archiveFailed(zipErrorText(&error_));
    }

    ~MemoryZip()
    {
        if (archive_)
            zip_discard(archive_);
        zip_source_free(source_);
        zip_error_fini(&error_);
    }

    MemoryZip(const MemoryZip&) = delete;
    MemoryZip& operator=(const MemoryZip&) = delete;

    void addFolder(const QByteArray& name, const struct stat& info)
    {
        const QByteArray entry = name + '/';
        const zip_int64_t index = zip_dir_add(archive_, entry.constData(), nameEncodingFlag(entry));
        if (index < 0)
            failed();
        describe(index, info);
    }

    void addFile(const QByteArray& name, QByteArray bytes, const struct stat& info)
    {
        const QByteArray& kept = contents_.emplace_back(std::move(bytes));
        zip_source_t* file = zip_source_buffer(archive_, kept.constData(), zip_uint64_t(kept.size()), 0);
        const zip_int64_t index = file ? zip_file_add(archive_, name.constData(), file, nameEncodingFlag(name)) : -1;
        if (index < 0) {
            zip_source_free(file);
            failed();
        }
        describe(index, info);
    }

    QByteArray close()
    {
        const QByteArray comment = backupArchiveComment();
        if (zip_set_archive_comment(archive_, comment.constData(), zip_uint16_t(comment.size())) < 0 ||
            zip_close(archive_) < 0)
            failed();
        archive_ = nullptr;
        zip_stat_t stat;
        if (zip_source_stat(source_, &stat) < 0 || zip_source_open(source_) < 0)
            archiveFailed(zipErrorText(zip_source_error(source_)));
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        const zip_int64_t read = zip_source_read(source_, bytes.data(), stat.size);
        zip_source_close(source_);
        if (read != zip_int64_t(stat.size))
            archiveFailed(zipErrorText(zip_source_error(source_)));
        return bytes;
    }

private:
    [[noreturn]] void failed() { archiveFailed(QString::fromLocal8Bit(zip_strerror(archive_))); }

    // The entry's mode and modification time, as its file has them.
    void describe(zip_int64_t index, const struct stat& info)
    {
        const auto entry = zip_uint64_t(index);
        const QByteArray timestamp = extendedTimestamp(info.st_mtime);
        if (zip_file_set_external_attributes(archive_, entry, 0, ZIP_OPSYS_UNIX, unixAttributes(info.st_mode)) < 0 ||
            zip_file_set_mtime(archive_, entry, info.st_mtime, 0) < 0 ||
            (!timestamp.isEmpty() &&
             zip_file_extra_field_set(archive_, entry, extendedTimestampId, ZIP_EXTRA_FIELD_NEW,
                                      reinterpret_cast<const zip_uint8_t*>(timestamp.constData()),
                                      zip_uint16_t(timestamp.size()), ZIP_FL_LOCAL | ZIP_FL_CENTRAL) < 0))
            failed();
    }

    zip_error_t error_;
    zip_source_t* source_ = nullptr;
    zip_t* archive_ = nullptr;
    std::list<QByteArray> contents_;
};

// Puts the entries of the data folder into the archive, walking the folder
// by names as bytes.
class BackupWalk
{
public:
    BackupWalk(MemoryZip& zip, BackupArchive& archive, QByteArray lockFile)
        : zip_(zip), archive_(archive), lockFile_(std::move(lockFile))
    {}

    // Adds the entry `name` of `parent`, everything under it when it is a
    // folder; `path` is its path in the data folder.
    void add(const FolderHandle& parent, const QByteArray& name, const QByteArray& path)
    {
        const std::optional<struct stat> info = parent.status(name);
        if (!info)
            return;
        if (S_ISLNK(info->st_mode)) {
            archive_.skippedLinks.append(fileNameText(path));
        } else if (S_ISDIR(info->st_mode)) {
            zip_.addFolder(path, *info);
            const FolderHandle folder = parent.folder(name);
            for (const QByteArray& entry : folder.entryNames())
                add(folder, entry, path + '/' + entry);
        } else if (!S_ISREG(info->st_mode)) {
            throw IoError(QStringLiteral("Nie można zarchiwizować %1: to nie jest zwykły plik ani folder.")
                              .arg(parent.pathOf(name)));
        } else if (path != lockFile_) {
            zip_.addFile(path, parent.readFile(name), *info);
            ++archive_.fileCount;
        }
    }

private:
    MemoryZip& zip_;
    BackupArchive& archive_;
    QByteArray lockFile_;
};

} // namespace

QStringList backedUpFolders()
{
    return {QStringLiteral("Admini"), QStringLiteral("Uslugi"), QStringLiteral("Szablony"), QStringLiteral("FONT")};
}

BackupArchive makeBackupArchive(FileOps& ops, const DataPaths& paths)
{
    const QDir data(paths.folder());
    DocumentLock lock(paths.documentFile(), DocumentLock::Reading);
    DocumentJournal(ops, paths.documentFile()).recover(lock);

    MemoryZip zip;
    BackupArchive archive;
    BackupWalk walk(zip, archive, QFile::encodeName(data.relativeFilePath(paths.documentLockFile())));
    const FolderHandle folder = FolderHandle::open(paths.folder());
    for (const QString& name : backedUpFolders()) {
        const QByteArray found = QFile::encodeName(QFileInfo(resolvePath(paths.folder(), name)).fileName());
        walk.add(folder, found, found);
    }
    archive.bytes = zip.close();
    return archive;
}

} // namespace kw
