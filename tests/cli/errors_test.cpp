#include "tests/cli/cli_fixture.h"

#include <QFile>

#include <sys/stat.h>

#include <functional>

namespace kw {
namespace {

// A failure: exit code 1, nothing on standard output, one line on standard
// error holding `message`.
void expectFailure(const ProcessResult& result, const QString& message)
{
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_TRUE(result.err.endsWith(QLatin1Char('\n')) && result.err.count(QLatin1Char('\n')) == 1)
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(message)) << result.err.toStdString() << " lacks " << message.toStdString();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST_F(CliTest, WrongArgumentsAreReportedAndChangeNothing)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("wynik.pdf"));
    struct Case {
        QStringList args;
        QString message;
    };
    const QList<Case> cases = {
        {{QStringLiteral("pdf"), QStringLiteral("7"), pdf},
         QStringLiteral("Nie ma dokumentu na pozycji 7 (pozycje od 1 do 6).")},
        {{QStringLiteral("pdf"), QStringLiteral("0"), pdf}, QStringLiteral("Nie ma dokumentu na pozycji 0")},
        {{QStringLiteral("pdf"), QStringLiteral("2x"), pdf}, QStringLiteral("Nieprawidłowa pozycja „2x”")},
        {{QStringLiteral("pdf"), QStringLiteral("-1"), pdf}, QStringLiteral("Nieprawidłowa pozycja „-1”")},
        {{QStringLiteral("summary"), QStringLiteral("20x9")}, QStringLiteral("Nieprawidłowy rok „20x9”")},
        {{QStringLiteral("summary"), QStringLiteral("201")}, QStringLiteral("Nieprawidłowy rok „201”")},
        {{QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-13"), pdf},
         QStringLiteral("Nieprawidłowy miesiąc „2009-13”")},
        {{QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-3"), pdf},
         QStringLiteral("Nieprawidłowy miesiąc „2009-3”")},
        {{QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-05"), pdf},
         QStringLiteral("Brak rachunków wystawionych w miesiącu 2009-05")},
        {{QStringLiteral("words"), QStringLiteral("12 zł")}, QStringLiteral("Nieprawidłowa kwota „12 zł”")},
        {{QStringLiteral("words"), QStringLiteral("3000000000")}, QStringLiteral("za duża")},
        {{QStringLiteral("words"), QStringLiteral("123456789012345678901234567890,5")}, QStringLiteral("za duża")},
        {{QStringLiteral("list"), QStringLiteral("wszystko")},
         QStringLiteral("Nieprawidłowe wywołanie polecenia list")},
        {{QStringLiteral("pdf"), QStringLiteral("2")}, QStringLiteral("Nieprawidłowe wywołanie polecenia pdf")},
        {{QStringLiteral("summary")}, QStringLiteral("Nieprawidłowe wywołanie polecenia summary")},
        {{QStringLiteral("list"), QStringLiteral("--xlsx")}, QStringLiteral("Podaj plik arkusza po opcji --xlsx")},
        {{QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("--xlsx")},
         QStringLiteral("Podaj plik arkusza po opcji --xlsx")},
        {{QStringLiteral("list"), QStringLiteral("--csv"), QStringLiteral("--xlsx"), QStringLiteral("lista.xlsx")},
         QStringLiteral("Podaj tylko jedną z opcji --csv i --xlsx polecenia list.")},
        {{QStringLiteral("pdf"), QStringLiteral("2"), QStringLiteral("/nie-ma-takiego-folderu/wynik.pdf")},
         QStringLiteral("Nie można zapisać pliku /nie-ma-takiego-folderu/wynik.pdf")},
    };
    const QMap<QString, QByteArray> before = folderSnapshot(start());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        expectFailure(run(c.args), c.message);
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_EQ(folderSnapshot(start()), before);
    }
}

// Missing or broken data files are reported, never created or repaired.
TEST(CliDataFiles, MissingAndShortFilesAreReportedAndLeftAsTheyAre)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("wynik.pdf"));
    struct Case {
        const char* name;
        std::function<void(const QString& folder)> prepare;
        QStringList args;
        QString message;
    };
    const auto dataFolder = [](const QString& folder) { makeStandardDataFolder(folder); };
    const QList<Case> cases = {
        {"an empty start folder", [](const QString&) {}, {QStringLiteral("list")}, QStringLiteral("Brak pliku danych")},
        {"an empty start folder",
         [](const QString&) {},
         {QStringLiteral("summary"), QStringLiteral("2009")},
         QStringLiteral("Uslugi/dokumenty_r.dat")},
        {"an empty start folder",
         [](const QString&) {},
         {QStringLiteral("pdf"), QStringLiteral("last"), pdf},
         QStringLiteral("Uslugi/dokumenty_r.dat")},
        {"no settings file",
         [&](const QString& folder) {
             dataFolder(folder);
             QFile::remove(folder + QStringLiteral("/Admini/rachunek.dat"));
         },
         {QStringLiteral("pdf"), QStringLiteral("2"), pdf},
         QStringLiteral("Brak pliku danych")},
        {"no seller file",
         [&](const QString& folder) {
             dataFolder(folder);
             QFile::remove(folder + QStringLiteral("/Admini/firma.dat"));
         },
         {QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-03"), pdf},
         QStringLiteral("firma.dat")},
        {"a document file shorter than a record",
         [&](const QString& folder) {
             dataFolder(folder);
             writeBytes(folder + QStringLiteral("/Uslugi/dokumenty_r.dat"), QByteArray(3250, 'x'));
         },
         {QStringLiteral("list")},
         QStringLiteral("jest krótszy niż jeden rekord")},
        {"a document file shorter than a record",
         [&](const QString& folder) {
             dataFolder(folder);
             writeBytes(folder + QStringLiteral("/Uslugi/dokumenty_r.dat"), QByteArray());
         },
         {QStringLiteral("pdf"), QStringLiteral("last"), pdf},
         QStringLiteral("jest krótszy niż jeden rekord")},
        {"a settings file shorter than a record",
         [&](const QString& folder) {
             dataFolder(folder);
             writeBytes(folder + QStringLiteral("/Admini/rachunek.dat"), QByteArray(10, '\0'));
         },
         {QStringLiteral("pdf"), QStringLiteral("2"), pdf},
         QStringLiteral("rachunek.dat jest krótszy")},
        {"a location file shorter than a record",
         [&](const QString& folder) {
             dataFolder(folder);
             writeBytes(folder + QStringLiteral("/Admini/siec.dat"), QByteArray(10, '\1'));
         },
         {QStringLiteral("list")},
         QStringLiteral("siec.dat jest krótszy")},
        {"a location file naming a folder without data",
         [&](const QString& folder) {
             dataFolder(folder);
             writeLocationFile(folder, 2, folder, folder + QStringLiteral("/brak"));
         },
         {QStringLiteral("summary"), QStringLiteral("2009")},
         QStringLiteral("brak/Uslugi/dokumenty_r.dat")},
        {"a location file naming no folder",
         [&](const QString& folder) {
             dataFolder(folder);
             writeLocationFile(folder, 1, QString(), folder);
         },
         {QStringLiteral("list")},
         QStringLiteral("siec.dat wskazuje folder danych „”, którego nie można użyć")},
        {"a location file naming a relative folder",
         [&](const QString& folder) {
             dataFolder(folder);
             writeLocationFile(folder, 2, folder, QStringLiteral("dane"));
         },
         {QStringLiteral("list")},
         QStringLiteral("siec.dat wskazuje folder danych „dane”, którego nie można użyć")},
        {"a FIFO as the document file",
         [&](const QString& folder) {
             dataFolder(folder);
             QFile::remove(folder + QStringLiteral("/Uslugi/dokumenty_r.dat"));
             ::mkfifo(QFile::encodeName(folder + QStringLiteral("/Uslugi/dokumenty_r.dat")).constData(), 0644);
         },
         {QStringLiteral("list")},
         QStringLiteral("dokumenty_r.dat: to nie jest zwykły plik")},
        // Root passes every permission check; a loop stands in for any
        // reason other than a missing file, which must not be called one.
        {"a data folder that cannot be searched",
         [&](const QString& folder) {
             QDir(folder).mkdir(QStringLiteral("Admini"));
             QFile::link(folder + QStringLiteral("/Uslugi"), folder + QStringLiteral("/Uslugi"));
         },
         {QStringLiteral("list")},
         QStringLiteral("Nie można sprawdzić pliku danych")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + c.args.join(QLatin1Char(' ')).toStdString());
        QTemporaryDir start;
        c.prepare(start.path());
        const QMap<QString, QByteArray> before = folderSnapshot(start.path());
        expectFailure(runKwitarnia(start.path(), c.args), c.message);
        EXPECT_EQ(folderSnapshot(start.path()), before);
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

// Every command that succeeds leaves the start folder and the data folder
// the location file names byte for byte as they were.
TEST_F(CliTest, CommandsThatSucceedChangeNoFile)
{
    QTemporaryDir data;
    makeDataFolder(data.path());
    writeLocationFile(start(), 1, data.path(), QString());
    writePrintFontFile(start(), QStringLiteral("Liberation Serif"), 11);
    QTemporaryDir out;

    const QMap<QString, QByteArray> startBefore = folderSnapshot(start());
    const QMap<QString, QByteArray> dataBefore = folderSnapshot(data.path());
    for (const QStringList& args : QList<QStringList>{
             {QStringLiteral("list")},
             {QStringLiteral("summary"), QStringLiteral("2009")},
             {QStringLiteral("summary"), QStringLiteral("2009"), QStringLiteral("ABC")},
             {QStringLiteral("pdf"), QStringLiteral("3"), out.filePath(QStringLiteral("jeden.pdf"))},
             {QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-03"),
              out.filePath(QStringLiteral("marzec.pdf"))},
             {QStringLiteral("words"), QStringLiteral("10")},
         }) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const ProcessResult result = run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        EXPECT_EQ(folderSnapshot(start()), startBefore);
        EXPECT_EQ(folderSnapshot(data.path()), dataBefore);
    }
}

} // namespace
} // namespace kw
