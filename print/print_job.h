#pragma once

#include "print/print_canvas.h"

#include <functional>
#include <memory>

namespace kw {

// Makes the canvas of one print job; `copy` counts from 1. It may throw
// PrintError when no job can be prepared.
using CanvasFactory = std::function<std::unique_ptr<PrintCanvas>(int copy)>;

// Draws the page of copy `copy` (from 1) on a canvas.
using PageDrawer = std::function<void(PrintCanvas& canvas, int copy)>;

// Prints `copies` copies of a page, each as a print job of its own, on a
// fresh canvas from `canvasForCopy`: the text colour, portrait, the job, the
// page metrics, `drawPage`, the end of the job and portrait again. Nothing is
// printed for 0 copies or fewer.
//
// Throws PrintError at the first job that cannot be started or fails: when
// it is the first, the bill was not printed; otherwise it names the copy. The
// remaining copies are not printed.
void printCopies(int copies, const QColor& textColour, const CanvasFactory& canvasForCopy, const PageDrawer& drawPage);

} // namespace kw
