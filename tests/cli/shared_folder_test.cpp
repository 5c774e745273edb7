#include "store/data_folder.h"
#include "store/records.h"
#include "tests/cli/cli_fixture.h"
#include "tests/support/file_bytes.h"

#include <QDirIterator>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace kw {
namespace {

// Two colleagues, Anna and Bartek, share a data folder through the group
// "biuro"; Bartek's umask would make the files he writes his alone.
constexpr uint Biuro = 4242;
constexpr UnixUser Anna{4101, Biuro, 002};
constexpr UnixUser Bartek{4102, Biuro, 022};

struct stat statOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        ADD_FAILURE() << "no file " << path.toStdString();
    return info;
}

void own(const QString& path, uint uid, uint gid, mode_t mode)
{
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chown(name.constData(), uid, gid), 0) << name.constData();
    ASSERT_EQ(::chmod(name.constData(), mode), 0) << name.constData();
}

class SharedFolderTest : public CliTest
{
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "only root can act as two users";
        CliTest::SetUp();
        writeFileBytes(DataPaths(start()).serviceFile(), emptyServiceList().bytes());
        // The folder as an office sets it up: group-owned folders that pass
        // their group on, group-writable files, the seller's file private.
        own(start(), Anna.uid, Biuro, 02775);
        QDirIterator it(start(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry = it.nextFileInfo();
            own(entry.filePath(), Anna.uid, Biuro, entry.isDir() ? 02775 : 0664);
        }
        own(DataPaths(start()).sellerFile(), Anna.uid, Biuro, 0600);
        ASSERT_TRUE(QFile::copy(QStringLiteral(KWITARNIA_BINARY), program()));
        own(bin_.path(), 0, 0, 0755);
        own(program(), 0, 0, 0755);
    }

    QString program() const { return bin_.filePath(QStringLiteral("kwitarnia")); }

    ProcessResult importServices(const UnixUser& user, const QString& name)
    {
        const QString csv = start() + QStringLiteral("/import.csv");
        writeFileBytes(csv, QStringLiteral("Nr;Nazwa\r\n;%1\r\n").arg(name).toUtf8());
        own(csv, user.uid, Biuro, 0644);
        return runKwitarniaAs(user, program(), start(), {QStringLiteral("services"), QStringLiteral("import"), csv});
    }

    QTemporaryDir bin_;
};

TEST_F(SharedFolderTest, AColleaguesSaveKeepsTheFileWritableForTheGroup)
{
    const QString services = DataPaths(start()).serviceFile();
    for (const auto& [user, name] : {std::pair{Bartek, "Wymiana baterii"}, std::pair{Anna, "Czyszczenie"}}) {
        const ProcessResult result = importServices(user, QString::fromUtf8(name));
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        const struct stat after = statOf(services);
        EXPECT_EQ(after.st_mode & 07777, mode_t(0664)) << name;
        EXPECT_EQ(after.st_gid, Biuro) << name;
        EXPECT_EQ(after.st_uid, user.uid) << name;
    }
    const ServiceListRecord list = ServiceListRecord::fromBytes(readFileBytesIfAny(services));
    EXPECT_EQ(list.get(services::name(1)), QStringLiteral("Wymiana baterii"));
    EXPECT_EQ(list.get(services::name(2)), QStringLiteral("Czyszczenie"));
    // Nothing else was opened up, and no lock or temporary was left behind.
    EXPECT_EQ(statOf(DataPaths(start()).sellerFile()).st_mode & 07777, mode_t(0600));
    EXPECT_EQ(QDir(start() + QStringLiteral("/Uslugi")).entryList(QDir::Files).size(), 2);
}

} // namespace
} // namespace kw
