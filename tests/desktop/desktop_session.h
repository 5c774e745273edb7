#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

// A desktop of its own for one scenario: an Xvfb server on a free display
// with a Polish keyboard, and the program started in a data folder on it, driven with real key and
// mouse events (XTEST, through xdotool) as a person drives it. There is no
// window manager: a dialog is given the keyboard as a window manager would,
// by focusing it, and the main window gets it back when the dialog closes.
class DesktopSession
{
public:
    // Empty when Xvfb, xdotool and setxkbmap are installed, else what is missing.
    static QString missingTools();

    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Starts the program in `folder` and waits for its window; false on failure.
    bool startProgram(const QString& program, const QString& folder);

    // Key names as xdotool knows them ("ctrl+s", "Down", "F4"), 30 ms apart.
    void keys(const QStringList& names);
    void key(const QString& name) { keys({name}); }
    // Text typed one character at a time, Polish letters included.
    void type(const QString& text, int millisecondsPerKey = 30);
    // A left click at a point of the main window.
    void click(int x, int y);

    // Waits for a dialog of the program and gives it the keyboard; false if
    // none opened within a few seconds.
    bool focusDialog();
    // Waits until the dialog is gone and gives the main window the keyboard.
    void backToMainWindow();

    // Waits up to `timeoutMs` for `done`, letting the program work meanwhile.
    static bool waitFor(const std::function<bool()>& done, int timeoutMs = 5000);

private:
    QStringList visibleWindows() const;
    QString xdotool(const QStringList& arguments) const;

    QProcess server_;
    QProcess program_;
    QString display_;
    QString mainWindow_;
    QString dialog_;
};
