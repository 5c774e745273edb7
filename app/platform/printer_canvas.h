#pragma once

#include "print/painter_canvas.h"

#include <QPainter>

class QPrinter;

namespace kw {

// The painter a PrinterCanvas draws with, made before the canvas uses it.
struct PrinterPainter {
    QPainter ownPainter;
};

// Paints one print job on a QPrinter. The origin is the corner of the
// printable area.
class PrinterCanvas : private PrinterPainter, public PainterCanvas
{
public:
    // `printer` must outlive the canvas.
    explicit PrinterCanvas(QPrinter& printer);
    // A job still running (drawing failed half-way) is aborted.
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    void SetPortrait() override;
    void BeginJob() override;
    void EndJob() override;

private:
    QPrinter& printer_;
};

} // namespace kw
