#include "app/fitted_window.h"

#include "app/Tfaktura_f.h"

#include <QCloseEvent>
#include <QScrollArea>

namespace kw {

namespace {

// Room for the title bar and borders a window manager adds around the window.
const QSize frameAllowance(16, 48);

// The scrolled view that stands in for the window's frame; closing it asks
// the window's closing question.
class ScrolledWindow : public QScrollArea
{
public:
    explicit ScrolledWindow(Tfaktura_f& window) : window_(window)
    {
        setWindowTitle(window.windowTitle());
        setWindowFlags(window.windowFlags());
        setPalette(window.palette());
        setWidget(&window);
    }
    ~ScrolledWindow() override { takeWidget(); }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        window_.SpeedButton1Click();
    }

private:
    Tfaktura_f& window_;
};

void centreIn(QWidget& widget, const QRect& available)
{
    widget.move(available.center() - QPoint(widget.width() / 2, widget.height() / 2));
}

} // namespace

std::unique_ptr<QWidget> showFitted(Tfaktura_f& window, const QRect& available)
{
    const QSize needed = window.size() + frameAllowance;
    if (available.isEmpty() || (needed.width() <= available.width() && needed.height() <= available.height())) {
        if (!available.isEmpty())
            centreIn(window, available);
        window.show();
        return nullptr;
    }
    auto frame = std::make_unique<ScrolledWindow>(window);
    frame->resize(available.size().boundedTo(needed) - frameAllowance);
    centreIn(*frame, available);
    frame->show();
    return frame;
}

} // namespace kw
