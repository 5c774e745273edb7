#include "store/edited_file.h"
#include "store/field_check.h"
#include "store/io_error.h"
#include "store/record_field.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>

namespace kw {
namespace {

constexpr int RecordSize = 8;

class EditedFileTest : public ::testing::Test
{
protected:
    QString path() const { return folder.admini() + QStringLiteral("/firma.dat"); }

    TempDataFolder folder;
    FailingFileOps ops;
};

TEST_F(EditedFileTest, SaveReplacesTheFirstRecordAndKeepsWhatFollowsIt)
{
    writeFileBytes(path(),
                   "ABCDEFGH"
                   "junk after");
    EditedFile file(ops, path(), RecordSize);
    EXPECT_EQ(file.record(), "ABCDEFGH");
    file.save("12345678");
    EXPECT_EQ(readFileBytes(path()),
              "12345678"
              "junk after");
    // What was saved is now what the file is compared with.
    file.save("87654321");
    EXPECT_EQ(readFileBytes(path()),
              "87654321"
              "junk after");
}

TEST_F(EditedFileTest, SaveIsRefusedWhenAnotherProgramChangedTheFile)
{
    const struct {
        const char* name;
        std::function<void(const QString&)> change;
    } changes[] = {
        {"rewritten", [](const QString& p) { writeFileBytes(p, "abcdefgh"); }},
        {"grown", [](const QString& p) { writeFileBytes(p, "ABCDEFGH+"); }},
        {"removed", [](const QString& p) { QFile::remove(p); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.name);
        writeFileBytes(path(), "ABCDEFGH");
        EditedFile file(ops, path(), RecordSize);
        c.change(path());
        const auto onDisk = [this] { return QFile::exists(path()) ? readFileBytes(path()) : QByteArray("(none)"); };
        const QByteArray left = onDisk();
        EXPECT_TRUE(file.changedOnDisk());
        try {
            file.save("12345678");
            ADD_FAILURE() << "save returned";
        } catch (const IoError& e) {
            EXPECT_TRUE(e.message().contains(path())) << e.what();
            EXPECT_TRUE(e.message().contains(QStringLiteral("zmieniony od chwili jego otwarcia"))) << e.what();
        }
        EXPECT_EQ(onDisk(), left);
    }
}

TEST_F(EditedFileTest, AMissingFileMayBeCreatedOnlyWhenAllowed)
{
    EXPECT_THROW(EditedFile(ops, path(), RecordSize), IoError);

    EditedFile file(ops, path(), RecordSize, true);
    EXPECT_EQ(file.record(), QByteArray(RecordSize, '\0'));
    EXPECT_FALSE(file.changedOnDisk());
    file.save("12345678");
    EXPECT_EQ(readFileBytes(path()), "12345678");

    EditedFile late(ops, folder.admini() + QStringLiteral("/nowy.dat"), RecordSize, true);
    writeFileBytes(late.path(), "written by another program");
    EXPECT_THROW(late.save("12345678"), IoError);
}

TEST_F(EditedFileTest, AFileShorterThanARecordIsNotEdited)
{
    writeFileBytes(path(), "ABC");
    try {
        EditedFile file(ops, path(), RecordSize);
        ADD_FAILURE() << "opened";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("krótszy niż jeden rekord"))) << e.what();
    }
}

TEST_F(EditedFileTest, AFailedSaveLeavesTheOldFileAndCanBeRepeated)
{
    writeFileBytes(path(), "ABCDEFGH");
    EditedFile file(ops, path(), RecordSize);
    for (const FileCall call : {FileCall::Write, FileCall::Sync, FileCall::Rename}) {
        SCOPED_TRACE(fileCallName(call));
        ops.failAt(call, 1, ENOSPC);
        EXPECT_THROW(file.save("12345678"), IoError);
        EXPECT_EQ(readFileBytes(path()), "ABCDEFGH");
    }
    ops.reset();
    file.save("12345678");
    EXPECT_EQ(readFileBytes(path()), "12345678");
}

TEST(WriteChangedString, KeepsTheBytesOfAnUnchangedFieldAndClearsAfterAChangedOne)
{
    const StringField field{0, 5};
    QByteArray record("\x02"
                      "ab"
                      "\xEE\xEE\xEE",
                      6);
    writeChangedString(record, field, QStringLiteral("ab"));
    EXPECT_EQ(record,
              QByteArray("\x02"
                         "ab"
                         "\xEE\xEE\xEE",
                         6));
    writeChangedString(record, field, QStringLiteral("ąb"));
    EXPECT_EQ(record,
              QByteArray("\x02"
                         "\xB9"
                         "b\0\0\0",
                         6));
}

TEST(StorageProblem, NamesTheLimitOrTheCharacter)
{
    const StringField field{0, 5};
    const struct {
        QString text;
        QString problem;
    } cases[] = {
        {QStringLiteral("Łódź"), {}},
        {QStringLiteral("ąęśćź"), {}},
        {QStringLiteral("abcdef"), QStringLiteral("Pole „Nazwa” mieści najwyżej 5 znaków, a wpisano 6.")},
        {QStringLiteral("a€b"), {}},
        {QStringLiteral("a√b"),
         QStringLiteral("Pole „Nazwa” zawiera znak „√”, którego nie da się zapisać w pliku danych.")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storageProblem(QStringLiteral("Nazwa"), field, c.text), c.problem) << c.text.toStdString();
}

} // namespace
} // namespace kw
