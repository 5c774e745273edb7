#include "store/document_file.h"
#include "store/document_lock.h"
#include "store/io_error.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kw {
namespace {

using namespace std::chrono_literals;

// Once `after` has passed, opens and closes a FIFO again and again, which
// releases anyone blocked in opening or reading it.
class FifoReleaser
{
public:
    FifoReleaser(const QByteArray& path, std::chrono::milliseconds after)
        : thread_([this, path, after] {
              std::unique_lock lock(mutex_);
              for (auto wait = after; !done_.wait_for(lock, wait, [this] { return finished_; }); wait = 50ms) {
                  const int fd = ::open(path.constData(), O_RDWR | O_NONBLOCK);
                  if (fd >= 0)
                      ::close(fd);
              }
          })
    {}
    ~FifoReleaser()
    {
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
        }
        done_.notify_one();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};

class DocumentLockTest : public ::testing::Test
{
protected:
    void SetUp() override { writeFileBytes(documentFile(), sentinelRecord(QStringLiteral("2024-01-02")).bytes()); }
    QString documentFile() const { return folder.paths().documentFile(); }
    QString lockFile() const { return folder.paths().documentLockFile(); }
    // A lock file as another process leaves it: pid, program, host.
    void writeForeignLock(qint64 pid, const QString& host, const QDateTime& modified)
    {
        writeFileBytes(lockFile(), QByteArray::number(pid) + "\nkwitarnia\n" + host.toUtf8() + "\n");
        QFile file(lockFile());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }

    TempDataFolder folder;
};

TEST_F(DocumentLockTest, LockFileLiesBesideTheDocumentFileAndGoesWithTheLock)
{
    EXPECT_EQ(documentLockFileFor(documentFile()), lockFile());
    {
        DocumentLock lock(documentFile());
        EXPECT_TRUE(lock.held());
        EXPECT_TRUE(QFile::exists(lockFile()));
    }
    EXPECT_FALSE(QFile::exists(lockFile()));
}

TEST_F(DocumentLockTest, ALiveHolderMakesAChangeWaitAndThenFailWithTheNotice)
{
    QLockFile other(lockFile());
    ASSERT_TRUE(other.tryLock(0));
    const QByteArray before = readFileBytes(documentFile());
    QElapsedTimer timer;
    timer.start();
    try {
        DocumentFile(systemFileOps(), folder.paths()).append(DocumentRecord());
        ADD_FAILURE() << "append went on past the lock";
    } catch (const IoError& e) {
        EXPECT_EQ(e.message(), documentBusyNotice(documentFile()));
    }
    EXPECT_GE(timer.elapsed(), 2900);
    EXPECT_EQ(readFileBytes(documentFile()), before);
    EXPECT_THROW(DocumentLock(documentFile(), DocumentLock::Reading, 50ms), IoError);
}

// A folder in the lock file's place was reported as another program's lock
// ("Spróbuj ponownie za chwilę") for ever, and a FIFO there made every
// command wait for a reader for ever.
TEST_F(DocumentLockTest, ALockPathThatCanNeverBeALockFileIsReportedAsSuch)
{
    const struct {
        const char* kind;
        std::function<bool(const QByteArray&)> make;
    } cases[] = {
        {"folder", [](const QByteArray& path) { return ::mkdir(path.constData(), 0755) == 0; }},
        {"FIFO", [](const QByteArray& path) { return ::mkfifo(path.constData(), 0644) == 0; }},
    };
    for (const auto& c : cases) {
        const QByteArray path = QFile::encodeName(lockFile());
        ASSERT_TRUE(c.make(path)) << c.kind;
        // Should the lock open the FIFO, a reader lets it go on, so the
        // test fails instead of hanging.
        FifoReleaser releaser(path, 5s);
        QElapsedTimer timer;
        timer.start();
        for (const DocumentLock::Purpose purpose : {DocumentLock::Writing, DocumentLock::Reading}) {
            try {
                DocumentLock lock(documentFile(), purpose, 50ms);
                ADD_FAILURE() << "the lock was taken over a " << c.kind;
            } catch (const IoError& e) {
                EXPECT_TRUE(e.message().contains(lockFile() + QStringLiteral(" nie jest zwykłym plikiem"))) << e.what();
            }
        }
        EXPECT_LT(timer.elapsed(), 4000) << "waited on a " << c.kind;
        ASSERT_EQ(::remove(path.constData()), 0) << c.kind;
    }
}

// Two instances taking turns: the lock file comes and goes all the time, and
// one that vanished between two looks was taken for something other than a
// lock file.
TEST_F(DocumentLockTest, ALockFileThatComesAndGoesIsNeverTakenForSomethingElse)
{
    std::atomic<bool> done = false;
    std::thread other([&] {
        while (!done) {
            try {
                DocumentLock lock(documentFile(), DocumentLock::Writing, 0ms);
            } catch (const IoError&) {}
        }
    });
    int refusedAsNoFile = 0;
    for (int i = 0; i < 20000; ++i) {
        try {
            DocumentLock lock(documentFile(), DocumentLock::Writing, 0ms);
        } catch (const IoError& e) {
            refusedAsNoFile += e.message().contains(QStringLiteral("nie jest zwykłym plikiem"));
        }
    }
    done = true;
    other.join();
    EXPECT_EQ(refusedAsNoFile, 0);
}

TEST_F(DocumentLockTest, ALockLeftBehindIsTakenOver)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const struct {
        const char* left;
        qint64 pid;
        QString host;
        QDateTime modified;
    } cases[] = {
        {"by a process that died here", 999999999, QSysInfo::machineHostName(), now},
        {"on another computer long ago", 1, QStringLiteral("inny-komputer"), now.addSecs(-120)},
    };
    for (const auto& c : cases) {
        writeForeignLock(c.pid, c.host, c.modified);
        QElapsedTimer timer;
        timer.start();
        DocumentLock lock(documentFile());
        EXPECT_TRUE(lock.held()) << c.left;
        EXPECT_LT(timer.elapsed(), 1000) << c.left;
    }
}

TEST_F(DocumentLockTest, ALockFileLeftEmptyByACrashIsTakenOverAtOnce)
{
    // Killed after creating the file, before writing its owner into it.
    writeFileBytes(lockFile(), QByteArray());
    QElapsedTimer timer;
    timer.start();
    DocumentLock lock(documentFile());
    EXPECT_TRUE(lock.held());
    EXPECT_LT(timer.elapsed(), 1000);
}

// A live owner makes the file empty, then takes its flock and writes itself
// in; caught between those steps it must not lose the lock to a newcomer.
TEST_F(DocumentLockTest, ALockFileStillBeingMadeIsNotTakenOver)
{
    const int fd = ::open(QFile::encodeName(lockFile()).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    std::thread owner([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ::flock(fd, LOCK_EX | LOCK_NB);
        const QByteArray info = QByteArray::number(qint64(::getpid())) + "\n" +
            QFile::encodeName(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()) + "\n" +
            QSysInfo::machineHostName().toUtf8() + "\n";
        EXPECT_EQ(::write(fd, info.constData(), size_t(info.size())), info.size());
    });
    EXPECT_THROW(DocumentLock(documentFile(), DocumentLock::Writing, std::chrono::milliseconds(800)), IoError);
    owner.join();
    EXPECT_TRUE(QFile::exists(lockFile()));
    ::close(fd);
}

TEST_F(DocumentLockTest, AFreshLockOfAnotherComputerIsRespected)
{
    writeForeignLock(1, QStringLiteral("inny-komputer"), QDateTime::currentDateTimeUtc());
    EXPECT_THROW(DocumentLock(documentFile(), DocumentLock::Writing, 100ms), IoError);
    EXPECT_TRUE(QFile::exists(lockFile()));
}

TEST_F(DocumentLockTest, AReaderGoesOnWhereNoLockFileCanBeMade)
{
    const QString elsewhere = folder.path() + QStringLiteral("/Brak/dokumenty_r.dat");
    DocumentLock reading(elsewhere, DocumentLock::Reading);
    EXPECT_FALSE(reading.held());
    EXPECT_THROW(DocumentLock(elsewhere, DocumentLock::Writing), IoError);
}

} // namespace
} // namespace kw
