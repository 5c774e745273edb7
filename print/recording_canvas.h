#pragma once

#include "print/canvas_font.h"
#include "print/page_metrics.h"
#include "print/print_canvas.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace kw {

// One call made on a RecordingCanvas: its arguments and what it works out
// to on the recording's printer.
struct CanvasCall {
    enum class Kind { FontColour, Portrait, BeginJob, PageMetrics, PrintFont, Bold, Box, Modules, Text, EndJob };

    Kind kind = Kind::Portrait;
    int x = 0; // Box, Modules, Text: print units
    int y = 0;
    int width = 0; // Box; Modules: the square's side, in both
    int height = 0;
    int clipRight = 0;    // Text: the x it is clipped at; 0 when it is not
    int points = 0;       // PrintFont
    quint8 flag = 0;      // Bold
    QString text;         // Text: the text; PrintFont: the face asked for
    QColor colour;        // FontColour
    ModuleSquare modules; // Modules
    DotBox dots;          // Box, Modules: its corners; Text: left and top of the text
    CanvasFont font;      // the canvas font after the call
    PageMetrics metrics;  // the metrics in force after the call
};

// A canvas that draws nothing and records every call, for tests of the
// layout. It plays a printer with the given resolutions, and can be told to
// fail its job at the start or at the end.
class RecordingCanvas : public PrintCanvas
{
public:
    RecordingCanvas(int dotsPerInchX, int dotsPerInchY);

    // BeginJob or EndJob throws PrintError instead of being recorded.
    void failAt(CanvasCall::Kind kind) { failAt_ = kind; }

    const std::vector<CanvasCall>& calls() const { return calls_; }

    // One line per call, e.g. "box 10,15,180,1", "text 10,5 Nabywca :" or,
    // clipped at x 130, "text 111,144..130 96.02.10", or for a 2D code of
    // 41 by 41 modules "modules 10,232,24 41x41"; with `withDots`, the
    // corners of boxes and of the modules drawn, text positions and font
    // heights in dots follow the units ("box 10,15,180,1 [240,360 4560,384]").
    QStringList log(bool withDots = false) const;

    void SetFontColour(const QColor& colour) override;
    void SetPortrait() override;
    void BeginJob() override;
    void PreparePageMetrics() override;
    void SetPrintFont(const QString& face, int points) override;
    void SetBold(quint8 flag) override;
    void DrawBox(int x, int y, int width, int height) override;
    void DrawModules(int x, int y, int side, const ModuleSquare& modules) override;
    void PrintText(int x, int y, const QString& text) override;
    void PrintTextClipped(int x, int y, const QString& text, int right) override;
    // Measured with the real font at the recording's resolution; not recorded.
    int TextWidth(const QString& text) override;
    void EndJob() override;

private:
    // Appends a call of `kind` with the font and metrics now in force.
    CanvasCall& record(CanvasCall::Kind kind);
    void failIfAsked(CanvasCall::Kind kind) const;

    int dotsPerInchX_;
    int dotsPerInchY_;
    PageMetrics metrics_;
    CanvasFont font_;
    std::optional<CanvasCall::Kind> failAt_;
    std::vector<CanvasCall> calls_;
};

// A call as one line of RecordingCanvas::log.
QString describe(const CanvasCall& call, bool withDots);

} // namespace kw
