#include "tests/support/failing_file_ops.h"

#include <cerrno>

namespace kw {

void FailingFileOps::failAt(FileCall call, int n, int error, bool writeHalfFirst)
{
    for (std::atomic<int>& count : counts_)
        count = 0;
    failCall_ = call;
    failAt_ = n;
    error_ = error;
    writeHalfFirst_ = writeHalfFirst;
    failed_ = false;
}

void FailingFileOps::reset()
{
    for (std::atomic<int>& count : counts_)
        count = 0;
    failAt_ = 0;
    failed_ = false;
}

bool FailingFileOps::shouldFail(FileCall call)
{
    const int n = ++counts_[index(call)];
    if (failAt_ == 0 || call != failCall_ || n != failAt_)
        return false;
    failed_ = true;
    return true;
}

int FailingFileOps::open(const char* path, int flags, mode_t mode)
{
    if (shouldFail(FileCall::Open)) {
        errno = error_;
        return -1;
    }
    return FileOps::open(path, flags, mode);
}

int FailingFileOps::openat(int folder, const char* name, int flags, mode_t mode)
{
    if (shouldFail(FileCall::Open)) {
        errno = error_;
        return -1;
    }
    return FileOps::openat(folder, name, flags, mode);
}

ssize_t FailingFileOps::pread(int fd, void* buffer, size_t size, off_t offset)
{
    if (shouldFail(FileCall::Read)) {
        errno = error_;
        return -1;
    }
    return FileOps::pread(fd, buffer, size, offset);
}

ssize_t FailingFileOps::pwrite(int fd, const void* buffer, size_t size, off_t offset)
{
    if (shouldFail(FileCall::Write)) {
        if (writeHalfFirst_ && size > 1)
            FileOps::pwrite(fd, buffer, size / 2, offset);
        errno = error_;
        return -1;
    }
    return FileOps::pwrite(fd, buffer, size, offset);
}

int FailingFileOps::fsync(int fd)
{
    if (shouldFail(FileCall::Sync)) {
        errno = error_;
        return -1;
    }
    return FileOps::fsync(fd);
}

int FailingFileOps::ftruncate(int fd, off_t size)
{
    if (shouldFail(FileCall::Truncate)) {
        errno = error_;
        return -1;
    }
    return FileOps::ftruncate(fd, size);
}

int FailingFileOps::fstat(int fd, struct stat* info)
{
    if (shouldFail(FileCall::Stat)) {
        errno = error_;
        return -1;
    }
    return FileOps::fstat(fd, info);
}

int FailingFileOps::fstatat(int folder, const char* name, struct stat* info, int flags)
{
    if (shouldFail(FileCall::Stat)) {
        errno = error_;
        return -1;
    }
    return FileOps::fstatat(folder, name, info, flags);
}

int FailingFileOps::close(int fd)
{
    // A failing close still releases the descriptor, as close(2) does on
    // Linux even when it reports an error.
    const bool fail = shouldFail(FileCall::Close);
    const int result = FileOps::close(fd);
    if (fail) {
        errno = error_;
        return -1;
    }
    return result;
}

int FailingFileOps::rename(const char* from, const char* to)
{
    if (shouldFail(FileCall::Rename)) {
        errno = error_;
        return -1;
    }
    return FileOps::rename(from, to);
}

int FailingFileOps::renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    if (shouldFail(FileCall::Rename)) {
        errno = error_;
        return -1;
    }
    return FileOps::renameat(fromFolder, from, toFolder, to);
}

int FailingFileOps::unlink(const char* path)
{
    if (shouldFail(FileCall::Unlink)) {
        errno = error_;
        return -1;
    }
    return FileOps::unlink(path);
}

int FailingFileOps::unlinkat(int folder, const char* name, int flags)
{
    if (shouldFail(FileCall::Unlink)) {
        errno = error_;
        return -1;
    }
    return FileOps::unlinkat(folder, name, flags);
}

const char* fileCallName(FileCall call)
{
    switch (call) {
    case FileCall::Open: return "open";
    case FileCall::Read: return "read";
    case FileCall::Write: return "write";
    case FileCall::Sync: return "sync";
    case FileCall::Truncate: return "truncate";
    case FileCall::Stat: return "stat";
    case FileCall::Close: return "close";
    case FileCall::Rename: return "rename";
    case FileCall::Unlink: return "unlink";
    }
    return "?";
}

} // namespace kw
