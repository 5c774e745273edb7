#include "bill_fixture.h"
#include "print_error.h"
#include "printer_canvas.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

#include "qt_printers.h"

#include <vector>

namespace kw {
namespace {

// One word of `pdftotext -bbox`, in points from the page's top-left corner.
struct PdfWord {
    QString text;
    double xMin;
    double yMin;
};

std::vector<PdfWord> wordsOf(const QString& html)
{
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html))
        words.push_back({QTextDocumentFragment::fromHtml(m.captured(3)).toPlainText(), m.captured(1).toDouble(),
                         m.captured(2).toDouble()});
    return words;
}

// At 600 dpi a unit is 24 dots, 24/600 inch, 2.88 points.
constexpr double pointsPerUnit = 24.0 / 600.0 * 72.0;

class PdfPrintout : public ::testing::Test {
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
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printBill(bill, 1, [&printer](int) { return std::make_unique<PrinterCanvas>(printer); });

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

    // The total box: seven blanks of Courier New 9 pt (0.6 em each) before
    // the figure.
    const double blanks = 7 * 0.6 * 9.0 / pointsPerUnit;
    expectAt(words, QStringLiteral("12.50"), 181 + blanks, 159);
    expectAt(words, QStringLiteral("Do"), 10, 177);
    expectAt(words, QStringLiteral("Słownie"), 10, 183);

    const PdfWord* slownie = find(words, QStringLiteral("Słownie"));
    ASSERT_NE(slownie, nullptr);
    for (const QString& word : {QStringLiteral("dwanaście"), QStringLiteral("złotych"),
                                QStringLiteral("pięćdziesiąt"), QStringLiteral("groszy")}) {
        const PdfWord* w = find(words, word, slownie->yMin - 1);
        ASSERT_NE(w, nullptr) << word.toStdString();
        EXPECT_NEAR(w->yMin, slownie->yMin, 1.0) << word.toStdString();
        EXPECT_GT(w->xMin, slownie->xMin);
    }
    expectAt(words, QStringLiteral("Wydruk"), 10, 261);
}

TEST(PrinterCanvasJob, UnwritableOutputIsReported)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/rachunek.pdf"));
    EXPECT_THROW(printBill(sampleBill(), 2, [&printer](int) { return std::make_unique<PrinterCanvas>(printer); }),
                 PrintError);
}

} // namespace
} // namespace kw
