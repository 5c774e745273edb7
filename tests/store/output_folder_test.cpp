#include "store/io_error.h"
#include "store/output_file.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

namespace kw {
namespace {

const QByteArray pdfBytes = QByteArrayLiteral("%PDF-1.4\nnew bill\n%%EOF\n");
const OutputKind anyKind{QStringLiteral("plikiem PDF"), [](QIODevice&) { return true; }};

// The folders of a data folder other than the program's own, as the files
// the module keeps there name them.
class OutputFolderTest : public ::testing::Test
{
protected:
    void SetUp() override { writeFileBytes(documents(), QByteArray(3251, 'D')); }

    QString documents() const { return data.uslugi() + QStringLiteral("/dokumenty_r.dat"); }
    QString at(const QString& relative) const { return data.path() + QLatin1Char('/') + relative; }

    void write(const QString& target) { writeOutputFile(systemFileOps(), target, anyKind, pdfBytes, guarded()); }
    QStringList guarded() const { return protectedFolders({data.path()}); }

    // Every entry of `folder`, hidden ones (a temporary file) included.
    static std::string everyEntry(const QString& folder)
    {
        return QDir(folder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
            .join(QLatin1Char(' '))
            .toStdString();
    }

    void expectRefusedAsData(const QString& target)
    {
        try {
            write(target);
            ADD_FAILURE() << "written: " << target.toStdString();
        } catch (const IoError& error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("Nie zapisano pliku ") + target))
                << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QStringLiteral("folderze danych programu")))
                << error.message().toStdString();
        }
    }

    TempDataFolder data;
};

struct OtherFolderCase {
    const char* folder;
    const char* heldFile;
    bool refused;
};

TEST_F(OutputFolderTest, AnotherDataFoldersFoldersAreRefusedByTheFilesTheyHold)
{
    const OtherFolderCase cases[] = {
        {"inna-firma/Uslugi", "Uslugi/dokumenty_r.dat", true},
        {"inna-firma/Uslugi/2009", "Uslugi/klienci.dat", true},
        {"druga/USLUGI", "USLUGI/USLUGI.DAT", true},
        {"druga/admini", "admini/firma.dat", true},
        {"trzecia/Admini", "Admini/siec.dat", true},
        {"trzecia/Szablony", "Szablony/stały.sza", true},
        {"trzecia/FONT", "FONT/font_trelmo_2007.dat", true},
        // Named so but holding the user's own files, or holding a copy of
        // a data file under another name: not a data folder.
        {"moje/Uslugi", "Uslugi/umowa.odt", false},
        {"moje/kopia", "kopia/dokumenty_r.dat", false},
    };
    // Beside the program's data folder, reached from inside it as a relative
    // path would be.
    const QTemporaryDir companies;
    const QString fromInside = at(QStringLiteral("Uslugi/../../") + QFileInfo(companies.path()).fileName());
    for (const OtherFolderCase& c : cases) {
        const QString folder = QString::fromUtf8(c.folder);
        const QString other = companies.filePath(folder);
        const QString held = companies.filePath(folder.section(QLatin1Char('/'), 0, 0) + QLatin1Char('/') +
                                                QString::fromUtf8(c.heldFile));
        ASSERT_TRUE(QDir().mkpath(other));
        writeFileBytes(held, "dane");
        const QString target = fromInside + QLatin1Char('/') + folder + QStringLiteral("/x.pdf");
        if (c.refused) {
            expectRefusedAsData(target);
            EXPECT_FALSE(QFile::exists(other + QStringLiteral("/x.pdf"))) << c.folder;
        } else {
            EXPECT_NO_THROW(write(target)) << c.folder;
            EXPECT_EQ(readFileBytesIfAny(other + QStringLiteral("/x.pdf")), pdfBytes) << c.folder;
        }
        EXPECT_EQ(QDir(other).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("x.pdf.")), QStringList{})
            << c.folder;
        EXPECT_EQ(readFileBytes(held), QByteArray("dane")) << c.folder;
    }
}

// Unmounts at the end of the test, whatever it ends in.
class BindMount
{
public:
    BindMount(const QString& from, const QString& to) : to_(QFile::encodeName(to))
    {
        mounted_ = ::mount(QFile::encodeName(from).constData(), to_.constData(), nullptr, MS_BIND, nullptr) == 0;
        error_ = errno;
    }
    ~BindMount()
    {
        if (mounted_)
            ::umount(to_.constData());
    }
    bool mounted() const { return mounted_; }
    const char* error() const { return std::strerror(error_); }

private:
    QByteArray to_;
    bool mounted_ = false;
    int error_ = 0;
};

TEST_F(OutputFolderTest, ABindMountOfADataFolderIsThatFolder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can bind-mount a folder";
    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("bm")));
    const BindMount mount(data.uslugi(), at(QStringLiteral("bm")));
    if (!mount.mounted())
        GTEST_SKIP() << "no bind mount here: " << mount.error();
    const std::string before = everyEntry(data.uslugi());
    for (const char* name : {"bm/x.pdf", "bm/dokumenty_r.dat"})
        expectRefusedAsData(at(QString::fromLatin1(name)));
    EXPECT_EQ(everyEntry(data.uslugi()), before);
    EXPECT_EQ(readFileBytes(documents()), QByteArray(3251, 'D'));
}

// Swaps the folder `folder` for a symbolic link to `linkTarget` and back,
// again and again, until stopped.
class FolderSwapper
{
public:
    FolderSwapper(const QString& folder, const QString& linkTarget)
        : folder_(QFile::encodeName(folder)), aside_(QFile::encodeName(folder + QStringLiteral(".obok"))),
          linkTarget_(QFile::encodeName(linkTarget)), thread_([this] { run(); })
    {}
    ~FolderSwapper()
    {
        stop_ = true;
        thread_.join();
    }

private:
    void run()
    {
        while (!stop_) {
            if (::rename(folder_.constData(), aside_.constData()) != 0)
                continue;
            if (::symlink(linkTarget_.constData(), folder_.constData()) == 0)
                ::unlink(folder_.constData());
            ::rename(aside_.constData(), folder_.constData());
        }
    }

    QByteArray folder_;
    QByteArray aside_;
    QByteArray linkTarget_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST_F(OutputFolderTest, AFolderSwappedForALinkMeanwhileNeverLetsAFileIntoTheData)
{
    const QString out = at(QStringLiteral("wydruki"));
    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("wydruki")));
    const std::string before = everyEntry(data.uslugi());
    {
        const FolderSwapper swapper(out, data.uslugi());
        for (int i = 0; i < 400; ++i) {
            try {
                write(out + QStringLiteral("/x.pdf"));
            } catch (const IoError&) {
                // Refused, or the folder was away: either way nothing written.
            }
        }
    }
    EXPECT_EQ(everyEntry(data.uslugi()), before);
    EXPECT_EQ(readFileBytes(documents()), QByteArray(3251, 'D'));
    // What was written went into the folder itself, and whole.
    const std::string written = everyEntry(out);
    EXPECT_TRUE(written.empty() || written == "x.pdf") << written;
}

} // namespace
} // namespace kw
