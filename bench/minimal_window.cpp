// The start-up baseline: a Qt program that shows one empty window and ends
// right after its first paint.

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

struct FirstPaint : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { QApplication::exit(0); });
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
