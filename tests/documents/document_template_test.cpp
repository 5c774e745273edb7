#include "documents/document_template.h"
#include "store/io_error.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/failure_sweep.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>

namespace kw {
namespace {

DocumentForm filledForm()
{
    DocumentForm form;
    form.head.place = QStringLiteral("Kraków");
    form.head.issueDate = QStringLiteral("2009-05-07");
    form.head.number = QStringLiteral("12");
    form.head.numberSuffix = QStringLiteral("2009");
    form.head.buyerLines = {QStringLiteral("Zakład Usług Łąkowych"), QStringLiteral("ul. Źródlana 5"),
                            QStringLiteral("30-001 Kraków"), QStringLiteral("")};
    form.head.buyerTaxId = QStringLiteral("123-456-78-90");
    form.head.paymentMethod = QStringLiteral("Karta kredytowa");
    form.head.paymentTerm = QStringLiteral("14 dni");
    form.head.serviceDate = QStringLiteral("2009-05-01");
    form.head.signature = QStringLiteral("Jan Kowalski");
    for (int c = 0; c < 6; ++c)
        for (int l = 0; l < 3; ++l)
            form.cells[c][l] = QStringLiteral("k%1w%2").arg(c + 1).arg(l + 1);
    return form;
}

bool allZero(const QByteArray& bytes, int from, int to)
{
    for (int i = from; i < to; ++i)
        if (bytes[i] != '\0')
            return false;
    return true;
}

TEST(TemplateRecord, CarriesOnlyTheReusablePartOfTheBill)
{
    DocumentForm form = filledForm();
    const QByteArray bytes = templateRecord(form).bytes();
    ASSERT_EQ(bytes.size(), 3251);
    EXPECT_EQ(bytes.mid(0, 7), QByteArray("\x06Krak\xf3w", 7));
    EXPECT_EQ(bytes.mid(41, 11),
              QByteArray("\x0a"
                         "2009-05-07"));
    EXPECT_TRUE(allZero(bytes, 52, 84)) << "number and extension";
    EXPECT_TRUE(allZero(bytes, 445, 456)) << "service date";
    EXPECT_TRUE(allZero(bytes, 1616, 3218)) << "reserved blocks and correction lines";
    EXPECT_TRUE(allZero(bytes, 3220, 3251)) << "corrected bill's reference";
    EXPECT_EQ(bytes.mid(3218, 2),
              QByteArray("\x01"
                         "F"));
    EXPECT_EQ(bytes.mid(518 + 5 * 183 + 2 * 61, 5), QByteArray("\x04k6w3"));
}

TEST(TemplateRecord, TextsAreCutToTheirFields)
{
    DocumentForm form = filledForm();
    form.head.place = QString(45, u'p');
    form.head.buyerLines[0] = QString(90, u'b');
    form.cells[0][0] = QString(70, u'c');
    const DocumentForm back = applyTemplate(templateRecord(form), DocumentForm{});
    EXPECT_EQ(back.head.place, QString(40, u'p'));
    EXPECT_EQ(back.head.buyerLines[0], QString(80, u'b'));
    EXPECT_EQ(back.cells[0][0], QString(60, u'c'));
}

TEST(ApplyTemplate, KeepsNumberAndServiceDateAndTakesEverythingElse)
{
    const DocumentForm saved = filledForm();
    DocumentForm current;
    current.head.place = QStringLiteral("Gdańsk");
    current.head.issueDate = QStringLiteral("2010-01-15");
    current.head.number = QStringLiteral("31");
    current.head.numberSuffix = QStringLiteral("2010");
    current.head.serviceDate = QStringLiteral("2010-01-14");
    current.head.buyerLines[3] = QStringLiteral("linia do wyczyszczenia");

    const DocumentForm after = applyTemplate(templateRecord(saved), current);
    DocumentForm expected = saved;
    expected.head.number = current.head.number;
    expected.head.numberSuffix = current.head.numberSuffix;
    expected.head.serviceDate = current.head.serviceDate;
    EXPECT_EQ(after, expected);
    EXPECT_EQ(after.head.issueDate, QStringLiteral("2009-05-07"));
}

TEST(ApplyTemplate, EmptyTableClearsTheGrid)
{
    DocumentForm withEmptyTable = filledForm();
    withEmptyTable.cells = {};
    const DocumentForm after = applyTemplate(templateRecord(withEmptyTable), filledForm());
    for (const auto& column : after.cells)
        for (const QString& cell : column)
            EXPECT_TRUE(cell.isEmpty()) << cell.toStdString();
}

class TemplateFileTest : public ::testing::Test
{
protected:
    QString path() const { return folder.path() + QStringLiteral("/faktura.sza"); }

    TempDataFolder folder;
    FailingFileOps ops;
};

TEST_F(TemplateFileTest, SaveReplacesAnExistingTemplateWhole)
{
    writeFileBytes(path(), QByteArray(2 * 3251 + 17, 'x'));
    const DocumentRecord tpl = templateRecord(filledForm());
    saveTemplate(ops, path(), tpl);
    EXPECT_EQ(readFileBytes(path()), tpl.bytes());
    EXPECT_EQ(folderEntries(folder.path()), (QStringList{"Admini", "Uslugi", "faktura.sza"}));
}

TEST_F(TemplateFileTest, FailedSaveLeavesTheOldTemplateWhole)
{
    const QByteArray old = templateRecord(DocumentForm{}).bytes();
    const DocumentRecord tpl = templateRecord(filledForm());
    const auto failures = everyFailureOf(
        ops, [&] { writeFileBytes(path(), old); }, [&] { saveTemplate(ops, path(), tpl); },
        {FileCall::Open, FileCall::Write, FileCall::Sync, FileCall::Close, FileCall::Rename}, {ENOSPC});
    ASSERT_FALSE(failures.empty());
    for (const InjectedFailure& f : failures) {
        writeFileBytes(path(), old);
        ops.failAt(f.call, f.n, f.error, true);
        bool reported = false;
        try {
            saveTemplate(ops, path(), tpl);
        } catch (const IoError&) {
            reported = true;
        }
        ops.reset();
        const QByteArray now = readFileBytes(path());
        EXPECT_TRUE(reported ? now == old : now == tpl.bytes()) << describe(f);
        EXPECT_EQ(folderEntries(folder.path()).size(), 3) << describe(f) << ": temporary file left";
    }
}

TEST_F(TemplateFileTest, ReadTakesTheFirstRecordAndRefusesAShortFile)
{
    const DocumentRecord first = templateRecord(filledForm());
    writeFileBytes(path(), first.bytes() + templateRecord(DocumentForm{}).bytes());
    EXPECT_EQ(readTemplate(ops, path()), first);

    writeFileBytes(path(), first.bytes().left(3250));
    EXPECT_THROW(readTemplate(ops, path()), IoError);
}

TEST_F(TemplateFileTest, DeleteRemovesTheFileAndReportsAFailure)
{
    writeFileBytes(path(), templateRecord(filledForm()).bytes());
    deleteTemplate(ops, path());
    EXPECT_FALSE(QFile::exists(path()));
    try {
        deleteTemplate(ops, path());
        ADD_FAILURE() << "deleting a missing template did not report";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains(path())) << e.what();
    }
}

} // namespace
} // namespace kw
