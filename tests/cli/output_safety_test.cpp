#include "store/data_folder.h"
#include "store/records.h"
#include "tests/cli/cli_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/small_disk.h"

#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>

#include <sys/stat.h>

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

TEST_F(CliOutputSafety, NoCommandWritesIntoAnotherDataFolder)
{
    QTemporaryDir other;
    makeDataFolder(other.path());
    const QMap<QString, QByteArray> before = folderSnapshot(other.path());
    for (const QStringList& command : writingCommands()) {
        for (const char* folder : {"Uslugi", "Admini"}) {
            const QString target = QStringLiteral("../%1/%2/x.pdf").arg(QFileInfo(other.path()).fileName(), folder);
            SCOPED_TRACE((command.join(QLatin1Char(' ')) + QLatin1Char(' ') + target).toStdString());
            const ProcessResult result = run(command + QStringList{target});
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_TRUE(result.err.startsWith(QStringLiteral("Nie zapisano pliku ") + target))
                << result.err.toStdString();
        }
    }
    EXPECT_EQ(folderSnapshot(other.path()), before);
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

// A ZIP file made by Python's zipfile, as office programs make theirs:
// `entries` in turn name and text, and the archive comment `comment`.
bool writeZipWithPython(const QString& file, const QStringList& entries, const QString& comment = {})
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 QStringList{QStringLiteral("-c"),
                             QStringLiteral("import sys, zipfile\n"
                                            "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                                            "    z.comment = sys.argv[2].encode()\n"
                                            "    for name, text in zip(sys.argv[3::2], sys.argv[4::2]):\n"
                                            "        z.writestr(name, text)\n"),
                             file, comment} +
                     entries);
    return python.waitForFinished(60000) && python.exitCode() == 0;
}

// A PDF another program made: a contract with its own creator.
void writeForeignPdf(const QString& file)
{
    QPdfWriter writer(file);
    writer.setCreator(QStringLiteral("Writer"));
    writer.setTitle(QStringLiteral("Umowa najmu"));
    QPainter painter(&writer);
    painter.drawText(100, 100, QStringLiteral("Umowa najmu lokalu"));
}

class CliOutputOverFiles : public CliOutputSafety
{
protected:
    void SetUp() override
    {
        CliOutputSafety::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            GTEST_SKIP() << "python3 is not installed; the ZIP files of other programs cannot be made";
        ASSERT_TRUE(out.isValid());
        ServiceListRecord services = emptyServiceList();
        services.set(services::name(2), QStringLiteral("Wymiana baterii"));
        writeFileBytes(DataPaths(start()).serviceFile(), services.bytes());
    }

    QString at(const QString& name) const { return out.filePath(name); }

    QTemporaryDir out;
};

struct ForeignFileCase {
    QStringList command;
    const char* file;
    const char* kind;
};

TEST_F(CliOutputOverFiles, AnotherProgramsFileOfTheSameKindIsLeftAsItIs)
{
    const QString types = QStringLiteral("<Types/>");
    ASSERT_TRUE(writeZipWithPython(at(QStringLiteral("księgowość.xlsx")),
                                   {QStringLiteral("[Content_Types].xml"), types, QStringLiteral("xl/workbook.xml"),
                                    QStringLiteral("<workbook/>")}));
    ASSERT_TRUE(writeZipWithPython(at(QStringLiteral("ksiegowosc.ods")),
                                   {QStringLiteral("mimetype"),
                                    QStringLiteral("application/vnd.oasis.opendocument.spreadsheet"),
                                    QStringLiteral("content.xml"), QStringLiteral("<office:document-content/>")}));
    ASSERT_TRUE(writeZipWithPython(at(QStringLiteral("umowa.docx")),
                                   {QStringLiteral("[Content_Types].xml"), types, QStringLiteral("word/document.xml"),
                                    QStringLiteral("<w:document/>")},
                                   QStringLiteral("Kwitarnia")));
    // The link's target is what a backup would replace.
    ASSERT_TRUE(QFile::link(at(QStringLiteral("księgowość.xlsx")), at(QStringLiteral("k.zip"))));
    writeForeignPdf(at(QStringLiteral("umowa.pdf")));
    writeFileBytes(at(QStringLiteral("wyciag.csv")),
                   "Data operacji;Opis;Kwota\r\n2009-03-05;Przelew za czynsz;-1200,00\r\n");
    const QMap<QString, QByteArray> before = folderSnapshot(out.path());

    const ForeignFileCase cases[] = {
        {{QStringLiteral("backup")}, "księgowość.xlsx", "archiwum ZIP"},
        {{QStringLiteral("backup")}, "ksiegowosc.ods", "archiwum ZIP"},
        {{QStringLiteral("backup")}, "umowa.docx", "archiwum ZIP"},
        {{QStringLiteral("backup")}, "k.zip", "archiwum ZIP"},
        {{QStringLiteral("pdf"), QStringLiteral("last")}, "umowa.pdf", "plikiem PDF"},
        {{QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-03")}, "umowa.pdf", "plikiem PDF"},
        {{QStringLiteral("list"), QStringLiteral("--csv")}, "wyciag.csv", "plikiem CSV"},
        {{QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("--csv")}, "wyciag.csv", "plikiem CSV"},
        {{QStringLiteral("services"), QStringLiteral("export")}, "wyciag.csv", "plikiem CSV"},
    };
    for (const ForeignFileCase& c : cases) {
        const QString target = at(QString::fromUtf8(c.file));
        SCOPED_TRACE((c.command.join(QLatin1Char(' ')) + QLatin1Char(' ') + target).toStdString());
        const ProcessResult result = run(c.command + QStringList{target});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        EXPECT_EQ(
            result.err,
            QStringLiteral("Nie zapisano pliku %1: taki plik już istnieje i nie jest %2, więc go nie zastąpiono.\n")
                .arg(target, QString::fromUtf8(c.kind)));
    }
    EXPECT_EQ(folderSnapshot(out.path()), before);
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("k.zip"))).isSymLink());
}

ino_t inodeOf(const QString& file)
{
    struct stat info {};
    return ::stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_ino : 0;
}

TEST_F(CliOutputOverFiles, AnEarlierOutputOfTheProgramIsReplaced)
{
    // A backup is known by its archive comment, whoever made the ZIP.
    ASSERT_TRUE(writeZipWithPython(at(QStringLiteral("kopia.zip")),
                                   {QStringLiteral("Admini/firma.dat"), QStringLiteral("stara kopia")},
                                   QStringLiteral("Kwitarnia: kopia zapasowa folderu danych")));
    const ProcessResult backup = run({QStringLiteral("backup"), at(QStringLiteral("kopia.zip"))});
    EXPECT_EQ(backup.exitCode, 0) << backup.err.toStdString();
    EXPECT_NE(readFileBytes(at(QStringLiteral("kopia.zip"))).indexOf("Uslugi/dokumenty_r.dat"), -1);

    const QList<QStringList> commands = {
        {QStringLiteral("backup"), at(QStringLiteral("kopia.zip"))},
        {QStringLiteral("pdf"), QStringLiteral("last"), at(QStringLiteral("rachunek.pdf"))},
        {QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-03"),
         at(QStringLiteral("rachunek.pdf"))},
        {QStringLiteral("list"), QStringLiteral("--csv"), at(QStringLiteral("lista.csv"))},
        {QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("--csv"),
         at(QStringLiteral("podsumowanie.csv"))},
        {QStringLiteral("services"), QStringLiteral("export"), at(QStringLiteral("uslugi.csv"))},
    };
    for (int time = 1; time <= 2; ++time) {
        for (const QStringList& command : commands) {
            SCOPED_TRACE(command.join(QLatin1Char(' ')).toStdString());
            const ino_t earlier = inodeOf(command.last());
            const ProcessResult result = run(command);
            EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
            EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
            // A new file took the name.
            EXPECT_NE(inodeOf(command.last()), earlier);
        }
    }
    // A table may give way to any table or list the program exported, and a
    // list to a list.
    const QList<QStringList> crossings = {
        {QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("--csv"), at(QStringLiteral("lista.csv"))},
        {QStringLiteral("list"), QStringLiteral("--csv"), at(QStringLiteral("uslugi.csv"))},
        {QStringLiteral("services"), QStringLiteral("export"), at(QStringLiteral("uslugi2.csv"))},
        {QStringLiteral("list"), QStringLiteral("--csv"), at(QStringLiteral("uslugi2.csv"))},
    };
    for (const QStringList& command : crossings) {
        const ProcessResult result = run(command);
        EXPECT_EQ(result.exitCode, 0) << command.join(QLatin1Char(' ')).toStdString() << result.err.toStdString();
    }
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 6);
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
