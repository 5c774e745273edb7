#pragma once

#include "bill_printout.h"
#include "printer_canvas.h"

#include <QPrinter>
#include <QString>

namespace kw {

// A PDF file of bill pages, one page per bill, painted as one print job on
// one canvas. The pages go to a temporary file beside the target, which
// takes the target's name only when the job has ended well; until then an
// existing file of that name stays as it was, and nothing at all is written
// when no page is added. Needs a QGuiApplication.
class PdfBillJob {
public:
    explicit PdfBillJob(const QString& fileName);
    // An unfinished job is aborted and its temporary file removed.
    ~PdfBillJob();
    PdfBillJob(const PdfBillJob&) = delete;
    PdfBillJob& operator=(const PdfBillJob&) = delete;

    // Prints `bill` on a page of its own, as "Drukuj" prints one copy.
    // Throws PrintError when the job cannot be started or a page added.
    void addPage(const BillPrintout& bill);
    int pageCount() const { return pages_; }

    // Ends the job and gives the file its name. Throws PrintError when the
    // job failed and IoError when the file cannot be renamed.
    void finish();

private:
    // Removes the temporary file unless it was renamed; declared first so it
    // runs after the canvas has aborted the job.
    struct TemporaryFile {
        QString path;
        bool kept = false;
        ~TemporaryFile();
    };

    QString fileName_;
    TemporaryFile temporary_;
    QPrinter printer_;
    PrinterCanvas canvas_;
    int pages_ = 0;
};

} // namespace kw
