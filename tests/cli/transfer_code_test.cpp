// The payment QR code of `kwitarnia pdf`, read back by tools nobody here
// wrote: poppler renders the page at 300 dpi and ZBar decodes it.

#include "tests/cli/cli_fixture.h"
#include "tests/support/file_bytes.h"

#include "store/data_folder.h"

#include <QProcess>
#include <QStandardPaths>

namespace kw {
namespace {

class TransferCodeDecodeTest : public CliTest
{
protected:
    void SetUp() override
    {
        if (popplerTool(QStringLiteral("pdftoppm")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
            GTEST_SKIP() << "pdftoppm (poppler-utils) or zbarimg (zbar-tools) is not installed";
        CliTest::SetUp();
        ASSERT_TRUE(out_.isValid());

        DocumentRecord watch = transferBill(7, QStringLiteral("120.00"));
        DocumentRecord clock = transferBill(9, QStringLiteral("9999.99"));
        clock.set(doc::BuyerLine1, QStringLiteral("Firma ABC"));
        writeCliDataFolder(
            start(),
            {watch, cliBill(8, QStringLiteral("2009-03-06"), QStringLiteral("Jan Nowak"), QStringLiteral("35.50")),
             clock, transferBill(10, QStringLiteral("10000.00"))});
        CompanyRecord seller;
        seller.set(company::SellerLine1, QStringLiteral("Zegarmistrz Żółkiewski"));
        seller.set(company::SellerTaxId, QStringLiteral("676-123-45-65"));
        seller.set(company::SellerAccount, QStringLiteral("61 1090 1014 0000 0712 1981 2874"));
        writeFileBytes(DataPaths(start()).sellerFile(), seller.bytes());
    }

    static DocumentRecord transferBill(int number, const QString& total)
    {
        DocumentRecord bill = cliBill(number, QStringLiteral("2009-03-05"), QStringLiteral("Jan Kowalski"), total);
        bill.set(doc::PaymentMethod, QStringLiteral("Przelew"));
        return bill;
    }

    // Writes the PDF of `args` and renders it; the PNG file of each page.
    QStringList renderedPages(const QStringList& args)
    {
        const QString pdf = out_.filePath(QStringLiteral("rachunek.pdf"));
        QFile::remove(pdf);
        const ProcessResult result = run(QStringList(args) << pdf);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QString prefix = out_.filePath(QStringLiteral("strona"));
        QProcess render;
        render.start(popplerTool(QStringLiteral("pdftoppm")),
                     {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), pdf, prefix});
        EXPECT_TRUE(render.waitForFinished(60000));
        EXPECT_EQ(render.exitCode(), 0);
        QStringList pages;
        for (int page = 1; page <= pdfPageCount(pdf); ++page)
            pages << QStringLiteral("%1-%2.png").arg(prefix).arg(page);
        return pages;
    }

    // What ZBar reads on the page: one line per code found.
    static QString decoded(const QString& png)
    {
        QProcess zbar;
        zbar.start(QStandardPaths::findExecutable(QStringLiteral("zbarimg")),
                   {QStringLiteral("--raw"), QStringLiteral("-q"), png});
        EXPECT_TRUE(zbar.waitForFinished(60000));
        return QString::fromUtf8(zbar.readAllStandardOutput());
    }

    QTemporaryDir out_;
};

TEST_F(TransferCodeDecodeTest, TheCodeOnTheBillReadsAsTheTransferLine)
{
    const QStringList pages = renderedPages({QStringLiteral("pdf"), QStringLiteral("2")});
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(
        decoded(pages[0]),
        QStringLiteral("6761234565|PL|61109010140000071219812874|012000|Zegarmistrz Zolkiews|Rachunek 7/2009|||\n"));
}

// In a month's PDF each bill paid by transfer carries its own code; one paid
// in cash and one over 9 999,99 zł carry none.
TEST_F(TransferCodeDecodeTest, EachPageOfAMonthCarriesItsOwnBillsCode)
{
    const QStringList pages =
        renderedPages({QStringLiteral("pdf"), QStringLiteral("--month"), QStringLiteral("2009-03")});
    ASSERT_EQ(pages.size(), 4);
    EXPECT_EQ(
        decoded(pages[0]),
        QStringLiteral("6761234565|PL|61109010140000071219812874|012000|Zegarmistrz Zolkiews|Rachunek 7/2009|||\n"));
    EXPECT_EQ(decoded(pages[1]), QString());
    EXPECT_EQ(
        decoded(pages[2]),
        QStringLiteral("6761234565|PL|61109010140000071219812874|999999|Zegarmistrz Zolkiews|Rachunek 9/2009|||\n"));
    EXPECT_EQ(decoded(pages[3]), QString());
}

TEST_F(TransferCodeDecodeTest, TheSwitchInTheModulesOptionsLeavesTheCodeOut)
{
    writeFileBytes(DataPaths(start()).moduleOptionsFile(), "kod_qr_przelewu=0\n");
    const QStringList pages = renderedPages({QStringLiteral("pdf"), QStringLiteral("2")});
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(decoded(pages[0]), QString());
    // The page is otherwise the same bill.
    EXPECT_TRUE(pdfPageText(out_.filePath(QStringLiteral("rachunek.pdf")), 1).contains(QStringLiteral("Przelew")));
}

} // namespace
} // namespace kw
