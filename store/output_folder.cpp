#include "store/output_folder.h"

#include "store/io_error.h"

#include <QFile>
#include <QList>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kw {

namespace {

struct FolderIdentity {
    QString path;
    dev_t device;
    ino_t inode;
};

QList<FolderIdentity> identities(FileOps& ops, const QStringList& folders)
{
    QList<FolderIdentity> found;
    for (const QString& folder : folders) {
        struct stat info {};
        if (ops.stat(QFile::encodeName(folder).constData(), &info) == 0)
            found.append({folder, info.st_dev, info.st_ino});
    }
    return found;
}

QString filePathIn(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

bool isDataFolderName(const QString& name)
{
    for (const char* folder : {"Admini", "Uslugi", "Szablony", "FONT"}) {
        if (name.compare(QLatin1String(folder), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The files the program keeps in its four data folders, and the lists and
// templates it saves there.
bool isDataFileName(const QString& name)
{
    for (const char* file : {"siec.dat", "rachunek.dat", "firma.dat", "info.dat", "ewidencja.dat", "dokumenty_r.dat",
                             "dokumenty_r.old", "klienci.dat", "uslugi.dat", "font_trelmo_2007.dat"}) {
        if (name.compare(QLatin1String(file), Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const char* suffix : {".sza", ".kli", ".usl"}) {
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Whether the open folder `folder` lists one of the program's files. A
// folder that cannot be listed may hold them, and so counts as holding them.
bool holdsDataFiles(int folder)
{
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return true;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return true;
    }
    bool found = false;
    while (const dirent* entry = ::readdir(entries)) {
        if (isDataFileName(QFile::decodeName(entry->d_name))) {
            found = true;
            break;
        }
    }
    ::closedir(entries);
    return found;
}

} // namespace

OutputFolder::OutputFolder(FileOps& ops, const QString& path, const QStringList& protectedFolders)
    : ops_(ops), path_(path)
{
    const QList<FolderIdentity> guarded = identities(ops, protectedFolders);
    QString reached = QStringLiteral("/");
    // O_PATH: a folder on the way need only be searchable, as for any path,
    // not readable.
    enter(ops_.open("/", O_PATH | O_DIRECTORY, 0), reached);
    for (const QString& name : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        reached = filePathIn(reached, name);
        enter(ops_.openat(fd_, QFile::encodeName(name).constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW, 0), reached);
        for (const FolderIdentity& folder : guarded) {
            if (folder.device == entered_.st_dev && folder.inode == entered_.st_ino)
                dataFolder_ = folder.path;
        }
        if (dataFolder_.isEmpty() && isDataFolderName(name) && holdsDataFiles(fd_))
            dataFolder_ = reached;
        if (!dataFolder_.isEmpty())
            return;
    }
}

void OutputFolder::enter(int next, const QString& path)
{
    const int error = errno;
    if (fd_ >= 0)
        ops_.close(fd_);
    fd_ = next;
    if (fd_ < 0)
        throw IoError(QStringLiteral("Nie można otworzyć folderu %1: %2.").arg(path, describeErrno(error)));
    // A link opened without being followed is no folder.
    if (ops_.fstat(fd_, &entered_) != 0 || !S_ISDIR(entered_.st_mode)) {
        ops_.close(fd_);
        fd_ = -1;
        throw IoError(QStringLiteral("Nie można otworzyć folderu %1: %2.").arg(path, describeErrno(ENOTDIR)));
    }
}

OutputFolder::~OutputFolder()
{
    if (fd_ >= 0)
        ops_.close(fd_);
}

QString OutputFolder::filePath(const QString& name) const { return filePathIn(path_, name); }

void OutputFolder::sync()
{
    const int folder = ops_.openat(fd_, ".", O_RDONLY | O_DIRECTORY, 0);
    if (folder < 0)
        return;
    ops_.fsync(folder);
    ops_.close(folder);
}

} // namespace kw
