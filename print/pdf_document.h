#pragma once

#include "print/bill_printout.h"
#include "print/paged_document.h"
#include "store/output_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>
#include <QString>

namespace kw {

// "Rachunek 14/2009" or "Rachunek korygujący 1/K/2009", for a duplicate
// "Duplikat rachunku 14/2009" or "Duplikat rachunku korygującego 1/K/2009":
// what a bill is called in a PDF's title and a mail's subject.
QString billTitle(const BillPrintout& bill);

// "Rachunek 14-2009.pdf": the title made a file name.
QString billPdfFileName(const BillPrintout& bill);

// A PDF file: replaces only a PDF whose document information names this
// program as its creator, as every PdfDocument does.
OutputKind pdfOutputKind();

// Bill pages as a PDF file's bytes, painted in memory at 600 dpi on whole A4
// pages, so that a file is written only once the document is whole. The
// document carries its title and the program as its creator, and is made as
// PDF/A-1b, fonts embedded, since bills are kept for years. Needs a
// QGuiApplication.
class PdfDocument
{
public:
    explicit PdfDocument(const QString& title);
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Adds a page of `bill`. Throws PrintError when it cannot be added.
    void addBill(const BillPrintout& bill);
    // Adds a page of `bill` per copy label, as "Drukuj" prints each copy.
    void addBill(const BillPrintout& bill, const QStringList& copyLabels);
    int pageCount() const { return document_.pageCount(); }

    // The finished file. Throws PrintError when the document could not be
    // completed.
    QByteArray finish();

private:
    QBuffer buffer_;
    QPdfWriter writer_;
    PagedDocument document_;
};

} // namespace kw
