#include "tests/support/file_tree.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace kw {

namespace fs = std::filesystem;

namespace {

QByteArray fileBytes(const char* path)
{
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        throw std::runtime_error(std::string("test cannot read ") + path);
    QByteArray bytes;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, n);
    ::close(fd);
    return bytes;
}

} // namespace

std::map<QByteArray, TreeItem> fileTree(const QString& folder)
{
    const fs::path root(QFile::encodeName(folder).toStdString());
    std::map<QByteArray, TreeItem> tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) != 0)
            throw std::runtime_error("test cannot check " + entry.path().string());
        TreeItem item;
        item.mode = info.st_mode;
        if (S_ISREG(info.st_mode)) {
            item.modified = info.st_mtime;
            item.bytes = fileBytes(entry.path().c_str());
        } else if (S_ISLNK(info.st_mode)) {
            item.bytes = QByteArray::fromStdString(fs::read_symlink(entry.path()).string());
        }
        tree[QByteArray::fromStdString(entry.path().lexically_relative(root).string())] = item;
    }
    return tree;
}

void writeTreeFile(const QByteArray& path, const QByteArray& bytes, mode_t mode, time_t modified)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const bool written = fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    const timespec times[2] = {{modified, 0}, {modified, 0}};
    const bool described = fd >= 0 && ::fchmod(fd, mode) == 0 && ::futimens(fd, times) == 0;
    if (fd < 0 || ::close(fd) != 0 || !written || !described)
        throw std::runtime_error("test cannot write " + path.toStdString());
}

void removeTree(const QString& path)
{
    std::error_code ignored;
    fs::remove_all(fs::path(QFile::encodeName(path).toStdString()), ignored);
}

} // namespace kw
