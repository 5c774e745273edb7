#pragma once

#include <QRect>

#include <memory>

class QWidget;

namespace kw {

class Tfaktura_f;

// Shows the main window centred in `available` (a screen's free area). A
// window that does not fit there, with room for the window frame, is shown
// inside a scrolled view of the screen's size instead. Returns that view, or
// null when the window is shown as it is; the view never deletes the window
// and must be destroyed before it.
std::unique_ptr<QWidget> showFitted(Tfaktura_f& window, const QRect& available);

} // namespace kw
