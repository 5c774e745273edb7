#include "print/pdf_document.h"

#include "print/pdf_info.h"
#include "print/print_error.h"
#include "store/records.h"

#include <QPageSize>

namespace kw {

namespace {

// The start of the Creator every PDF of the program carries; the version
// follows.
const QString creatorName = QStringLiteral("Kwitarnia");

QBuffer& openedBuffer(QBuffer& buffer)
{
    buffer.open(QIODevice::WriteOnly);
    return buffer;
}

} // namespace

QString billTitle(const BillPrintout& bill)
{
    const QString number = bill.head.number + QLatin1Char('/') + bill.head.numberSuffix;
    const bool corrective = isCorrective(bill.document);
    if (bill.duplicateIssued)
        return (corrective ? QStringLiteral("Duplikat rachunku korygującego ") : QStringLiteral("Duplikat rachunku ")) +
            number;
    return (corrective ? QStringLiteral("Rachunek korygujący ") : QStringLiteral("Rachunek ")) + number;
}

QString billPdfFileName(const BillPrintout& bill)
{
    QString name = billTitle(bill);
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    return name + QStringLiteral(".pdf");
}

OutputKind pdfOutputKind()
{
    return {QStringLiteral("plikiem PDF"), [](QIODevice& existing) {
                const std::optional<QString> creator = pdfCreator(existing);
                return creator && (*creator == creatorName || creator->startsWith(creatorName + QLatin1Char(' ')));
            }};
}

PdfDocument::PdfDocument(const QString& title)
    : writer_(&openedBuffer(buffer_)), document_(writer_, QStringLiteral("dokumentu PDF"))
{
    writer_.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer_.setTitle(title);
    writer_.setCreator(creatorName + QStringLiteral(" " KWITARNIA_VERSION));
    writer_.setResolution(600);
    writer_.setPageSize(QPageSize(QPageSize::A4));
    writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
}

void PdfDocument::addBill(const BillPrintout& bill) { printBill(bill, 1, document_.pages()); }

void PdfDocument::addBill(const BillPrintout& bill, const QStringList& copyLabels)
{
    printBill(bill, copyLabels, document_.pages());
}

QByteArray PdfDocument::finish()
{
    document_.finish();
    if (buffer_.data().isEmpty())
        throw PrintError(QStringLiteral("Nie powstał żaden dokument PDF."));
    return buffer_.data();
}

} // namespace kw
