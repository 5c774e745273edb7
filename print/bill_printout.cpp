#include "print/bill_printout.h"

#include "print/line_table.h"
#include "print/printed_amounts.h"
#include "print/qr_code.h"
#include "print/transfer_code.h"

#include <algorithm>

namespace kw {

namespace {

constexpr int totalBoxRight = 200;
// The right end of the rule under the place and issue date.
constexpr int headRight = 190;

// Draws the page against one canvas with the print font's face and size.
class BillPage
{
public:
    BillPage(PrintCanvas& canvas, const BillPrintout& bill)
        : c_(canvas), bill_(bill), face_(bill.lettering.face), size_(bill.lettering.size),
          corrective_(isCorrective(bill.document)), amounts_(printedAmounts(bill.document))
    {}

    void draw()
    {
        drawHead();
        if (corrective_)
            drawCorrectiveBody();
        else
            drawBillBody();
        drawFoot();
        drawTransferCode();
    }

private:
    void font(int points) { c_.SetPrintFont(face_, points); }
    void bold() { c_.SetBold(1); }
    void plain() { c_.SetBold(0); }

    void drawHead()
    {
        font(size_);
        bold();
        c_.PrintText(10, 5, QStringLiteral("Miejscowość ") + bill_.head.place);
        c_.PrintText(10, 10, QStringLiteral("Data wystawienia ") + bill_.head.issueDate);
        if (bill_.duplicateIssued)
            drawDuplicateMark(*bill_.duplicateIssued);
        plain();
        c_.DrawBox(10, 15, 180, 1);

        font(size_ + 2);
        bold();
        c_.PrintText(10, 23, QStringLiteral("Sprzedawca :"));
        plain();
        // Three nested outlines make a heavier frame.
        c_.DrawBox(10, 28, 177, 30);
        c_.DrawBox(11, 28, 178, 31);
        c_.DrawBox(12, 28, 179, 32);
        font(size_);
        c_.PrintText(14, 30, bill_.seller.get(company::SellerLine1));
        c_.PrintText(14, 35, bill_.seller.get(company::SellerLine2));
        c_.PrintText(14, 40, bill_.seller.get(company::SellerLine3));
        c_.PrintText(14, 45, QStringLiteral("Nip ") + bill_.seller.get(company::SellerTaxId));
        c_.PrintText(14, 50, QStringLiteral("Bank ") + bill_.seller.get(company::SellerBank));
        c_.PrintText(14, 55, QStringLiteral("Konto ") + bill_.seller.get(company::SellerAccount));

        font(size_ + 2);
        bold();
        c_.PrintText(10, 65, QStringLiteral("Nabywca :"));
        plain();
        font(size_);
        c_.PrintText(10, 70, bill_.head.buyerLines[0]);

        // The title comes before the buyer's other lines, so a long buyer line
        // is drawn over it.
        font(size_ + 7);
        bold();
        const QString number = bill_.head.number + QLatin1Char('/') + bill_.head.numberSuffix;
        if (corrective_) {
            c_.PrintText(115, 80, QStringLiteral("Rachunek korygujący"));
            c_.PrintText(115, 86, QStringLiteral("nr ") + number);
        } else {
            c_.PrintText(115, 80, QStringLiteral("Rachunek nr ") + number);
        }
        plain();
        font(size_);
        c_.PrintText(115, corrective_ ? 93 : 87, bill_.copyLabel);

        c_.PrintText(10, 75, bill_.head.buyerLines[1]);
        c_.PrintText(10, 80, bill_.head.buyerLines[2]);
        c_.PrintText(10, 85, bill_.head.buyerLines[3]);
        c_.PrintText(10, 90, QStringLiteral("Nip ") + bill_.head.buyerTaxId);
        c_.DrawBox(10, 100, 100, 1);

        labelled(105, QStringLiteral("Forma zapłaty :"), bill_.head.paymentMethod);
        labelled(110, QStringLiteral("Termin płatności :"), bill_.head.paymentTerm);
        labelled(115, QStringLiteral("Data usługi :"), bill_.head.serviceDate);

        drawLineTable(135, corrective_ ? LineTable::Correction : LineTable::Bill);
    }

    // Right-aligned to the rule's end, opposite the place and the issue date,
    // in their font. A place long enough to reach "DUPLIKAT" keeps its line:
    // the mark then stands before the duplicate's date, since the issue
    // date beside that is never longer than ten characters.
    void drawDuplicateMark(const QDate& issued)
    {
        const QString mark = QStringLiteral("DUPLIKAT");
        const QString date = QStringLiteral("Data wystawienia duplikatu: ") + issued.toString(u"yyyy-MM-dd");
        const int dateX = headRight - c_.TextWidth(date);
        const int placeEnd = 10 + c_.TextWidth(QStringLiteral("Miejscowość ") + bill_.head.place + QLatin1Char(' '));
        if (placeEnd <= headRight - c_.TextWidth(mark))
            c_.PrintText(headRight - c_.TextWidth(mark), 5, mark);
        else
            c_.PrintText(dateX - c_.TextWidth(mark + QLatin1Char(' ')), 10, mark);
        c_.PrintText(dateX, 10, date);
    }

    // The value starts at x 40, or one character after its caption where a
    // wide print font takes the caption past x 40.
    void labelled(int y, const QString& label, const QString& value)
    {
        bold();
        c_.PrintText(10, y, label);
        const int valueX = 10 + c_.TextWidth(label) <= 40 ? 40 : 10 + c_.TextWidth(label + QLatin1Char(' '));
        plain();
        c_.PrintText(valueX, y, value);
    }

    // Three lines are always printed, empty ones included; the table ends 23
    // units below `top`. Every text is cut at its column's right edge.
    void drawLineTable(int top, LineTable table)
    {
        for (const LineTableColumn& column : lineTableColumns)
            c_.DrawBox(column.x, top, column.width, 8);
        bold();
        for (const LineTableColumn& column : lineTableColumns)
            c_.PrintTextClipped(column.x + 1, top + 2, column.heading, column.x + column.width);
        plain();

        c_.SetPrintFont(lineTableFace, size_ - 1);
        plain();
        for (int line = 1; line <= 3; ++line) {
            const int y = top + 8 + (line - 1) * 5;
            for (const LineTableColumn& column : lineTableColumns)
                c_.DrawBox(column.x, y, column.width, 5);
            for (int col = 1; col <= 6; ++col) {
                const LineTableColumn& column = lineTableColumns[col - 1];
                c_.PrintTextClipped(column.x + 1, y + 1, bill_.document.get(lineCell(table, col, line)),
                                    column.x + column.width);
            }
        }
    }

    void drawBillBody()
    {
        const QString payable = printedAmount(amounts_.payable);
        c_.SetPrintFont(lineTableFace, size_ - 1);
        plain();
        c_.DrawBox(180, 158, 20, 5);
        // Right-aligned to the box's right edge: from x 181 the figures and
        // " PLN" would run off an A4 page.
        c_.PrintText(totalBoxRight - c_.TextWidth(payable), 159, payable);

        font(size_ + 2);
        bold();
        c_.PrintText(10, 177, QStringLiteral("Do zapłaty :   ") + payable);
    }

    void drawCorrectiveBody()
    {
        font(size_);
        plain();
        c_.PrintText(10, 162,
                     QStringLiteral("Korekta dotyczy rachunku nr ") + bill_.correctedRef +
                         QStringLiteral(" o następującym wyglądzie pierwotnym"));
        drawLineTable(166, LineTable::Bill);

        c_.SetPrintFont(lineTableFace, size_ + 2);
        bold();
        captionedAmount(208, QStringLiteral("Do zapłaty pierwotnie było:"), amounts_.beforeCorrection);
        captionedAmount(212, QStringLiteral("Do zapłaty po korekcie jest:"), amounts_.afterCorrection);
        captionedAmount(216, QStringLiteral("Różnica do zapłaty:"), amounts_.payable);
    }

    // The amount starts at x 75, or one character after its caption where the
    // caption reaches further, so a large print font never runs the amount
    // into the caption's end.
    void captionedAmount(int y, const QString& caption, Money amount)
    {
        c_.PrintText(10, y, caption);
        c_.PrintText(std::max(75, 10 + c_.TextWidth(caption + QLatin1Char(' '))), y, printedAmount(amount));
    }

    void drawFoot()
    {
        const int words = corrective_ ? 222 : 183;
        font(size_ - 1);
        plain();
        c_.PrintText(10, words, printedWordsLine(amounts_.payable));
        c_.PrintText(10, words + 5, bill_.footnote);

        font(size_);
        c_.PrintText(150, 237, bill_.head.signature);
        font(size_ - 1);
        c_.PrintText(150, 242, QStringLiteral("Podpis osoby uprawnionej"));
        c_.PrintText(150, 246, QStringLiteral("do wystawiania rachunku"));
        c_.DrawBox(10, 258, 180, 1);
        font(size_ - 2);
        c_.PrintText(10, 261, QStringLiteral("Wydruk generowany z programu Kwitarnia"));
    }

    void drawTransferCode()
    {
        if (!bill_.transferCode)
            return;
        const std::optional<TransferOrder> order = transferOrderFor(bill_);
        const std::optional<QString> line = order ? transferCodeLine(*order) : std::nullopt;
        if (line)
            c_.DrawModules(transferCodeX, transferCodeY, transferCodeSide, qrCodeModules(line->toLatin1()));
    }

    PrintCanvas& c_;
    const BillPrintout& bill_;
    const QString face_;
    const int size_;
    const bool corrective_;
    const PrintedAmounts amounts_;
};

} // namespace

void drawBillPage(PrintCanvas& canvas, const BillPrintout& bill) { BillPage(canvas, bill).draw(); }

void takeStoredDocument(BillPrintout& bill, const DocumentRecord& document)
{
    bill.head = readHead(document);
    bill.correctedRef = isCorrective(document) ? document.get(doc::CorrectedRef) : QString();
    bill.document = document;
}

void printBill(const BillPrintout& bill, const QStringList& copyLabels, const CanvasFactory& canvasForCopy)
{
    printCopies(int(copyLabels.size()), bill.lettering.colour, canvasForCopy,
                [&bill, &copyLabels](PrintCanvas& canvas, int copy) {
                    BillPrintout labelled = bill;
                    labelled.copyLabel = copyLabels[copy - 1];
                    drawBillPage(canvas, labelled);
                });
}

void printBill(const BillPrintout& bill, int copies, const CanvasFactory& canvasForCopy)
{
    printBill(bill, QStringList(std::max(copies, 0), bill.copyLabel), canvasForCopy);
}

} // namespace kw
