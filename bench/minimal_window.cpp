// The start-up baseline: a Qt program that shows one empty window and ends
// at its first paint (the frame is flushed before the event loop regains
// control), exactly as kwitarnia --quit-when-shown does.

#include <QApplication>
#include <QWidget>

namespace {

struct FirstPaint : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QApplication::exit(0);
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(861, 641);
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
