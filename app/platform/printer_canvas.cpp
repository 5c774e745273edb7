#include "app/platform/printer_canvas.h"

#include "print/print_error.h"

#include <QPageLayout>
#include <QPrinter>

namespace kw {

PrinterCanvas::PrinterCanvas(QPrinter& printer, PrintQueue& queue)
    : PainterCanvas(ownPainter), printer_(printer), queue_(queue)
{}

PrinterCanvas::~PrinterCanvas()
{
    if (painter().isActive()) {
        printer_.abort();
        painter().end();
    }
}

void PrinterCanvas::SetPortrait() { printer_.setPageOrientation(QPageLayout::Portrait); }

void PrinterCanvas::BeginJob()
{
    if (const QString refusal = queue_.refusal(printer_); !refusal.isEmpty())
        throw PrintError(refusal);
    if (!beginPainting(printer_))
        throw PrintError(QStringLiteral("Nie można rozpocząć wydruku na drukarce %1.").arg(printer_.printerName()));
}

void PrinterCanvas::EndJob()
{
    const bool ended = painter().end();
    if (!ended || printer_.printerState() == QPrinter::Error || printer_.printerState() == QPrinter::Aborted)
        throw PrintError(QStringLiteral("Wydruk na drukarce %1 nie powiódł się.").arg(printer_.printerName()));
    if (const QString refusal = queue_.jobRefusal(printer_); !refusal.isEmpty())
        throw PrintError(refusal);
}

} // namespace kw
