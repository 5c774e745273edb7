#pragma once

#include "canvas_font.h"
#include "page_metrics.h"
#include "print_canvas.h"

#include <QPainter>

class QPrinter;

// Paints one print job on a QPrinter, a real printer or a PDF file. The
// origin is the corner of the printable area; PDF output uses the whole
// page, since a PDF has no unprintable margin and Qt would otherwise add one.
class PrinterCanvas : public kw::PrintCanvas {
public:
    // `printer` must outlive the canvas.
    explicit PrinterCanvas(QPrinter& printer);
    // A job still running (drawing failed half-way) is aborted.
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    void SetFontColour(const QColor& colour) override;
    void SetPortrait() override;
    void BeginJob() override;
    void PreparePageMetrics() override;
    void SetPrintFont(const QString& face, int points) override;
    void SetBold(quint8 flag) override;
    void DrawBox(int x, int y, int width, int height) override;
    void PrintText(int x, int y, const QString& text) override;
    void EndJob() override;

private:
    void applyFont();
    QString printerName() const;

    QPrinter& printer_;
    QPainter painter_;
    kw::PageMetrics metrics_;
    kw::CanvasFont font_;
    QColor textColour_ = Qt::black;
};
