#include "pdf_bill_job.h"

#include "io_error.h"
#include "print_error.h"
#include "record_file.h"

#include <QFile>
#include <QPageSize>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace kw {

namespace {

// One page of the job, seen by the print routine as a job of its own: its
// start opens a new page after the first, and its end is left to the job.
class JobPageCanvas : public PrintCanvas {
public:
    JobPageCanvas(PrintCanvas& job, QPrinter& printer, bool firstPage)
        : job_(job), printer_(printer), firstPage_(firstPage)
    {
    }

    void SetFontColour(const QColor& colour) override { job_.SetFontColour(colour); }
    void SetPortrait() override { job_.SetPortrait(); }
    void BeginJob() override
    {
        if (firstPage_)
            job_.BeginJob();
        else if (!printer_.newPage())
            throw PrintError(QStringLiteral("Nie można dodać strony do pliku %1.").arg(printer_.outputFileName()));
    }
    void PreparePageMetrics() override { job_.PreparePageMetrics(); }
    void SetPrintFont(const QString& face, int points) override { job_.SetPrintFont(face, points); }
    void SetBold(quint8 flag) override { job_.SetBold(flag); }
    void DrawBox(int x, int y, int width, int height) override { job_.DrawBox(x, y, width, height); }
    void PrintText(int x, int y, const QString& text) override { job_.PrintText(x, y, text); }
    void EndJob() override {}

private:
    PrintCanvas& job_;
    QPrinter& printer_;
    bool firstPage_;
};

QPrinter& preparedPdfPrinter(QPrinter& printer, const QString& fileName)
{
    printer.setOutputFileName(fileName);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

QString notWritten(const QString& fileName)
{
    return QStringLiteral("Nie można zapisać pliku %1 (sprawdź folder i uprawnienia).").arg(fileName);
}

} // namespace

PdfBillJob::TemporaryFile::~TemporaryFile()
{
    if (!kept)
        QFile::remove(path);
}

PdfBillJob::PdfBillJob(const QString& fileName)
    : fileName_(fileName),
      temporary_{temporaryNameFor(fileName)},
      printer_(QPrinter::HighResolution),
      canvas_(preparedPdfPrinter(printer_, temporary_.path))
{
}

PdfBillJob::~PdfBillJob() = default;

void PdfBillJob::addPage(const BillPrintout& bill)
{
    const bool firstPage = pages_ == 0;
    try {
        printBill(bill, 1, [&](int) { return std::make_unique<JobPageCanvas>(canvas_, printer_, firstPage); });
    } catch (const PrintError&) {
        // The canvas names the temporary file; the user knows the target.
        throw PrintError(notWritten(fileName_));
    }
    ++pages_;
}

void PdfBillJob::finish()
{
    Q_ASSERT(pages_ > 0);
    try {
        canvas_.EndJob();
    } catch (const PrintError&) {
        throw PrintError(notWritten(fileName_));
    }
    if (std::rename(QFile::encodeName(temporary_.path).constData(), QFile::encodeName(fileName_).constData()) != 0)
        throw IoError(QStringLiteral("Nie można zapisać pliku %1: %2.").arg(fileName_, describeErrno(errno)));
    temporary_.kept = true;
}

} // namespace kw
