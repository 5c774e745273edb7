#include "tests/cli/cli_fixture.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace kw {
namespace {

class CliDuplicateTest : public CliTest
{
protected:
    void SetUp() override
    {
        if (popplerTool(QStringLiteral("pdftotext")).isEmpty() || popplerTool(QStringLiteral("pdfinfo")).isEmpty())
            GTEST_SKIP() << "pdftotext or pdfinfo (poppler-utils) is not installed; the PDF output is not checked";
        CliTest::SetUp();
        ASSERT_TRUE(out_.isValid());
    }

    QString pdf(const char* name) const { return out_.filePath(QString::fromLatin1(name)); }

    static QString titleOf(const QString& file)
    {
        QProcess info;
        info.start(popplerTool(QStringLiteral("pdfinfo")), {file});
        info.waitForFinished(60000);
        static const QRegularExpression title(QStringLiteral("Title: +([^\n]*)\n"));
        return title.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1);
    }

    QTemporaryDir out_;
};

struct DuplicateCase {
    const char* position;
    QString title;
    QStringList texts; // of the stored document, besides the duplicate's
};

// The stored document as "Drukuj" prints it, with "DUPLIKAT" and the day the
// duplicate was made, and a title that calls it a duplicate.
TEST_F(CliDuplicateTest, ADuplicateIsTheStoredBillMarkedWithTodaysDate)
{
    const DuplicateCase cases[] = {
        {"2",
         QStringLiteral("Duplikat rachunku 7/2009"),
         {QStringLiteral("Rachunek nr 7/2009"), QStringLiteral("Data wystawienia 2009-03-05"),
          QStringLiteral("Jan Kowalski"), QStringLiteral("120.00 PLN")}},
        {"3",
         QStringLiteral("Duplikat rachunku korygującego 1/K/2009"),
         {QStringLiteral("Rachunek korygujący"), QStringLiteral("nr 1/K/2009"),
          QStringLiteral("Korekta dotyczy rachunku nr 7/2009")}},
    };
    for (const DuplicateCase& c : cases) {
        SCOPED_TRACE(c.position);
        const QString file = pdf("duplikat.pdf");
        const QDate before = QDate::currentDate();
        const ProcessResult result =
            run({QStringLiteral("pdf"), QString::fromLatin1(c.position), QStringLiteral("--duplicate"), file});
        const QDate after = QDate::currentDate();
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, QStringLiteral("Zapisano plik %1 (stron: 1).\n").arg(file));
        EXPECT_EQ(pdfPageCount(file), 1);

        const QString text = pdfPageText(file, 1);
        EXPECT_TRUE(text.contains(QStringLiteral("DUPLIKAT"))) << text.toStdString();
        const QString dated = QStringLiteral("Data wystawienia duplikatu: ");
        EXPECT_TRUE(text.contains(dated + before.toString(u"yyyy-MM-dd")) ||
                    text.contains(dated + after.toString(u"yyyy-MM-dd")))
            << text.toStdString();
        for (const QString& part : c.texts)
            EXPECT_TRUE(text.contains(part)) << "no " << part.toStdString() << " in\n" << text.toStdString();
        EXPECT_EQ(titleOf(file), c.title);
    }
}

TEST_F(CliDuplicateTest, WithoutTheOptionThePdfIsNoDuplicate)
{
    const QString file = pdf("rachunek.pdf");
    const ProcessResult result = run({QStringLiteral("pdf"), QStringLiteral("last"), file});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QString text = pdfPageText(file, 1);
    EXPECT_FALSE(text.contains(QStringLiteral("DUPLIKAT"), Qt::CaseInsensitive)) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("duplikatu")));
    EXPECT_EQ(titleOf(file), QStringLiteral("Rachunek 10/2009"));
}

TEST_F(CliDuplicateTest, AMonthHasNoDuplicate)
{
    const QString file = pdf("marzec.pdf");
    const ProcessResult result = run({QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-03"),
                                      QStringLiteral("--duplicate"), file});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
    EXPECT_TRUE(
        result.err.contains(QStringLiteral("Duplikat (--duplicate) drukuje się z jednego dokumentu, nie z miesiąca")))
        << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

} // namespace
} // namespace kw
