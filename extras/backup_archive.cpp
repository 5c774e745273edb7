#include "extras/backup_archive.h"

#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/io_error.h"
#include "store/open_file.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <zip.h>

#include <list>
#include <memory>

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

    void addFolder(const QString& name)
    {
        if (zip_dir_add(archive_, name.toUtf8().constData(), ZIP_FL_ENC_UTF_8) < 0)
            archiveFailed(QString::fromLocal8Bit(zip_strerror(archive_)));
    }

    void addFile(const QString& name, QByteArray bytes, const QDateTime& modified)
    {
        const QByteArray& kept = contents_.emplace_back(std::move(bytes));
        zip_source_t* file = zip_source_buffer(archive_, kept.constData(), zip_uint64_t(kept.size()), 0);
        const zip_int64_t index = file ? zip_file_add(archive_, name.toUtf8().constData(), file, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(file);
            archiveFailed(QString::fromLocal8Bit(zip_strerror(archive_)));
        }
        zip_file_set_mtime(archive_, zip_uint64_t(index), time_t(modified.toSecsSinceEpoch()), 0);
    }

    QByteArray close()
    {
        if (zip_close(archive_) < 0)
            archiveFailed(QString::fromLocal8Bit(zip_strerror(archive_)));
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
    zip_error_t error_;
    zip_source_t* source_ = nullptr;
    zip_t* archive_ = nullptr;
    std::list<QByteArray> contents_;
};

QByteArray wholeFile(FileOps& ops, const QString& path)
{
    OpenFile file(ops, path, OpenFile::ReadOnly);
    return file.readExactly(0, file.size());
}

} // namespace

QStringList backedUpFolders()
{
    return {QStringLiteral("Admini"), QStringLiteral("Uslugi"), QStringLiteral("Szablony"), QStringLiteral("FONT")};
}

BackupArchive makeBackupArchive(FileOps& ops, const DataPaths& paths)
{
    const QDir data(paths.folder());
    const QString lockFile = QFileInfo(paths.documentLockFile()).absoluteFilePath();
    DocumentLock lock(paths.documentFile(), DocumentLock::Reading);
    DocumentJournal(ops, paths.documentFile()).recover(lock);

    MemoryZip zip;
    BackupArchive archive;
    for (const QString& name : backedUpFolders()) {
        const QString folder = resolvePath(paths.folder(), name);
        if (!QFileInfo(folder).isDir())
            continue;
        zip.addFolder(data.relativeFilePath(folder) + QLatin1Char('/'));
        QDirIterator it(folder, QDir::AllDirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry(it.next());
            const QString relative = data.relativeFilePath(entry.absoluteFilePath());
            if (entry.isDir()) {
                zip.addFolder(relative + QLatin1Char('/'));
            } else if (entry.absoluteFilePath() != lockFile) {
                zip.addFile(relative, wholeFile(ops, entry.absoluteFilePath()), entry.lastModified());
                ++archive.fileCount;
            }
        }
    }
    archive.bytes = zip.close();
    return archive;
}

} // namespace kw
