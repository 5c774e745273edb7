#pragma once

#include "print/print_job.h"

#include <QPainter>
#include <QString>

class QPagedPaintDevice;

namespace kw {

// One document of many pages on a paged device (a PDF writer, the printer of
// a print preview): every print job drawn on it becomes its next page, so a
// bill's copies or a month's bills follow each other in one document.
class PagedDocument
{
public:
    // `device` must outlive the document; `name` names it in messages.
    PagedDocument(QPagedPaintDevice& device, const QString& name);
    // Painting still open (a page failed half-way) is ended.
    ~PagedDocument();
    PagedDocument(const PagedDocument&) = delete;
    PagedDocument& operator=(const PagedDocument&) = delete;

    // Makes the canvas of each next page, for printBill or printCopies.
    CanvasFactory pages();
    int pageCount() const { return pages_; }

    // Ends painting. Throws PrintError when the device failed.
    void finish();

private:
    friend class DocumentPage;

    QPagedPaintDevice& device_;
    QString name_;
    QPainter painter_;
    int pages_ = 0;
};

} // namespace kw
