#include "store/data_files.h"
#include "store/io_error.h"
#include "store/records.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/failure_sweep.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>

namespace kw {
namespace {

class CreateIfMissingTest : public ::testing::Test
{
protected:
    QString path() const { return folder.uslugi() + QStringLiteral("/uslugi.dat"); }

    TempDataFolder folder;
    FailingFileOps ops;
};

TEST_F(CreateIfMissingTest, CreatesTheFileWithExactlyTheContents)
{
    const QByteArray contents = emptyServiceList().bytes();
    EXPECT_TRUE(createIfMissing(ops, path(), contents));
    EXPECT_EQ(readFileBytes(path()), contents);
}

TEST_F(CreateIfMissingTest, LeavesAnExistingFileUntouchedWhateverItsSize)
{
    for (const QByteArray& existing : {QByteArray(), QByteArray("krotki"), QByteArray(40000, 'x')}) {
        writeFileBytes(path(), existing);
        EXPECT_FALSE(createIfMissing(ops, path(), emptyServiceList().bytes()));
        EXPECT_EQ(readFileBytes(path()), existing);
    }
}

TEST_F(CreateIfMissingTest, MissingFolderThrowsNamingThePath)
{
    const QString inMissingFolder = folder.path() + QStringLiteral("/Brak/klienci.dat");
    try {
        createIfMissing(ops, inMissingFolder, "abc");
        ADD_FAILURE() << "createIfMissing returned";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains(inMissingFolder)) << e.what();
    }
}

TEST_F(CreateIfMissingTest, FailureLeavesNoHalfMadeFile)
{
    const QByteArray contents = emptyServiceList().bytes();
    const auto failures = everyFailureOf(
        ops, [&] { QFile::remove(path()); }, [&] { createIfMissing(ops, path(), contents); },
        {FileCall::Open, FileCall::Write, FileCall::Sync, FileCall::Close}, {ENOSPC, EIO});
    ASSERT_EQ(failures.size(), 8u);
    for (const InjectedFailure& f : failures) {
        QFile::remove(path());
        ops.failAt(f.call, f.n, f.error, true);
        EXPECT_THROW(createIfMissing(ops, path(), contents), IoError) << describe(f);
        ops.reset();
        EXPECT_FALSE(QFile::exists(path())) << describe(f);
    }
}

TEST(ReadSingleRecord, ReadsTheFirstRecordOfALongerFile)
{
    TempDataFolder folder;
    const QString path = folder.admini() + QStringLiteral("/firma.dat");
    CompanyRecord seller;
    seller.set(company::SellerLine1, QStringLiteral("Zakład Usług Różnych"));
    writeFileBytes(path, seller.bytes() + QByteArray(100, 'x'));
    EXPECT_EQ(readSingleRecord<CompanyRecord>(systemFileOps(), path), seller);
}

TEST(ReadSingleRecord, FileShorterThanTheRecordThrowsNamingIt)
{
    TempDataFolder folder;
    const QString path = folder.admini() + QStringLiteral("/rachunek.dat");
    writeFileBytes(path, QByteArray(271, '\0'));
    try {
        readSingleRecord<SettingsRecord>(systemFileOps(), path);
        ADD_FAILURE() << "readSingleRecord returned";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains(path)) << e.what();
    }
}

} // namespace
} // namespace kw
