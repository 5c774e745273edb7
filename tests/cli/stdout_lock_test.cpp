#include "store/data_folder.h"
#include "store/document_lock.h"
#include "store/io_error.h"
#include "tests/cli/cli_fixture.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

namespace kw {
namespace {

// `kwitarnia list | less` with the pager waiting for a key: the list must
// not keep the document file locked meanwhile, or the window could not
// store a bill.
TEST_F(CliTest, AListItsReaderHasNotTakenLeavesTheDocumentFileFree)
{
    // Far more than a pipe holds, so the program has to wait for its reader.
    QList<DocumentRecord> bills;
    for (int i = 1; i <= 5000; ++i)
        bills.append(cliBill(i, QStringLiteral("2009-03-05"), QStringLiteral("Jan Kowalski"), QStringLiteral("1.00")));
    writeCliDataFolder(start(), bills);
    QTemporaryDir out;
    const QString fifo = out.filePath(QStringLiteral("potok"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    QProcess list;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    list.setProcessEnvironment(env);
    list.setWorkingDirectory(start());
    list.setStandardOutputFile(fifo);
    list.start(QStringLiteral(KWITARNIA_BINARY), {QStringLiteral("list")});
    ASSERT_TRUE(list.waitForStarted());

    // The first lines have come: the records are read.
    pollfd ready{reader, POLLIN, 0};
    ASSERT_EQ(poll(&ready, 1, 60000), 1);
    const QString documentFile = DataPaths(start()).documentFile();
    EXPECT_NO_THROW(
        { const DocumentLock writer(documentFile, DocumentLock::Writing, std::chrono::milliseconds(5000)); });
    // Still waiting for its reader, so the lock was free while it waited.
    EXPECT_EQ(list.state(), QProcess::Running);

    fcntl(reader, F_SETFL, 0);
    QByteArray listed;
    char piece[65536];
    ssize_t n = 0;
    while ((n = ::read(reader, piece, sizeof piece)) > 0)
        listed.append(piece, n);
    ::close(reader);
    ASSERT_TRUE(list.waitForFinished(60000));
    EXPECT_EQ(list.exitCode(), 0) << list.readAllStandardError().toStdString();
    EXPECT_EQ(listed.count('\n'), 5001);
    EXPECT_TRUE(listed.endsWith("5001: F 5000/2009 Jan Kowalski\n"));
}

} // namespace
} // namespace kw
