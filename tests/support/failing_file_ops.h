#pragma once

#include "store/file_ops.h"

#include <array>
#include <atomic>
#include <vector>

namespace kw {

// The system calls a FailingFileOps counts and can make fail.
enum class FileCall { Open, Read, Write, Sync, Truncate, Stat, Close, Rename, Unlink };

// Forwards every call to the real system call, counts the calls of each kind
// and fails the Nth call of one kind with a chosen errno. A test runs an
// operation once cleanly to learn how many calls of each kind it makes, then
// fails each of them in turn.
class FailingFileOps : public FileOps
{
public:
    // Fails call number `n` (1-based, counted from now) of kind `call` with
    // `error`. With `writeHalfFirst`, a failing write first puts half of its
    // bytes on disk, as a disk that fills up mid-write does. Resets the counts.
    void failAt(FileCall call, int n, int error, bool writeHalfFirst = false);
    // No call fails any more; the counts start again from zero.
    void reset();

    int count(FileCall call) const { return counts_[index(call)].load(); }
    // Whether the planned failure has happened.
    bool failed() const { return failed_; }

    int open(const char* path, int flags, mode_t mode) override;
    int openat(int folder, const char* name, int flags, mode_t mode) override;
    ssize_t pread(int fd, void* buffer, size_t size, off_t offset) override;
    ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset) override;
    int fsync(int fd) override;
    int ftruncate(int fd, off_t size) override;
    int fstat(int fd, struct stat* info) override;
    int fstatat(int folder, const char* name, struct stat* info, int flags) override;
    int close(int fd) override;
    int rename(const char* from, const char* to) override;
    int renameat(int fromFolder, const char* from, int toFolder, const char* to) override;
    int unlink(const char* path) override;
    int unlinkat(int folder, const char* name, int flags) override;

private:
    static constexpr int Kinds = 9;
    static int index(FileCall call) { return static_cast<int>(call); }
    // Counts the call; true when this one is to fail (errno is then set).
    bool shouldFail(FileCall call);

    // Atomic, as a long file is read on several threads at once.
    std::array<std::atomic<int>, Kinds> counts_{};
    FileCall failCall_ = FileCall::Open;
    int failAt_ = 0;
    int error_ = 0;
    bool writeHalfFirst_ = false;
    std::atomic<bool> failed_ = false;
};

// Every kind of call, for tests that fail each in turn.
inline const std::vector<FileCall> allFileCalls = {FileCall::Open,  FileCall::Read,     FileCall::Write,
                                                   FileCall::Sync,  FileCall::Truncate, FileCall::Stat,
                                                   FileCall::Close, FileCall::Rename,   FileCall::Unlink};

const char* fileCallName(FileCall call);

} // namespace kw
