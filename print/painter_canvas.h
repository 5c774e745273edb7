#pragma once

#include "print/canvas_font.h"
#include "print/page_metrics.h"
#include "print/print_canvas.h"

#include <QPainter>

namespace kw {

// Draws the print operations with a QPainter, on whatever device it paints:
// a printer, a PDF, the pages of a print preview. The painter must outlive
// the canvas; starting and ending the job is left to the device's own
// canvas.
class PainterCanvas : public PrintCanvas
{
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

    void SetFontColour(const QColor& colour) override;
    void PreparePageMetrics() override;
    void SetPrintFont(const QString& face, int points) override;
    void SetBold(quint8 flag) override;
    void DrawBox(int x, int y, int width, int height) override;
    void DrawModules(int x, int y, int side, const ModuleSquare& modules) override;
    void PrintText(int x, int y, const QString& text) override;
    void PrintTextClipped(int x, int y, const QString& text, int right) override;
    int TextWidth(const QString& text) override;

protected:
    // Opens painting on `device` with the pen and brush boxes are drawn with;
    // false when the device refuses.
    bool beginPainting(QPaintDevice& device);
    QPainter& painter() { return painter_; }

private:
    void applyFont();

    QPainter& painter_;
    PageMetrics metrics_;
    CanvasFont font_;
    QColor textColour_ = Qt::black;
};

} // namespace kw
