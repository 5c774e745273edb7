#pragma once

#include <sys/stat.h>
#include <sys/types.h>

namespace kw {

// The system calls every file of the module goes through. They keep the
// POSIX contract (return -1 and set errno on failure), so a test can put a
// failing implementation in place and prove that no failure loses data.
// A long file is read on several threads at once (streamInParts), so an
// implementation must take calls from several threads at a time.
class FileOps
{
public:
    virtual ~FileOps() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    // `name` relative to the open folder `folder`, so a folder of the path
    // swapped for a link after it was opened cannot redirect the call.
    virtual int openat(int folder, const char* name, int flags, mode_t mode);
    virtual ssize_t pread(int fd, void* buffer, size_t size, off_t offset);
    virtual ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset);
    virtual int fsync(int fd);
    virtual int ftruncate(int fd, off_t size);
    virtual int fstat(int fd, struct stat* info);
    virtual int stat(const char* path, struct stat* info);
    virtual int fstatat(int folder, const char* name, struct stat* info, int flags);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fchown(int fd, uid_t owner, gid_t group);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int renameat(int fromFolder, const char* from, int toFolder, const char* to);
    virtual int unlink(const char* path);
    virtual int unlinkat(int folder, const char* name, int flags);
};

// The real system calls.
FileOps& systemFileOps();

} // namespace kw
