#include "tests/crash/crash_check.h"
#include "tests/crash/crash_log.h"
#include "tests/support/temp_data_folder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

#include <signal.h>

#include <iostream>

namespace kw::crash {
namespace {

// Kills the driver KW_CRASH_KILLS times (100 unless set; 1000 for the long
// run) at random moments, each time after it began its loop, and checks the
// folder before starting it again on the same files.
TEST(CrashTest, NothingStoredIsLostWhereverTheDriverIsKilled)
{
    const int kills =
        qEnvironmentVariableIsSet("KW_CRASH_KILLS") ? qEnvironmentVariableIntValue("KW_CRASH_KILLS") : 100;
    TempDataFolder folder;
    prepareDataFolder(folder.paths());
    const QString logPath = folder.path() + QStringLiteral("/driver.log");
    QRandomGenerator random(20240521);
    int resolvedDone = 0;
    int tornTails = 0;
    int locksLeft = 0;
    int journalsLeft = 0;
    int overwritesCut = 0;
    QElapsedTimer timer;
    timer.start();
    for (int k = 0; k < kills; ++k) {
        SCOPED_TRACE("kill " + std::to_string(k + 1));
        QProcess driver;
        ASSERT_TRUE(startDriver(driver, folder.path(), logPath, (k + 1) * 100000LL, quint32(k)))
            << driver.readAllStandardError().toStdString();
        QThread::usleep(random.bounded(150000));
        ::kill(pid_t(driver.processId()), SIGKILL);
        driver.waitForFinished();
        ASSERT_EQ(driver.exitStatus(), QProcess::CrashExit)
            << "the driver stopped by itself: " << driver.readAllStandardError().toStdString();

        const QList<Operation> log = readLog(logPath);
        const Expected done = expectedAfter(log);
        const std::optional<Operation> open =
            !log.isEmpty() && log.last().outcome == 0 ? std::optional(log.last()) : std::nullopt;
        Expected openDone = done;
        if (open)
            openDone.apply(*open);

        // A lock the driver held when killed is taken over by the readers.
        locksLeft += QFile::exists(folder.paths().documentLockFile());
        const OnDisk disk = readOnDisk(folder.paths());
        ASSERT_TRUE(disk.documentFileExists);
        ASSERT_FALSE(QFile::exists(folder.paths().documentJournalFile())) << "the bill list left a journal";
        if (disk.journalLeft) {
            ++journalsLeft;
            ASSERT_TRUE(open && open->kind == 'O') << "a journal, but no overwrite was cut short";
        }
        overwritesCut += open && open->kind == 'O';
        ASSERT_FALSE(disk.documents.contains(-1)) << "a torn or shifted record";
        ASSERT_NE(disk.settings, -1) << "the settings file is not one whole record";
        EXPECT_EQ(disk.listed, disk.documents.size());
        const bool asLogged = disk.documents == done.documents && disk.settings == done.settings;
        const bool withOpenDone = open && disk.documents == openDone.documents && disk.settings == openDone.settings;
        ASSERT_TRUE(asLogged || withOpenDone)
            << "documents on disk " << disk.documents.size() << ", logged " << done.documents.size()
            << ", open operation " << (open ? open->kind : '-');
        if (disk.tail != 0) {
            ++tornTails;
            ASSERT_TRUE(done.tornTailAllowed || (open && open->kind == 'A'))
                << disk.tail << " bytes behind the last record, but no append was cut short";
        }
        if (open) {
            LogWriter(logPath).line(withOpenDone ? "C" : "X");
            resolvedDone += withOpenDone;
        }
    }
    const QList<Operation> log = readLog(logPath);
    const auto completed = std::count_if(log.begin(), log.end(), [](const Operation& op) { return op.outcome == 'C'; });
    std::cout << "[ crash    ] " << kills << " kills, " << completed << " operations completed (" << resolvedDone
              << " of them done when killed before logging it), " << tornTails << " torn tails seen and cut, "
              << locksLeft << " locks left by the killed driver taken over, " << overwritesCut
              << " overwrites cut short, " << journalsLeft << " of them with their journal "
              << "finished or dropped by the bill list, " << timer.elapsed() << " ms\n";
    ::testing::Test::RecordProperty("kills", kills);
    ::testing::Test::RecordProperty("operations", int(completed));
}

} // namespace
} // namespace kw::crash
