#pragma once

#include <QApplication>
#include <QEvent>

// Ends the event loop at the watched window's first paint; the frame is
// painted and flushed before the loop regains control, as kwitarnia
// --quit-when-shown does.
struct QuitAtFirstPaint : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QApplication::exit(0);
        return false;
    }
};
