#include "tests/cli/cli_fixture.h"
#include "tests/support/small_disk.h"

#include <QDirIterator>
#include <QFile>

namespace kw {
namespace {

// Every command that writes a file for the user, with the target last.
QList<QStringList> writingCommands()
{
    return {{QStringLiteral("pdf"), QStringLiteral("2")},
            {QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-03")},
            {QStringLiteral("list"), QStringLiteral("--csv")},
            {QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("--csv")},
            {QStringLiteral("list"), QStringLiteral("--xlsx")},
            {QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("--xlsx")},
            {QStringLiteral("backup")}};
}

class CliOutputSafety : public CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        writePrintFontFile(start(), QStringLiteral("Arial"), 10);
        QDir(start()).mkpath(QStringLiteral("Szablony"));
        QFile sza(start() + QStringLiteral("/Szablony/stały.sza"));
        ASSERT_TRUE(sza.open(QIODevice::WriteOnly));
        sza.write(QByteArray(3251, 'T'));
    }

    // The data files, as a user could spell them: as they are, in upper case
    // and through a symbolic link beside the folders.
    QStringList spellingsOfDataFiles() const
    {
        QStringList targets;
        QDirIterator it(start(), QDir::Files, QDirIterator::Subdirectories);
        int links = 0;
        while (it.hasNext()) {
            const QString file = it.next();
            const QString relative = QDir(start()).relativeFilePath(file);
            if (!relative.contains(QLatin1Char('/')))
                continue;
            targets << relative << relative.toUpper();
            const QString link = QStringLiteral("link%1.pdf").arg(++links);
            QFile::link(file, start() + QLatin1Char('/') + link);
            targets << link;
        }
        return targets;
    }
};

TEST_F(CliOutputSafety, NoCommandWritesOverADataFile)
{
    const QStringList targets = spellingsOfDataFiles();
    ASSERT_GE(targets.size(), 15);
    const QMap<QString, QByteArray> before = folderSnapshot(start());
    for (const QStringList& command : writingCommands()) {
        for (const QString& target : targets) {
            SCOPED_TRACE((command.join(QLatin1Char(' ')) + QLatin1Char(' ') + target).toStdString());
            const ProcessResult result = run(command + QStringList{target});
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
            EXPECT_TRUE(result.err.startsWith(QStringLiteral("Nie zapisano pliku ") + target))
                << result.err.toStdString();
            EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1);
        }
    }
    EXPECT_EQ(folderSnapshot(start()), before);
}

TEST_F(CliOutputSafety, AFileOfAnotherKindIsNotReplaced)
{
    QTemporaryDir out;
    // Text in a file named .csv is taken for an older export.
    const QString notes = out.filePath(QStringLiteral("notatki.txt"));
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("moje notatki");
    file.close();
    for (const QStringList& command : writingCommands()) {
        SCOPED_TRACE(command.join(QLatin1Char(' ')).toStdString());
        const ProcessResult result = run(command + QStringList{notes});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.err.contains(QStringLiteral("już istnieje i nie jest"))) << result.err.toStdString();
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("moje notatki"));
}

// A write that fails is reported, leaves nothing behind and announces
// nothing.
void expectWriteFailure(const ProcessResult& result, const QString& folder)
{
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("Nie"))) << result.err.toStdString();
    if (!folder.isEmpty()) {
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{}) << folder.toStdString();
    }
}

TEST_F(CliOutputSafety, DevFullIsReportedAndChangesNothing)
{
    const QMap<QString, QByteArray> before = folderSnapshot(start());
    for (const QStringList& command : writingCommands()) {
        SCOPED_TRACE(command.join(QLatin1Char(' ')).toStdString());
        expectWriteFailure(run(command + QStringList{QStringLiteral("/dev/full")}), {});
    }
    EXPECT_EQ(folderSnapshot(start()), before);
}

TEST_F(CliOutputSafety, AFullDiskIsReportedAndLeavesNoFile)
{
    SmallDisk disk(64);
    if (!disk.available())
        GTEST_SKIP() << "a small tmpfs cannot be mounted here; the failing file layer covers full disks";
    disk.fill(QStringLiteral(".zapełnienie"));
    const QMap<QString, QByteArray> before = folderSnapshot(start());
    for (const QStringList& command : writingCommands()) {
        SCOPED_TRACE(command.join(QLatin1Char(' ')).toStdString());
        const ProcessResult result = run(command + QStringList{disk.path() + QStringLiteral("/wynik")});
        expectWriteFailure(result, {});
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral(".zapełnienie")});
    }
    EXPECT_EQ(folderSnapshot(start()), before);
}

} // namespace
} // namespace kw
