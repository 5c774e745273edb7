#include "print/recording_canvas.h"
#include "tests/print/bill_fixture.h"

#include "editing/number_words.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/print/qt_printers.h"

namespace kw {
namespace {

QStringList pageLog(const BillPrintout& bill, int dpiX = 600, int dpiY = 600, bool withDots = false)
{
    RecordingCanvas canvas(dpiX, dpiY);
    canvas.PreparePageMetrics();
    drawBillPage(canvas, bill);
    QStringList log = canvas.log(withDots);
    log.removeFirst(); // the metrics
    return log;
}

// A printed line table at `top`, as the layout must draw it, with the lines'
// cells (three lines, empty ones included), each text clipped at its
// column's right edge.
QStringList tableLog(int top, const std::array<LineCellsText, 3>& lines, int size)
{
    const int xs[] = {10, 110, 130, 140, 160, 180};
    const int widths[] = {100, 20, 10, 20, 20, 20};
    const QStringList headings = {QStringLiteral("Nazwa"), QStringLiteral("PKWiU"), QStringLiteral("J.m."),
                                  QStringLiteral("Ilość"), QStringLiteral("Cena"),  QStringLiteral("Razem")};
    QStringList log;
    for (int i = 0; i < 6; ++i)
        log << QStringLiteral("box %1,%2,%3,8").arg(xs[i]).arg(top).arg(widths[i]);
    log << QStringLiteral("bold 1");
    for (int i = 0; i < 6; ++i)
        log << QStringLiteral("text %1,%2..%3 %4").arg(xs[i] + 1).arg(top + 2).arg(xs[i] + widths[i]).arg(headings[i]);
    log << QStringLiteral("bold 0") << QStringLiteral("font Courier New %1").arg(size - 1) << QStringLiteral("bold 0");
    for (int line = 0; line < 3; ++line) {
        const int y = top + 8 + line * 5;
        for (int i = 0; i < 6; ++i)
            log << QStringLiteral("box %1,%2,%3,5").arg(xs[i]).arg(y).arg(widths[i]);
        for (int i = 0; i < 6; ++i)
            log << QStringLiteral("text %1,%2..%3 %4")
                       .arg(xs[i] + 1)
                       .arg(y + 1)
                       .arg(xs[i] + widths[i])
                       .arg(lines[line][i]);
    }
    return log;
}

// The head down to the payment lines, without the title and copy label.
QStringList headUpToBuyer()
{
    return {
        "font Arial 10",
        "bold 1",
        "text 10,5 Miejscowość Kraków",
        "text 10,10 Data wystawienia 2009-03-05",
        "bold 0",
        "box 10,15,180,1",
        "font Arial 12",
        "bold 1",
        "text 10,23 Sprzedawca :",
        "bold 0",
        "box 10,28,177,30",
        "box 11,28,178,31",
        "box 12,28,179,32",
        "font Arial 10",
        "text 14,30 Zakład Fryzjerski Grzywka",
        "text 14,35 ul. Długa 5",
        "text 14,40 00-950 Warszawa",
        "text 14,45 Nip 525-000-11-22",
        "text 14,50 Bank PKO BP",
        "text 14,55 Konto 12 1020 0000 0000 0000 0000 0000",
        "font Arial 12",
        "bold 1",
        "text 10,65 Nabywca :",
        "bold 0",
        "font Arial 10",
        "text 10,70 Jan Kowalski",
    };
}

QStringList headAfterTitle()
{
    return {
        "text 10,75 ul. Krótka 1",
        "text 10,80 30-001 Kraków",
        "text 10,85 ",
        "text 10,90 Nip 123-456-78-90",
        "box 10,100,100,1",
        "bold 1",
        "text 10,105 Forma zapłaty :",
        "bold 0",
        "text 40,105 gotówka",
        "bold 1",
        "text 10,110 Termin płatności :",
        "bold 0",
        "text 40,110 2009-03-12",
        "bold 1",
        "text 10,115 Data usługi :",
        "bold 0",
        "text 40,115 2009-03-04",
    };
}

QStringList foot(int wordsY, const QString& wordsLine)
{
    return {
        "font Arial 9",
        "bold 0",
        QStringLiteral("text 10,%1 %2").arg(wordsY).arg(wordsLine),
        QStringLiteral("text 10,%1 Zwolnione z VAT").arg(wordsY + 5),
        "font Arial 10",
        "text 150,237 Anna Nowak",
        "font Arial 9",
        "text 150,242 Podpis osoby uprawnionej",
        "text 150,246 do wystawiania rachunku",
        "box 10,258,180,1",
        "font Arial 8",
        "text 10,261 Wydruk generowany z programu Kwitarnia",
    };
}

QString words(int zloty, const QString& zlotyUnit, int grosz, const QString& groszUnit)
{
    return (zloty ? numberInWords(zloty, zlotyUnit) : QString()) + QLatin1Char(' ') +
        (grosz ? numberInWords(grosz, groszUnit) : QString());
}

const std::array<LineCellsText, 3> billLines = {{
    {"Strzyżenie", "96.02.10", "szt", "1", "10.00", "    10.00"},
    {"Mycie głowy", "", "szt", "1", "2.50", "     2.50"},
    {"", "", "", "", "", ""},
}};

TEST(BillPage, OrdinaryBillIsDrawnInTheLayoutsOrder)
{
    QStringList expected = headUpToBuyer();
    expected << "font Arial 17"
             << "bold 1"
             << "text 115,80 Rachunek nr 7/2009"
             << "bold 0"
             << "font Arial 10"
             << "text 115,87 ORYGINAŁ / KOPIA";
    expected << headAfterTitle() << tableLog(135, billLines, 10);
    expected << "font Courier New 9"
             << "bold 0"
             << "box 180,158,20,5"
             << "text 170,159        12.50 PLN"
             << "font Arial 12"
             << "bold 1"
             << "text 10,177 Do zapłaty :          12.50 PLN";
    expected << foot(
        183, QStringLiteral("Słownie :    ") + words(12, QStringLiteral("złotych"), 50, QStringLiteral("groszy")));

    expectSameLog(pageLog(sampleBill()), expected);
}

TEST(BillPage, CorrectiveBillShowsBothTablesAndTheDifference)
{
    const std::array<LineCellsText, 3> before = {{
        {"Strzyżenie", "", "szt", "1", "30.00", "    30.00"},
        {"Farbowanie", "", "szt", "1", "20.00", "    20.00"},
        {"", "", "", "", "", ""},
    }};
    const std::array<LineCellsText, 3> after = {{
        {"Strzyżenie", "", "szt", "1", "30.00", "    30.00"},
        {"", "", "", "", "", ""},
        {"", "", "", "", "", ""},
    }};

    QStringList expected = headUpToBuyer();
    expected << "font Arial 17"
             << "bold 1"
             << "text 115,80 Rachunek korygujący"
             << "text 115,86 nr 1/K/2009"
             << "bold 0"
             << "font Arial 10"
             << "text 115,93 ORYGINAŁ / KOPIA";
    expected << headAfterTitle() << tableLog(135, after, 10);
    expected << "font Arial 10"
             << "bold 0"
             << "text 10,162 Korekta dotyczy rachunku nr 7/2009 o następującym wyglądzie pierwotnym";
    expected << tableLog(166, before, 10);
    expected << "font Courier New 12"
             << "bold 1"
             << "text 10,208 Do zapłaty pierwotnie było:"
             << "text 80,208        50.00 PLN"
             << "text 10,212 Do zapłaty po korekcie jest:"
             << "text 83,212        30.00 PLN"
             << "text 10,216 Różnica do zapłaty:"
             << "text 75,216       -20.00 PLN";
    expected << foot(222, QStringLiteral("Słownie :   minus ") + words(20, QStringLiteral("złotych"), 0, {}));

    expectSameLog(pageLog(sampleCorrectiveBill()), expected);
}

TEST(BillPage, SizesFollowThePrintFontsBaseSize)
{
    BillPrintout bill = sampleCorrectiveBill();
    bill.lettering = {QStringLiteral("Tahoma"), 14, QColor(Qt::black)};
    QStringList fonts = pageLog(bill).filter(QStringLiteral("font "));
    fonts.removeDuplicates();
    EXPECT_EQ(fonts,
              (QStringList{"font Tahoma 14", "font Tahoma 16", "font Tahoma 21", "font Courier New 13",
                           "font Courier New 16", "font Tahoma 13", "font Tahoma 12"}));
}

struct Printer {
    int dpiX;
    int dpiY;
    int dotsX;
    int dotsY;
    QStringList samples; // lines that must appear in the log with dots
};

class BillPageOnPrinter : public ::testing::TestWithParam<Printer>
{};

// Every position is its units times the printer's dots per unit, on each
// axis separately, and every font height comes from the vertical resolution.
TEST_P(BillPageOnPrinter, PositionsAreUnitsTimesDotsPerUnit)
{
    const Printer& p = GetParam();
    RecordingCanvas canvas(p.dpiX, p.dpiY);
    canvas.PreparePageMetrics();
    drawBillPage(canvas, sampleCorrectiveBill());

    for (const CanvasCall& call : canvas.calls()) {
        SCOPED_TRACE(describe(call, true).toStdString());
        if (call.kind == CanvasCall::Kind::Box) {
            EXPECT_EQ(call.dots,
                      (DotBox{call.x * p.dotsX, call.y * p.dotsY, (call.x + call.width) * p.dotsX,
                              (call.y + call.height) * p.dotsY}));
        }
        if (call.kind == CanvasCall::Kind::Text) {
            EXPECT_EQ(std::pair(call.dots.left, call.dots.top), std::pair(call.x * p.dotsX, call.y * p.dotsY));
        }
        if (call.kind == CanvasCall::Kind::PrintFont) {
            EXPECT_EQ(call.font.height, -roundHalfToEven(call.points * p.dpiY / 72.0));
        }
    }
    const QStringList log = canvas.log(true);
    for (const QString& sample : p.samples)
        EXPECT_TRUE(log.contains(sample)) << sample.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Resolutions, BillPageOnPrinter,
    ::testing::Values(Printer{600,
                              600,
                              24,
                              24,
                              {"box 10,28,177,30 [240,672 4488,1392]", "text 10,5 [240,120] Miejscowość Kraków",
                               "font Arial 10 [-83]", "font Arial 17 [-142]", "font Courier New 12 [-100]",
                               "text 75,216 [1800,5184]       -20.00 PLN"}},
                      Printer{360,
                              360,
                              14,
                              14,
                              {"box 10,15,180,1 [140,210 2660,224]", "font Arial 10 [-50]", "font Courier New 9 [-45]",
                               "text 150,237 [2100,3318] Anna Nowak"}},
                      Printer{600,
                              300,
                              24,
                              12,
                              {"box 10,28,177,30 [240,336 4488,696]", "text 10,5 [240,60] Miejscowość Kraków",
                               "font Arial 10 [-42]", "font Arial 8 [-33]", "box 10,258,180,1 [240,3096 4560,3108]"}}));

struct AmountCase {
    const char* name;
    QString line1;
    QString line2;
    QString payableText; // as printed in the total box
    QString wordsLine;
};

class BillAmounts : public ::testing::TestWithParam<AmountCase>
{};

TEST_P(BillAmounts, TotalBoxPayableAndWordsAgree)
{
    BillPrintout bill = sampleBill();
    setLine(bill.document, LineTable::Bill, 1, {"a", "", "", "", "", GetParam().line1});
    setLine(bill.document, LineTable::Bill, 2, {"b", "", "", "", "", GetParam().line2});
    const QStringList log = pageLog(bill);

    EXPECT_TRUE(log.contains(QStringLiteral("text 170,159 ") + GetParam().payableText));
    EXPECT_TRUE(log.contains(QStringLiteral("text 10,177 Do zapłaty :   ") + GetParam().payableText));
    EXPECT_TRUE(log.contains(QStringLiteral("text 10,183 ") + GetParam().wordsLine))
        << log.filter(QStringLiteral("10,183")).join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, BillAmounts,
                         ::testing::Values(AmountCase{"TwelveFifty", "    10.00", "     2.50", "       12.50 PLN",
                                                      "Słownie :    " + words(12, "złotych", 50, "groszy")},
                                           AmountCase{"UnderOneZloty", "     0.40", "     0.35", "        0.75 PLN",
                                                      "Słownie :     " + numberInWords(75, u"groszy")},
                                           AmountCase{"ExactlyOne", "     1.00", "", "        1.00 PLN",
                                                      "Słownie :    " + numberInWords(1, u"złoty") + " "},
                                           AmountCase{"TwentyTwoTakesTheFewForm", "    22.00", "     0.02",
                                                      "       22.02 PLN",
                                                      "Słownie :    " + words(22, "złote", 2, "grosze")},
                                           AmountCase{"CommaAndEmptyCells", "  4,99", "", "        4.99 PLN",
                                                      "Słownie :    " + words(4, "złote", 99, "groszy")},
                                           AmountCase{"HalfAGroszRoundsUp", "  149.985", "", "      149.99 PLN",
                                                      "Słownie :    " + words(149, "złotych", 99, "groszy")},
                                           AmountCase{"SummedExactly", "  0.105", "  2.57", "        2.68 PLN",
                                                      "Słownie :    " + words(2, "złote", 68, "groszy")}),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(BillPage, HeadShowsTheWindowsTextsAndTablesTheStoredLines)
{
    BillPrintout bill = sampleBill();
    bill.head.buyerLines[0] = QStringLiteral("Jan Kowalski-Nowak");
    ASSERT_EQ(bill.document.get(doc::BuyerLine1), QStringLiteral("Jan Kowalski"));

    const QStringList log = pageLog(bill);
    EXPECT_TRUE(log.contains(QStringLiteral("text 10,70 Jan Kowalski-Nowak")));
    EXPECT_FALSE(log.contains(QStringLiteral("text 10,70 Jan Kowalski")));
    EXPECT_TRUE(log.contains(QStringLiteral("text 11,144..110 Strzyżenie")));
    EXPECT_TRUE(log.contains(QStringLiteral("text 181,149..200      2.50")));
}

// How many units `text` covers in the font in force at `call`.
double unitsAcross(const CanvasCall& call, const QString& text)
{
    return call.font.dotsAcross(text) / call.metrics.dotsPerUnitX();
}

bool isText(const CanvasCall& call) { return call.kind == CanvasCall::Kind::Text; }

struct HeadFont {
    const char* face;
    int size;
    bool termMoves; // the longest caption, "Termin płatności :", reaches past x 40
};

// A wide print font takes a caption of the head past x 40; its value then
// starts one character after the caption instead of covering the caption's
// end. Where the caption ends sooner, the value stays at x 40.
TEST(BillPage, HeadValuesStartOneCharacterAfterTheirCaptions)
{
    const HeadFont fonts[] = {
        {"Arial", 10, false}, {"DejaVu Sans", 10, true}, {"DejaVu Serif", 11, true}, {"Liberation Serif", 20, true}};
    for (const HeadFont& f : fonts) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QString::fromLatin1(f.face)).arg(f.size).toStdString());
        BillPrintout bill = sampleBill();
        bill.lettering = {QString::fromLatin1(f.face), f.size, QColor(Qt::black)};
        RecordingCanvas canvas(600, 600);
        canvas.PreparePageMetrics();
        drawBillPage(canvas, bill);
        const std::vector<CanvasCall>& calls = canvas.calls();

        for (const QString& caption : {QStringLiteral("Forma zapłaty :"), QStringLiteral("Termin płatności :"),
                                       QStringLiteral("Data usługi :")}) {
            SCOPED_TRACE(caption.toStdString());
            const auto at = std::find_if(calls.begin(), calls.end(),
                                         [&](const CanvasCall& c) { return isText(c) && c.text == caption; });
            ASSERT_NE(at, calls.end());
            const auto value = std::find_if(at + 1, calls.end(), isText);
            ASSERT_NE(value, calls.end());
            EXPECT_EQ(value->y, at->y);
            if (at->x + unitsAcross(*at, caption) <= 40) {
                EXPECT_EQ(value->x, 40);
            } else {
                const double oneCharacterOn = at->x + unitsAcross(*at, caption + QLatin1Char(' '));
                EXPECT_GE(value->x, oneCharacterOn);
                EXPECT_LT(value->x, oneCharacterOn + 1);
            }
            if (caption.startsWith(QStringLiteral("Termin"))) {
                EXPECT_EQ(value->x > 40, f.termMoves) << value->x;
            }
        }
    }
}

TEST(BillPage, CorrectiveBillHasNoTotalBox)
{
    const QStringList log = pageLog(sampleCorrectiveBill());
    EXPECT_FALSE(log.contains(QStringLiteral("box 180,158,20,5")));
    EXPECT_TRUE(log.filter(QStringLiteral("Do zapłaty :")).isEmpty());
}

TEST(BillPage, CorrectiveBillRaisingTheAmountHasNoSign)
{
    BillPrintout bill = sampleCorrectiveBill();
    setLine(bill.document, LineTable::Correction, 2, {"Mycie", "", "", "", "", "    21.25"});
    const QStringList log = pageLog(bill);
    EXPECT_TRUE(log.contains(QStringLiteral("text 75,216         1.25 PLN")));
    EXPECT_TRUE(log.contains(QStringLiteral("text 10,222 Słownie :    ") + words(1, "złoty", 25, "groszy")));
}

// A lowered amount's half grosz rounds away from zero, as a raised one's does.
TEST(BillPage, CorrectiveBillHalfGroszRoundsAwayFromZero)
{
    BillPrintout bill = sampleCorrectiveBill();
    setLine(bill.document, LineTable::Bill, 2, {"Mycie", "", "", "", "", "   20.005"});
    const QStringList log = pageLog(bill);
    EXPECT_TRUE(log.contains(QStringLiteral("text 80,208        50.01 PLN")));
    EXPECT_TRUE(log.contains(QStringLiteral("text 75,216       -20.01 PLN")));
    EXPECT_TRUE(log.contains(QStringLiteral("text 10,222 Słownie :   minus ") + words(20, "złotych", 1, "grosz")));
}

} // namespace
} // namespace kw
