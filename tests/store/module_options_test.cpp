#include "store/io_error.h"
#include "store/module_options.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>

namespace kw {
namespace {

class ModuleOptionsTest : public ::testing::Test
{
protected:
    QString path() const { return folder.admini() + QStringLiteral("/kwitarnia.ini"); }

    TempDataFolder folder;
    FailingFileOps ops;
};

TEST_F(ModuleOptionsTest, OnlyAZeroTurnsTheTransferCodeOff)
{
    EXPECT_TRUE(readModuleOptions(ops, path()).transferCode) << "no file";
    const struct {
        const char* contents;
        bool transferCode;
    } cases[] = {
        {"", true},
        {"kod_qr_przelewu=0\n", false},
        {" kod_qr_przelewu = 0 \r\n", false},
        {"kod_qr_przelewu=1", true},
        {"kod_qr_przelewu=nie\n", true},
        {"inna=0\nkod_qr_przelewu_x=0\n", true},
        {"kod_qr_przelewu=0\nkod_qr_przelewu=1\n", true},
    };
    for (const auto& c : cases) {
        writeFileBytes(path(), c.contents);
        EXPECT_EQ(readModuleOptions(ops, path()).transferCode, c.transferCode) << c.contents;
    }
}

TEST_F(ModuleOptionsTest, WritingKeepsTheLinesItDoesNotKnow)
{
    writeModuleOptions(ops, path(), ModuleOptions{false});
    EXPECT_EQ(readFileBytes(path()), "kod_qr_przelewu=0\n");
    EXPECT_FALSE(readModuleOptions(ops, path()).transferCode);

    writeFileBytes(path(), "# opcje\nkod_qr_przelewu=0\ninna=tak\n");
    writeModuleOptions(ops, path(), ModuleOptions{true});
    EXPECT_EQ(readFileBytes(path()), "# opcje\ninna=tak\nkod_qr_przelewu=1\n");
    EXPECT_TRUE(readModuleOptions(ops, path()).transferCode);
}

TEST_F(ModuleOptionsTest, AFailedWriteLeavesTheOldFileAndSaysSo)
{
    writeFileBytes(path(), "kod_qr_przelewu=1\n");
    for (const FileCall call : {FileCall::Write, FileCall::Sync, FileCall::Rename}) {
        ops.failAt(call, 1, ENOSPC);
        EXPECT_THROW(writeModuleOptions(ops, path(), ModuleOptions{false}), IoError);
        EXPECT_TRUE(ops.failed());
        EXPECT_EQ(readFileBytes(path()), "kod_qr_przelewu=1\n");
    }
    ops.reset();
}

TEST_F(ModuleOptionsTest, AFileThatCannotBeReadIsReported)
{
    ASSERT_TRUE(QDir().mkpath(path()));
    EXPECT_THROW(readModuleOptions(ops, path()), IoError);
}

} // namespace
} // namespace kw
