#include "handoff/process_starter.h"
#include "handoff/sales_register_folder.h"
#include "handoff/sales_register_hand_off.h"
#include "store/io_error.h"
#include "store/records.h"
#include "tests/handoff/hand_off_example.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cerrno>

namespace kw {
namespace {

// A stand-in program: a shell script that writes its working folder and its
// arguments (one per line, in brackets) to `log` beside itself, then a last
// line "KONIEC". It uses shell built-ins only, so it runs whatever PATH is.
void writeStandIn(const QString& path, const QString& log, bool executable = true)
{
    writeFileBytes(path,
                   QStringLiteral("#!/bin/sh\n"
                                  "{\n"
                                  "  pwd\n"
                                  "  for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n"
                                  "  echo KONIEC\n"
                                  "} > \"${0%/*}/%1\"\n")
                       .arg(log)
                       .toUtf8());
    if (executable)
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

// The lines the stand-in wrote, without "KONIEC"; empty after 10 s.
QStringList waitForLog(const QString& path)
{
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        const QString text = QString::fromUtf8(readFileBytesIfAny(path));
        if (text.endsWith(QStringLiteral("KONIEC\n")))
            return text.split(u'\n').mid(0, text.count(u'\n') - 1);
        QThread::msleep(20);
    }
    return {};
}

QString canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

class RecordingStarter : public ProcessStarter
{
public:
    bool start(const QString& folder, const QStringList& arguments, QString& reason) override
    {
        ++calls;
        lastFolder = folder;
        lastArguments = arguments;
        reason = failure;
        return failure.isEmpty();
    }
    int calls = 0;
    QString lastFolder;
    QStringList lastArguments;
    QString failure;
};

class HandOffTest : public ::testing::Test
{
protected:
    HandOffTest() { QDir().mkpath(programFolder()); }
    QString programFolder() const { return folder.path() + QStringLiteral("/Programy"); }
    QString stored() { return readSalesRegisterFolder(systemFileOps(), folder.paths()); }

    TempDataFolder folder;
};

TEST_F(HandOffTest, FirstReadCreatesTheFileWithAnEmptyFolder)
{
    EXPECT_EQ(stored(), QString());
    EXPECT_EQ(readFileBytes(folder.admini() + QStringLiteral("/ewidencja.dat")), QByteArray(251, '\0'));
}

TEST_F(HandOffTest, StoredFolderIsCutTo250Characters)
{
    writeSalesRegisterFolder(systemFileOps(), folder.paths(), QStringLiteral("E:\\Programy\\Łódź"));
    EXPECT_EQ(stored(), QStringLiteral("E:\\Programy\\Łódź"));
    writeSalesRegisterFolder(systemFileOps(), folder.paths(), QString(260, u'f'));
    EXPECT_EQ(stored(), QString(250, u'f'));
}

TEST_F(HandOffTest, FailedWriteKeepsTheStoredFolder)
{
    writeSalesRegisterFolder(systemFileOps(), folder.paths(), QStringLiteral("/stary"));
    FailingFileOps ops;
    ops.failAt(FileCall::Rename, 1, EACCES);
    EXPECT_THROW(writeSalesRegisterFolder(ops, folder.paths(), QStringLiteral("/nowy")), IoError);
    EXPECT_EQ(stored(), QStringLiteral("/stary"));
}

TEST(FolderOfPickedFile, IsEverythingBeforeTheLastSeparator)
{
    const struct {
        const char* picked;
        std::optional<QString> folder;
    } cases[] = {
        {"E:\\Programy\\ewidencja.exe", QStringLiteral("E:\\Programy")},
        {"E:\\Programy\\inny.txt", QStringLiteral("E:\\Programy")},
        {"/opt/Ewidencja/ewidencja.exe", QStringLiteral("/opt/Ewidencja")},
        {"/ewidencja.exe", QString()},
        {"ewidencja.exe", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(folderOfPickedFile(QString::fromUtf8(c.picked)), c.folder) << c.picked;
}

TEST_F(HandOffTest, StandInReceivesTheArgumentsInItsFolder)
{
    writeStandIn(programFolder() + QStringLiteral("/ewidencja.exe"), QStringLiteral("wywolanie.txt"));
    const QString log = programFolder() + QStringLiteral("/wywolanie.txt");
    HandOffValues individual = exampleHandOff();
    individual.buyer = BuyerKind::Individual;
    HandOffValues edited = exampleHandOff();
    edited.amount = QStringLiteral("100");
    const struct {
        HandOffValues values;
        QStringList arguments;
    } cases[] = {
        {exampleHandOff(), {"[07]", "[123.45]", "[*F* 12/2009]"}},
        {individual, {"[07]", "[123.45]", "[*I* 12/2009]"}},
        {edited, {"[07]", "[100]", "[*F* 12/2009]"}},
    };
    SystemProcessStarter starter;
    for (const auto& c : cases) {
        QFile::remove(log);
        const HandOffResult result =
            handOffToSalesRegister(systemFileOps(), folder.paths(), programFolder(), c.values, starter);
        ASSERT_EQ(result.outcome, HandOffResult::Started) << result.notice.toStdString();
        const QStringList lines = waitForLog(log);
        ASSERT_FALSE(lines.isEmpty()) << "the stand-in did not run";
        EXPECT_EQ(canonical(lines.first()), canonical(programFolder()));
        EXPECT_EQ(lines.mid(1), c.arguments);
        EXPECT_EQ(stored(), programFolder());
    }
}

TEST_F(HandOffTest, MissingProgramGivesTheNoticeAndStoresTheFolder)
{
    RecordingStarter starter;
    const HandOffResult result =
        handOffToSalesRegister(systemFileOps(), folder.paths(), programFolder(), exampleHandOff(), starter);
    EXPECT_EQ(result.outcome, HandOffResult::NotFound);
    EXPECT_EQ(result.notice, QStringLiteral("W podanej lokalizacji nie znaleziono programu Ewidencja sprzedaży."));
    EXPECT_EQ(starter.calls, 0);
    EXPECT_EQ(stored(), programFolder());
}

TEST_F(HandOffTest, ProgramNameIsFoundWhateverItsCase)
{
    writeFileBytes(programFolder() + QStringLiteral("/EWIDENCJA.EXE"), "MZ");
    RecordingStarter starter;
    const HandOffResult result =
        handOffToSalesRegister(systemFileOps(), folder.paths(), programFolder(), exampleHandOff(), starter);
    EXPECT_EQ(result.outcome, HandOffResult::Started);
    EXPECT_EQ(starter.lastFolder, programFolder());
    EXPECT_EQ(starter.lastArguments, (QStringList{"ewidencja.exe", "07", "123.45", "*F* 12/2009"}));
}

TEST_F(HandOffTest, RefusedCommandLineStartsNothing)
{
    writeFileBytes(programFolder() + QStringLiteral("/ewidencja.exe"), "MZ");
    HandOffValues tooLong = exampleHandOff();
    tooLong.numberSuffix = QString(220, u'x');
    HandOffValues noDay = exampleHandOff();
    noDay.issueDate = QStringLiteral("2009-5-7");
    HandOffValues quoted = exampleHandOff();
    quoted.number = QStringLiteral("1\" \"--evil");
    for (const HandOffValues& values : {tooLong, noDay, quoted}) {
        RecordingStarter starter;
        const HandOffResult result =
            handOffToSalesRegister(systemFileOps(), folder.paths(), programFolder(), values, starter);
        EXPECT_EQ(result.outcome, HandOffResult::Refused);
        EXPECT_FALSE(result.notice.isEmpty());
        EXPECT_EQ(starter.calls, 0);
    }
}

TEST_F(HandOffTest, FailedStartIsReportedWithItsReason)
{
    writeFileBytes(programFolder() + QStringLiteral("/ewidencja.exe"), "MZ");
    RecordingStarter starter;
    starter.failure = QStringLiteral("powód");
    const HandOffResult result =
        handOffToSalesRegister(systemFileOps(), folder.paths(), programFolder(), exampleHandOff(), starter);
    EXPECT_EQ(result.outcome, HandOffResult::StartFailed);
    EXPECT_EQ(result.notice, QStringLiteral("Nie można uruchomić programu Ewidencja sprzedaży: powód."));
}

// Sets PATH for the length of a test.
class PathGuard
{
public:
    explicit PathGuard(const QString& path) : old_(qgetenv("PATH")) { qputenv("PATH", path.toLocal8Bit()); }
    ~PathGuard() { qputenv("PATH", old_); }

private:
    QByteArray old_;
};

TEST_F(HandOffTest, ProgramThatIsNotExecutableRunsThroughWine)
{
    const QString program = programFolder() + QStringLiteral("/ewidencja.exe");
    writeFileBytes(program, "MZ");
    QTemporaryDir bin;
    writeStandIn(bin.path() + QStringLiteral("/wine"), QStringLiteral("wine.txt"));
    PathGuard path(bin.path());

    SystemProcessStarter starter;
    QString reason;
    ASSERT_TRUE(starter.start(programFolder(), {"ewidencja.exe", "07", "*F* 1/2009"}, reason)) << reason.toStdString();
    const QStringList lines = waitForLog(bin.path() + QStringLiteral("/wine.txt"));
    ASSERT_FALSE(lines.isEmpty()) << "wine was not started";
    EXPECT_EQ(canonical(lines.first()), canonical(programFolder()));
    EXPECT_EQ(lines.mid(1), (QStringList{"[" + program + "]", "[07]", "[*F* 1/2009]"}));
}

TEST_F(HandOffTest, WithoutWineANonExecutableProgramIsNotStarted)
{
    writeFileBytes(programFolder() + QStringLiteral("/ewidencja.exe"), "MZ");
    QTemporaryDir emptyBin;
    PathGuard path(emptyBin.path());

    SystemProcessStarter starter;
    QString reason;
    EXPECT_FALSE(starter.start(programFolder(), {"ewidencja.exe"}, reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("wine nie jest zainstalowany"))) << reason.toStdString();
}

} // namespace
} // namespace kw
