#include "store/file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace kw {

int FileOps::open(const char* path, int flags, mode_t mode) { return ::open(path, flags | O_CLOEXEC, mode); }
int FileOps::openat(int folder, const char* name, int flags, mode_t mode)
{
    return ::openat(folder, name, flags | O_CLOEXEC, mode);
}
ssize_t FileOps::pread(int fd, void* buffer, size_t size, off_t offset) { return ::pread(fd, buffer, size, offset); }
ssize_t FileOps::pwrite(int fd, const void* buffer, size_t size, off_t offset)
{
    return ::pwrite(fd, buffer, size, offset);
}
int FileOps::fsync(int fd) { return ::fsync(fd); }
int FileOps::ftruncate(int fd, off_t size) { return ::ftruncate(fd, size); }
int FileOps::fstat(int fd, struct stat* info) { return ::fstat(fd, info); }
int FileOps::stat(const char* path, struct stat* info) { return ::stat(path, info); }
int FileOps::fstatat(int folder, const char* name, struct stat* info, int flags)
{
    return ::fstatat(folder, name, info, flags);
}
int FileOps::fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int FileOps::fchown(int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); }
int FileOps::close(int fd) { return ::close(fd); }
int FileOps::rename(const char* from, const char* to) { return ::rename(from, to); }
int FileOps::renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    return ::renameat(fromFolder, from, toFolder, to);
}
int FileOps::unlink(const char* path) { return ::unlink(path); }
int FileOps::unlinkat(int folder, const char* name, int flags) { return ::unlinkat(folder, name, flags); }

FileOps& systemFileOps()
{
    static FileOps ops;
    return ops;
}

} // namespace kw
