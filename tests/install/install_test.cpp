#include "tests/install/tool_run.h"
#include "tests/support/file_bytes.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString text(const QString& path) { return QString::fromUtf8(kw::readFileBytesIfAny(path)); }

// The build installed into a temporary prefix, as a package would be.
class InstallTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir;
        const kw::ToolRun install = kw::runTool(
            QStringLiteral("cmake"),
            {QStringLiteral("--install"), QStringLiteral(KW_BUILD_DIR), QStringLiteral("--prefix"), prefix->path()});
        ASSERT_EQ(install.exitCode, 0) << install.out.toStdString() << install.err.toStdString();
    }
    static void TearDownTestSuite()
    {
        delete prefix;
        prefix = nullptr;
    }

    static QString installed(const char* relative) { return prefix->filePath(QString::fromUtf8(relative)); }

    static inline QTemporaryDir* prefix = nullptr;
};

TEST_F(InstallTest, EveryFileOfThePackageIsInstalled)
{
    const struct {
        const char* path;
        bool executable;
    } files[] = {
        {"bin/kwitarnia", true},
        {"share/applications/pl.kwitarnia.Kwitarnia.desktop", false},
        {"share/applications/pl.kwitarnia.Kwitarnia.Settings.desktop", false},
        {"share/icons/hicolor/scalable/apps/pl.kwitarnia.Kwitarnia.svg", false},
        {"share/metainfo/pl.kwitarnia.Kwitarnia.metainfo.xml", false},
        {"share/man/man1/kwitarnia.1.gz", false},
        {"share/doc/kwitarnia/copyright", false},
        {"share/doc/kwitarnia/LICENSE", false},
        {"share/doc/kwitarnia/changelog.gz", false},
    };
    for (const auto& file : files) {
        const QFileInfo info(installed(file.path));
        EXPECT_TRUE(info.isFile() && info.size() > 0) << file.path;
        EXPECT_EQ(info.isExecutable(), file.executable) << file.path;
    }
    EXPECT_TRUE(text(installed("share/doc/kwitarnia/LICENSE")).contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
    EXPECT_TRUE(text(installed("share/doc/kwitarnia/copyright")).contains(QStringLiteral("GPL-3.0-or-later")));
}

// The program's entry, and the second one that opens the settings for the
// same remembered data folder.
TEST_F(InstallTest, MenuEntriesStartTheDesktopModeWithTheInstalledIcon)
{
    const struct {
        const char* file;
        const char* exec;
    } entries[] = {
        {"share/applications/pl.kwitarnia.Kwitarnia.desktop", "Exec=kwitarnia --desktop\n"},
        {"share/applications/pl.kwitarnia.Kwitarnia.Settings.desktop", "Exec=kwitarnia --desktop --settings\n"},
    };
    for (const auto& e : entries) {
        const QString entry = installed(e.file);
        const kw::ToolRun validation = kw::runTool(QStringLiteral("desktop-file-validate"), {entry});
        EXPECT_EQ(validation.exitCode, 0) << validation.out.toStdString() << validation.err.toStdString();
        EXPECT_TRUE(validation.out.isEmpty()) << validation.out.toStdString();

        const QString contents = text(entry);
        for (const char* line :
             {e.exec, "Icon=pl.kwitarnia.Kwitarnia\n", "Categories=Office;Finance;Qt;\n", "StartupWMClass=kwitarnia\n"})
            EXPECT_TRUE(contents.contains(QString::fromUtf8(line))) << e.file << ": " << line;
    }
}

TEST_F(InstallTest, MetainfoIsValidAndNamesThisRelease)
{
    const QString metainfo = installed("share/metainfo/pl.kwitarnia.Kwitarnia.metainfo.xml");
    const kw::ToolRun validation =
        kw::runTool(QStringLiteral("appstreamcli"),
                    {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral("--pedantic"), metainfo});
    EXPECT_EQ(validation.exitCode, 0) << validation.out.toStdString() << validation.err.toStdString();
    EXPECT_TRUE(text(metainfo).contains(QStringLiteral("<release version=\"" KWITARNIA_VERSION "\"")));
}

TEST_F(InstallTest, ManPageRendersWithoutWarnings)
{
    const kw::ToolRun man =
        kw::runTool(QStringLiteral("man"),
                    {QStringLiteral("--warnings"), QStringLiteral("-l"), installed("share/man/man1/kwitarnia.1.gz")});
    EXPECT_EQ(man.exitCode, 0);
    EXPECT_TRUE(man.err.isEmpty()) << man.err.toStdString();
    EXPECT_TRUE(man.out.contains(QStringLiteral("kwitarnia --desktop"))) << man.out.toStdString();
}

// Debian's changelog: its newest entry is this version, released on the day
// the man page and the AppStream file name.
TEST_F(InstallTest, ChangelogOpensWithThisRelease)
{
    const kw::ToolRun changelog =
        kw::runTool(QStringLiteral("gzip"), {QStringLiteral("-dc"), installed("share/doc/kwitarnia/changelog.gz")});
    ASSERT_EQ(changelog.exitCode, 0) << changelog.err.toStdString();
    const QStringList lines = changelog.out.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.first().toStdString(), "kwitarnia (" KWITARNIA_VERSION ") unstable; urgency=medium");

    // The entry ends with " -- NAME <EMAIL>  DATE", the date as in e-mail.
    const auto trailer =
        std::find_if(lines.begin(), lines.end(), [](const QString& line) { return line.startsWith(" -- "); });
    ASSERT_NE(trailer, lines.end()) << changelog.out.toStdString();
    const QDateTime released = QDateTime::fromString(trailer->section(QStringLiteral("  "), 1), Qt::RFC2822Date);
    EXPECT_EQ(released.date().toString(Qt::ISODate).toStdString(), KW_RELEASE_DATE) << trailer->toStdString();
}

// gzip -n leaves out the time and the file name, so that two builds of the
// same sources give the same package.
TEST_F(InstallTest, CompressedFilesCarryNoTimeStampOrName)
{
    for (const char* file : {"share/man/man1/kwitarnia.1.gz", "share/doc/kwitarnia/changelog.gz"}) {
        const QByteArray bytes = kw::readFileBytesIfAny(installed(file));
        ASSERT_GE(bytes.size(), 10) << file;
        EXPECT_TRUE(bytes.startsWith("\x1f\x8b")) << file;
        const char nameFlag = 0x08;
        EXPECT_EQ(bytes[3] & nameFlag, 0) << file;
        EXPECT_EQ(bytes.mid(4, 4).toHex().toStdString(), "00000000") << file;
    }
}

} // namespace
