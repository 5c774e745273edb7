#pragma once

#include "print/module_square.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

namespace kw {

// The drawing operations the bill is printed with. Positions and extents are
// whole print units (1/25 inch) from the top-left corner of the printable
// area; an implementation turns them into dots with PageMetrics.
//
// One canvas serves one print job, called in this order: SetFontColour,
// SetPortrait, BeginJob, PreparePageMetrics, any number of SetPrintFont,
// SetBold, DrawBox, DrawModules, PrintText and PrintTextClipped, EndJob,
// SetPortrait.
class PrintCanvas
{
public:
    virtual ~PrintCanvas() = default;

    // The colour of all text; boxes are always outlined in black.
    virtual void SetFontColour(const QColor& colour) = 0;
    virtual void SetPortrait() = 0;
    // Starts the print job; throws PrintError when it cannot be started.
    virtual void BeginJob() = 0;
    // Reads the printer's resolutions; called before anything is drawn.
    virtual void PreparePageMetrics() = 0;
    // Face (empty keeps the current one) and size in points; the colour
    // and style are not touched.
    virtual void SetPrintFont(const QString& face, int points) = 0;
    // 1 bold, 0 plain, any other value leaves the style as it is.
    virtual void SetBold(quint8 flag) = 0;
    // An outlined box filled white, covering what was drawn inside before.
    // A box of height 1 serves as a rule.
    virtual void DrawBox(int x, int y, int width, int height) = 0;
    // A 2D code: the dark modules of `modules` in black, placed in the
    // square of `side` units at (x, y) as placeModules says; the light ones
    // are left as the paper is.
    virtual void DrawModules(int x, int y, int side, const ModuleSquare& modules) = 0;
    // One line of text with its top-left corner at (x, y); never wrapped or
    // clipped. Its cell is not filled: lines set closer than the font is
    // tall would otherwise cut off the descenders of the line above.
    virtual void PrintText(int x, int y, const QString& text) = 0;
    // PrintText with nothing of the text at or right of x `right`, so a
    // table cell's text stays inside its column.
    virtual void PrintTextClipped(int x, int y, const QString& text, int right) = 0;
    // How many whole units `text` covers across in the current font, so the
    // layout can right-align a text or start one after another.
    virtual int TextWidth(const QString& text) = 0;
    // Ends the print job and sends it; throws PrintError when it failed.
    virtual void EndJob() = 0;
};

} // namespace kw
