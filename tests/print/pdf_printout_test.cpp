#include "print/pdf_document.h"
#include "tests/print/bill_fixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kw {
namespace {

// One word of `pdftotext -bbox`, in points from the page's top-left corner.
struct PdfWord {
    QString text;
    double xMin;
    double yMin;
    double xMax;
};

std::vector<PdfWord> wordsOf(const QString& html)
{
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html))
        words.push_back({QTextDocumentFragment::fromHtml(m.captured(4)).toPlainText(), m.captured(1).toDouble(),
                         m.captured(2).toDouble(), m.captured(3).toDouble()});
    return words;
}

// At 600 dpi a unit is 24 dots, 24/600 inch, 2.88 points.
constexpr double pointsPerUnit = 24.0 / 600.0 * 72.0;

class PdfPrintout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pdftotext_ = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext_.isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the PDF printout is not checked";
        ASSERT_TRUE(dir_.isValid());
    }

    // Prints the bill to a PDF at 600 dpi and returns the words on its page.
    std::vector<PdfWord> printToPdf(const BillPrintout& bill)
    {
        const QString pdf = dir_.filePath(QStringLiteral("rachunek.pdf"));
        PdfDocument document(billTitle(bill));
        document.addBill(bill);
        QFile file(pdf);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(document.finish());
        file.close();

        QProcess run;
        run.start(pdftotext_, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(run.waitForFinished(60000));
        EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
        return wordsOf(QString::fromUtf8(run.readAllStandardOutput()));
    }

    QString pdftotext_;
    QTemporaryDir dir_;
};

const PdfWord* find(const std::vector<PdfWord>& words, const QString& text, double minY = 0)
{
    for (const PdfWord& w : words)
        if (w.text == text && w.yMin >= minY)
            return &w;
    return nullptr;
}

// The word's top-left corner lies at the unit position, within half a unit
// across and a unit down (the glyph box starts a little below the cell top).
void expectAt(const std::vector<PdfWord>& words, const QString& text, double xUnits, double yUnits)
{
    const PdfWord* w = find(words, text, (yUnits - 2) * pointsPerUnit);
    ASSERT_NE(w, nullptr) << "no word " << text.toStdString();
    EXPECT_NEAR(w->xMin, xUnits * pointsPerUnit, 0.5 * pointsPerUnit) << text.toStdString();
    EXPECT_NEAR(w->yMin, yUnits * pointsPerUnit, 1.0 * pointsPerUnit) << text.toStdString();
}

TEST_F(PdfPrintout, SellerBuyerAmountsAndWordsStandAtTheirPlaces)
{
    const std::vector<PdfWord> words = printToPdf(sampleBill());

    expectAt(words, QStringLiteral("Miejscowość"), 10, 5);
    expectAt(words, QStringLiteral("Sprzedawca"), 10, 23);
    expectAt(words, QStringLiteral("Zakład"), 14, 30);
    expectAt(words, QStringLiteral("00-950"), 14, 40);
    expectAt(words, QStringLiteral("Nabywca"), 10, 65);
    expectAt(words, QStringLiteral("Jan"), 10, 70);
    expectAt(words, QStringLiteral("Rachunek"), 115, 80);
    expectAt(words, QStringLiteral("Strzyżenie"), 11, 144);

    // The total box's text ends at its right edge, x 200.
    const PdfWord* pln = find(words, QStringLiteral("PLN"), 157 * pointsPerUnit);
    ASSERT_NE(pln, nullptr);
    EXPECT_NEAR(pln->xMax, 200 * pointsPerUnit, 1.0 * pointsPerUnit);
    expectAt(words, QStringLiteral("12.50"), 200 - 9 * 0.6 * 9.0 / pointsPerUnit, 159);
    expectAt(words, QStringLiteral("Do"), 10, 177);
    expectAt(words, QStringLiteral("Słownie"), 10, 183);

    const PdfWord* slownie = find(words, QStringLiteral("Słownie"));
    ASSERT_NE(slownie, nullptr);
    for (const QString& word : {QStringLiteral("dwanaście"), QStringLiteral("złotych"), QStringLiteral("pięćdziesiąt"),
                                QStringLiteral("groszy")}) {
        const PdfWord* w = find(words, word, slownie->yMin - 1);
        ASSERT_NE(w, nullptr) << word.toStdString();
        EXPECT_NEAR(w->yMin, slownie->yMin, 1.0) << word.toStdString();
        EXPECT_GT(w->xMin, slownie->xMin);
    }
    expectAt(words, QStringLiteral("Wydruk"), 10, 261);
}

// An A4 page is 595.28 points wide.
constexpr double pageWidth = 595.28;

// The words on the line at `yUnits`, left to right.
std::vector<PdfWord> lineAt(const std::vector<PdfWord>& words, double yUnits)
{
    std::vector<PdfWord> line;
    for (const PdfWord& w : words)
        if (std::abs(w.yMin - yUnits * pointsPerUnit) < 1.5 * pointsPerUnit)
            line.push_back(w);
    std::sort(line.begin(), line.end(), [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
    return line;
}

class PdfPrintoutAtSize : public PdfPrintout, public ::testing::WithParamInterface<int>
{
protected:
    BillPrintout atSize(BillPrintout bill) const
    {
        bill.lettering.size = GetParam();
        return bill;
    }
};

// The longest amount the 12-character field holds stays whole on the page.
TEST_P(PdfPrintoutAtSize, TheTotalBoxKeepsItsWholeAmountOnThePage)
{
    BillPrintout bill = atSize(sampleBill());
    setLine(bill.document, LineTable::Bill, 1, {"a", "", "", "", "", "999999999.99"});
    setLine(bill.document, LineTable::Bill, 2, {"b", "", "", "", "", ""});
    const std::vector<PdfWord> words = printToPdf(bill);

    const std::vector<PdfWord> box = lineAt(words, 159);
    ASSERT_EQ(box.size(), 2u);
    EXPECT_EQ(box[0].text, QStringLiteral("999999999.99"));
    EXPECT_EQ(box[1].text, QStringLiteral("PLN"));
    EXPECT_LE(box[1].xMax, 200 * pointsPerUnit + 0.5);
    EXPECT_LE(box[1].xMax, pageWidth);
}

TEST_P(PdfPrintoutAtSize, EachCorrectiveAmountStartsAfterItsCaption)
{
    BillPrintout bill = atSize(sampleCorrectiveBill());
    setLine(bill.document, LineTable::Bill, 1, {"a", "", "", "", "", "99999999.99"});
    setLine(bill.document, LineTable::Bill, 2, {"b", "", "", "", "", ""});
    setLine(bill.document, LineTable::Correction, 1, {"a", "", "", "", "", "0.00"});
    const std::vector<PdfWord> words = printToPdf(bill);

    const std::pair<int, const char*> lines[] = {{208, "było:"}, {212, "jest:"}, {216, "zapłaty:"}};
    for (const auto& [y, captionEnd] : lines) {
        const std::vector<PdfWord> line = lineAt(words, y);
        ASSERT_GE(line.size(), 2u) << y;
        // The amount's first word follows the caption's last with a gap.
        const auto caption = std::find_if(line.begin(), line.end(),
                                          [&](const PdfWord& w) { return w.text == QString::fromUtf8(captionEnd); });
        ASSERT_NE(caption, line.end());
        ASSERT_NE(caption + 1, line.end());
        EXPECT_GT((caption + 1)->xMin, caption->xMax) << y;
        EXPECT_GE((caption + 1)->xMin, 75 * pointsPerUnit - 1) << y;
        EXPECT_EQ(line.back().text, QStringLiteral("PLN")) << y;
        EXPECT_LE(line.back().xMax, pageWidth) << y;
    }
}

INSTANTIATE_TEST_SUITE_P(PrintFontSizes, PdfPrintoutAtSize, ::testing::Values(8, 10, 14));

} // namespace
} // namespace kw
