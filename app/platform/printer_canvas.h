#pragma once

#include "app/platform/print_queue.h"
#include "print/painter_canvas.h"

#include <QPainter>

class QPrinter;

namespace kw {

// The painter a PrinterCanvas draws with, made before the canvas uses it.
struct PrinterPainter {
    QPainter ownPainter;
};

// Paints one print job on a QPrinter. The origin is the corner of the
// printable area. The job is not begun when the printer's queue turns jobs
// away, and counts as failed when the queue turned it away.
class PrinterCanvas : private PrinterPainter, public PainterCanvas
{
public:
    // `printer` and `queue` must outlive the canvas.
    explicit PrinterCanvas(QPrinter& printer, PrintQueue& queue = systemPrintQueue());
    // A job still running (drawing failed half-way) is aborted.
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    void SetPortrait() override;
    void BeginJob() override;
    void EndJob() override;

private:
    QPrinter& printer_;
    PrintQueue& queue_;
};

} // namespace kw
