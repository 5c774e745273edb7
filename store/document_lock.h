#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

namespace kw {

// Holds the lock file beside the document file (dokumenty_r.lock) for the
// length of one operation, so that two instances of the program sharing a
// data folder never write the document file at once, and never list or
// total it while the other one writes. A lock left by a process that died is
// taken over: at once when that process ran on this computer, after
// StaleTime otherwise.
class DocumentLock
{
public:
    enum Purpose { Writing, Reading };

    static constexpr std::chrono::milliseconds DefaultWait{3000};
    // Longer than any operation takes under the lock, so a live holder is
    // never taken for dead.
    static constexpr std::chrono::milliseconds StaleTime{30000};

    // Waits up to `wait` for the lock; throws IoError with a notice for the
    // user when another instance keeps it or the lock file cannot be made. A
    // reader that cannot make the lock file (a read-only or missing folder)
    // reads without it: it changes nothing, and the read itself reports a
    // file it cannot read.
    explicit DocumentLock(const QString& documentFile, Purpose purpose = Writing,
                          std::chrono::milliseconds wait = DefaultWait);
    ~DocumentLock();
    DocumentLock(const DocumentLock&) = delete;
    DocumentLock& operator=(const DocumentLock&) = delete;

    bool held() const { return lock_.isLocked(); }

private:
    QLockFile lock_;
};

// The lock file of a document file: dokumenty_r.lock in its folder, the same
// path DataPaths::documentLockFile() gives.
QString documentLockFileFor(const QString& documentFile);

// The notice shown when another instance keeps the document file.
QString documentBusyNotice(const QString& documentFile);

} // namespace kw
