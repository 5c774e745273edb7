#include "tests/cli/cli_fixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace kw {
namespace {

class CliPdfTest : public CliTest
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

    // Runs the command, expects success and returns the PDF's page count.
    int export_(const QStringList& args, const QString& file)
    {
        const ProcessResult result = run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        const int pages = pdfPageCount(file);
        EXPECT_EQ(result.out, QStringLiteral("Zapisano plik %1 (stron: %2).\n").arg(file).arg(pages));
        return pages;
    }

    QTemporaryDir out_;
};

void expectContains(const QString& text, const QStringList& parts)
{
    for (const QString& part : parts)
        EXPECT_TRUE(text.contains(part)) << "no " << part.toStdString() << " in\n" << text.toStdString();
}

TEST_F(CliPdfTest, ABillIsPrintedOnOnePageAsDrukujPrintsIt)
{
    const QString file = pdf("rachunek.pdf");
    ASSERT_EQ(export_({QStringLiteral("pdf"), QStringLiteral("2"), file}, file), 1);
    expectContains(pdfPageText(file, 1),
                   {QStringLiteral("Miejscowość Kraków"), QStringLiteral("Data wystawienia 2009-03-05"),
                    QStringLiteral("Zegarmistrz Żółkiewski"), QStringLiteral("Jan Kowalski"),
                    QStringLiteral("Rachunek nr 7/2009"), QStringLiteral("oryginał / kopia"),
                    QStringLiteral("Naprawa zegarka"), QStringLiteral("120.00 PLN"), QStringLiteral("sto dwadzieścia"),
                    QStringLiteral("Zwolnienie z VAT na podstawie art. 113"), QStringLiteral("Anna Nowak")});
}

TEST_F(CliPdfTest, ACorrectiveBillNamesTheBillItCorrects)
{
    const QString file = pdf("korekta.pdf");
    ASSERT_EQ(export_({QStringLiteral("pdf"), QStringLiteral("3"), file}, file), 1);
    const QString text = pdfPageText(file, 1);
    expectContains(text, {QStringLiteral("1/K/2009"), QStringLiteral("7/2009"), QStringLiteral("minus dwadzieścia")});
}

TEST_F(CliPdfTest, LastIsTheLastStoredRecord)
{
    const QString file = pdf("ostatni.pdf");
    ASSERT_EQ(export_({QStringLiteral("pdf"), QStringLiteral("last"), file}, file), 1);
    expectContains(pdfPageText(file, 1), {QStringLiteral("Nieznany"), QStringLiteral("10/2009")});
}

TEST_F(CliPdfTest, AMonthGivesOnePagePerBillAndCorrectiveBillInFileOrder)
{
    const QString file = pdf("marzec.pdf");
    // March: positions 2, 3 and 5; 4 is April's and 6 of an unknown kind.
    ASSERT_EQ(export_({QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-03"), file}, file), 3);
    const QStringList pages = {pdfPageText(file, 1), pdfPageText(file, 2), pdfPageText(file, 3)};
    expectContains(pages[0], {QStringLiteral("7/2009"), QStringLiteral("Jan Kowalski")});
    expectContains(pages[1], {QStringLiteral("1/K/2009"), QStringLiteral("Jan Kowalski")});
    expectContains(pages[2], {QStringLiteral("9/2009"), QStringLiteral("Firma ABC")});
    for (const QString& page : pages) {
        EXPECT_FALSE(page.contains(QStringLiteral("Łęcka")));
        EXPECT_FALSE(page.contains(QStringLiteral("Nieznany")));
        EXPECT_EQ(page.count(QStringLiteral("Sprzedawca")), 1);
    }
}

// The print font under the current folder letters the page; without one
// the page is lettered in Arial (drawn with its look-alike).
TEST_F(CliPdfTest, ThePrintFontOfTheCurrentFolderLettersThePage)
{
    if (popplerTool(QStringLiteral("pdffonts")).isEmpty())
        GTEST_SKIP() << "pdffonts (poppler-utils) is not installed";
    const auto fontsOf = [](const QString& file) {
        QProcess fonts;
        fonts.start(popplerTool(QStringLiteral("pdffonts")), {file});
        fonts.waitForFinished(60000);
        return QString::fromUtf8(fonts.readAllStandardOutput());
    };
    const QString plain = pdf("arial.pdf");
    export_({QStringLiteral("pdf"), QStringLiteral("2"), plain}, plain);
    EXPECT_TRUE(fontsOf(plain).contains(QStringLiteral("LiberationSans")));
    EXPECT_FALSE(fontsOf(plain).contains(QStringLiteral("LiberationSerif")));

    writePrintFontFile(start(), QStringLiteral("Liberation Serif"), 12);
    const QString serif = pdf("serif.pdf");
    export_({QStringLiteral("pdf"), QStringLiteral("2"), serif}, serif);
    EXPECT_TRUE(fontsOf(serif).contains(QStringLiteral("LiberationSerif")));
}

TEST_F(CliPdfTest, AnExistingFileIsReplacedOnlyByAFinishedExport)
{
    const QString file = pdf("wynik.pdf");
    ASSERT_EQ(export_({QStringLiteral("pdf"), QStringLiteral("2"), file}, file), 1);
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray earlier = old.readAll();
    old.close();

    EXPECT_EQ(run({QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2010-01"), file}).exitCode, 1);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), earlier);
    old.close();

    ASSERT_EQ(export_({QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-04"), file}, file), 1);
    expectContains(pdfPageText(file, 1), {QStringLiteral("Żaneta Łęcka")});
    EXPECT_EQ(QDir(out_.path()).entryList(QDir::Files), QStringList{QStringLiteral("wynik.pdf")});
}

// Bills are kept for years: the PDF names the bill and the program and is
// PDF/A-1b with every font embedded.
TEST_F(CliPdfTest, ThePdfIsNamedAndArchivable)
{
    const QString file = pdf("korekta.pdf");
    ASSERT_EQ(export_({QStringLiteral("pdf"), QStringLiteral("3"), file}, file), 1);
    QProcess info;
    info.start(popplerTool(QStringLiteral("pdfinfo")), {file});
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Title: +Rachunek korygujący 1/K/2009\n"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Creator: +Kwitarnia " KWITARNIA_VERSION "\n"))))
        << text.toStdString();

    QFile bytes(file);
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    const QByteArray content = bytes.readAll();
    EXPECT_TRUE(content.contains("pdfaid:part=\"1\"") && content.contains("pdfaid:conformance=\"B\""));
    EXPECT_TRUE(content.contains("/S/GTS_PDFA1"));

    const QString fontsTool = popplerTool(QStringLiteral("pdffonts"));
    if (fontsTool.isEmpty())
        return;
    QProcess fonts;
    fonts.start(fontsTool, {file});
    ASSERT_TRUE(fonts.waitForFinished(60000));
    const QStringList lines =
        QString::fromUtf8(fonts.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 2);
    for (const QString& line : lines.mid(2))
        EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) +\\d+"))))
            << line.toStdString();
}

} // namespace
} // namespace kw
