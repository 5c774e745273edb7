#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// A desktop of its own for one scenario: an Xvfb server on a free display
// with a Polish keyboard, a window manager (openbox) that gives the keyboard
// to each new window and back to the main window when a dialog closes, and a
// home folder of its own. The program is started in a data folder on it and
// driven with real key and mouse events (XTEST, through xdotool) as a person
// drives it: a scenario waits for what a person waits for, a window that has
// the keyboard, never for a fixed time.
class DesktopSession
{
public:
    // Empty when the tools the desktop needs are installed, else what is missing.
    static QString missingTools();

    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // The home folder the window manager and the program are given.
    QString home() const { return home_.path(); }
    // What went wrong in setting up the desktop or starting the program; empty when nothing did.
    QString problem() const { return problem_; }

    // Starts the program in `folder` and waits until its window has the
    // keyboard; that window is the main window from then on.
    bool startProgram(const QString& program, const QString& folder, const QStringList& arguments = {});

    // Key names as xdotool knows them ("ctrl+s", "Down", "F4"), 30 ms apart.
    void keys(const QStringList& names);
    void key(const QString& name) { keys({name}); }
    // Text typed one character at a time, Polish letters included.
    void type(const QString& text, int millisecondsPerKey = 30);
    // A left click at a point of the main window.
    void click(int x, int y);

    // Waits until another window of the program, a dialog, has the keyboard.
    bool waitForDialog();
    // Waits until that dialog is gone and the main window has the keyboard again.
    bool waitForMainWindow();
    // Waits until a window of the program with this title has the keyboard;
    // it is the dialog from then on.
    bool waitForWindowTitled(const QString& title);
    // Waits until a window of the program with this title has the keyboard;
    // it is the main window from then on. For a start that asks questions
    // before the main window shows.
    bool takeMainWindowTitled(const QString& title);
    // Waits until the program has ended by itself, without a failure.
    bool waitForProgramEnd();

    // Waits up to `timeoutMs` for `done`, letting the program work meanwhile.
    static bool waitFor(const std::function<bool()>& done, int timeoutMs = 30000);

private:
    bool startServer();
    bool setPolishKeyboard();
    bool startWindowManager();
    QProcessEnvironment environment() const;
    QString run(const QString& tool, const QStringList& arguments) const;
    QString xdotool(const QStringList& arguments) const { return run(QStringLiteral("xdotool"), arguments); }
    QStringList visibleWindows() const;
    QString activeWindow() const;
    // The active window when it is a visible window of the program titled `title`, else empty.
    QString activeWindowTitled(const QString& title) const;

    QTemporaryDir home_;
    QProcess server_;
    QProcess windowManager_;
    QProcess program_;
    QString display_;
    QString problem_;
    QString mainWindow_;
    QString dialog_;
};
