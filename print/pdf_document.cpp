#include "print/pdf_document.h"

#include "print/print_error.h"
#include "store/records.h"

#include <QPageSize>

namespace kw {

namespace {

QBuffer& openedBuffer(QBuffer& buffer)
{
    buffer.open(QIODevice::WriteOnly);
    return buffer;
}

} // namespace

QString billTitle(const BillPrintout& bill)
{
    const QString number = bill.head.number + QLatin1Char('/') + bill.head.numberSuffix;
    return (isCorrective(bill.document) ? QStringLiteral("Rachunek korygujący ") : QStringLiteral("Rachunek ")) +
        number;
}

QString billPdfFileName(const BillPrintout& bill)
{
    QString name = billTitle(bill);
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    return name + QStringLiteral(".pdf");
}

PdfDocument::PdfDocument(const QString& title)
    : writer_(&openedBuffer(buffer_)), document_(writer_, QStringLiteral("dokumentu PDF"))
{
    writer_.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer_.setTitle(title);
    writer_.setCreator(QStringLiteral("Kwitarnia " KWITARNIA_VERSION));
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
