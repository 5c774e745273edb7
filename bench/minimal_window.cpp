// The start-up baseline: a Qt program that shows one empty window and ends
// at its first paint.

#include "bench/quit_at_first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(861, 641);
    QuitAtFirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
