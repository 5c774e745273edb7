#include "store/io_error.h"
#include "store/output_file.h"
#include "tests/support/failure_sweep.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>

namespace kw {
namespace {

const QByteArray pdfBytes = QByteArrayLiteral("%PDF-1.4\nnew bill\n%%EOF\n");

// A kind that knows its own files by how they start.
OutputKind kindStartingWith(const QString& name, const QByteArray& start)
{
    return {name, [start](QIODevice& existing) { return existing.read(start.size()) == start; }};
}

const OutputKind pdfKind = kindStartingWith(QStringLiteral("plikiem PDF"), "%PDF-");
const OutputKind zipKind = kindStartingWith(QStringLiteral("archiwum ZIP"), "PK\x03\x04");
const OutputKind csvKind = kindStartingWith(QStringLiteral("plikiem CSV"), "Poz.;Kwota\r\n");

class OutputFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("FONT")));
        ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("Szablony")));
        writeFileBytes(documents(), QByteArray(3251, 'D'));
        writeFileBytes(data.admini() + QStringLiteral("/rachunek.dat"), QByteArray(272, 'S'));
        writeFileBytes(data.path() + QStringLiteral("/FONT/font_trelmo_2007.dat"), QByteArray(76, 'F'));
        writeFileBytes(data.path() + QStringLiteral("/Szablony/stały.sza"), QByteArray(3251, 'T'));
    }

    QString documents() const { return data.uslugi() + QStringLiteral("/dokumenty_r.dat"); }
    QString at(const QString& relative) const { return data.path() + QLatin1Char('/') + relative; }

    void write(const QString& target, const OutputKind& kind = pdfKind, const QByteArray& bytes = pdfBytes,
               FileOps& ops = systemFileOps())
    {
        writeOutputFile(ops, target, kind, bytes, protectedFolders({data.path()}));
    }

    // Every file of the folder with its bytes.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        for (const QString& sub : {QStringLiteral("Admini"), QStringLiteral("Uslugi"), QStringLiteral("FONT"),
                                   QStringLiteral("Szablony"), QString()}) {
            for (const QString& name : folderEntries(at(sub)))
                if (QFileInfo(at(sub + QLatin1Char('/') + name)).isFile())
                    files[sub + QLatin1Char('/') + name] = readFileBytes(at(sub + QLatin1Char('/') + name));
        }
        return files;
    }

    TempDataFolder data;
};

TEST_F(OutputFileTest, NoSpellingOfADataFileIsEverWritten)
{
    ASSERT_TRUE(QFile::link(documents(), at(QStringLiteral("link.pdf"))));
    ASSERT_TRUE(QFile::link(data.uslugi(), at(QStringLiteral("folder-link"))));
    ASSERT_TRUE(QFile::link(at(QStringLiteral("link.pdf")), at(QStringLiteral("link-to-link.pdf"))));
    ASSERT_TRUE(QFile::link(data.uslugi() + QStringLiteral("/nowy.pdf"), at(QStringLiteral("dangling.pdf"))));
    const QMap<QString, QByteArray> before = snapshot();
    const QStringList targets = {
        documents(),
        at(QStringLiteral("USLUGI/DOKUMENTY_R.DAT")),
        at(QStringLiteral("uslugi/Dokumenty_r.dat")),
        at(QStringLiteral("ADMINI/rachunek.dat")),
        at(QStringLiteral("font/font_trelmo_2007.dat")),
        at(QStringLiteral("Szablony/stały.sza")),
        at(QStringLiteral("Uslugi/nowy.pdf")),
        at(QStringLiteral("Uslugi/../Uslugi/dokumenty_r.dat")),
        at(QStringLiteral("link.pdf")),
        at(QStringLiteral("link-to-link.pdf")),
        at(QStringLiteral("dangling.pdf")),
        at(QStringLiteral("folder-link/dokumenty_r.dat")),
    };
    for (const QString& target : targets) {
        for (const OutputKind& kind : {pdfKind, zipKind, csvKind}) {
            try {
                write(target, kind);
                ADD_FAILURE() << "written: " << target.toStdString();
            } catch (const IoError& error) {
                EXPECT_TRUE(error.message().startsWith(QStringLiteral("Nie zapisano pliku ") + target))
                    << error.message().toStdString();
                EXPECT_TRUE(error.message().contains(QStringLiteral("folderze danych programu")))
                    << error.message().toStdString();
            }
        }
    }
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(QFile::exists(data.uslugi() + QStringLiteral("/nowy.pdf")));
}

struct ExistingCase {
    const char* name;
    const char* file;
    QByteArray bytes;
    const OutputKind& kind;
    bool replaced;
};

TEST_F(OutputFileTest, AnExistingFileIsReplacedOnlyByOutputOfItsKind)
{
    const ExistingCase cases[] = {
        {"older PDF", "stary.pdf", "%PDF-1.7 old", pdfKind, true},
        {"empty file", "pusty.pdf", "", pdfKind, true},
        {"text named .pdf", "notatki.pdf", "moje notatki", pdfKind, false},
        {"PDF under a ZIP", "kopia.zip", "%PDF-1.4", zipKind, false},
        {"older ZIP", "kopia.zip", "PK\x03\x04 old", zipKind, true},
        {"older CSV", "lista.csv", "Poz.;Kwota\r\n", csvKind, true},
        {"another table", "wyciag.csv", "Data;Opis;Kwota\r\n", csvKind, false},
        {"binary named .csv", "lista.csv", QByteArray("ab\0cd", 5), csvKind, false},
    };
    for (const ExistingCase& c : cases) {
        const QString target = at(QString::fromUtf8(c.file));
        writeFileBytes(target, c.bytes);
        const QByteArray written = "PK\x03\x04 / %PDF- / csv";
        try {
            write(target, c.kind, written);
            EXPECT_TRUE(c.replaced) << c.name;
            EXPECT_EQ(readFileBytes(target), written) << c.name;
        } catch (const IoError& error) {
            EXPECT_FALSE(c.replaced) << c.name << ": " << error.message().toStdString();
            EXPECT_EQ(readFileBytes(target), c.bytes) << c.name;
        }
    }
}

TEST_F(OutputFileTest, FoldersAndDevicesAreNotTargets)
{
    for (const QString& target : {data.path(), QStringLiteral("/dev/full"), QStringLiteral("/dev/null")})
        EXPECT_THROW(write(target), IoError) << target.toStdString();
}

TEST_F(OutputFileTest, ALinkToAnOlderPdfUpdatesTheLinkedFile)
{
    const QString real = at(QStringLiteral("archiwum.pdf"));
    writeFileBytes(real, "%PDF-1.4 old");
    ASSERT_TRUE(QFile::link(real, at(QStringLiteral("skrót.pdf"))));
    write(at(QStringLiteral("skrót.pdf")));
    EXPECT_EQ(readFileBytes(real), pdfBytes);
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("skrót.pdf"))).isSymLink());
}

TEST_F(OutputFileTest, ANameInAnotherLetterCaseOutsideTheDataIsAFileOfItsOwn)
{
    writeFileBytes(at(QStringLiteral("rachunek.pdf")), "%PDF-1.4 old");
    write(at(QStringLiteral("Rachunek.pdf")));
    EXPECT_EQ(readFileBytes(at(QStringLiteral("rachunek.pdf"))), QByteArray("%PDF-1.4 old"));
    EXPECT_EQ(readFileBytes(at(QStringLiteral("Rachunek.pdf"))), pdfBytes);
}

TEST_F(OutputFileTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const QString target = at(QStringLiteral("rachunek.pdf"));
    const QByteArray old = "%PDF-1.4 the old one";
    FailingFileOps ops;
    const auto failures = everyFailureOf(
        ops, [&] { writeFileBytes(target, old); }, [&] { write(target, pdfKind, pdfBytes, ops); },
        {FileCall::Open, FileCall::Write, FileCall::Sync, FileCall::Close, FileCall::Rename}, {ENOSPC, EIO});
    ASSERT_FALSE(failures.empty());
    int reported = 0;
    for (const InjectedFailure& failure : failures) {
        writeFileBytes(target, old);
        ops.failAt(failure.call, failure.n, failure.error, true);
        bool thrown = false;
        try {
            write(target, pdfKind, pdfBytes, ops);
        } catch (const IoError&) {
            thrown = true;
            ++reported;
        }
        ops.reset();
        // Either reported with the old file whole, or done with the new one
        // whole (a failed folder sync after the rename is not a lost write).
        EXPECT_EQ(readFileBytes(target), thrown ? old : pdfBytes) << describe(failure);
        EXPECT_EQ(folderEntries(data.path()).filter(QStringLiteral("rachunek.pdf")),
                  QStringList{QStringLiteral("rachunek.pdf")})
            << describe(failure);
    }
    EXPECT_GT(reported, 0);
}

} // namespace
} // namespace kw
