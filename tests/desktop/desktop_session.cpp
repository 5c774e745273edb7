#include "tests/desktop/desktop_session.h"

#include <QElapsedTimer>
#include <QHash>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int keyDelayMs = 30;
// How long a window may take to appear or to get the keyboard: a Debug build
// on a two-core machine that is busy building can take this long.
constexpr int windowTimeoutMs = 60000;

// Terminated, so that Xvfb removes its lock and socket and the display is
// free again for the next scenario.
void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

// QProcess learns that a process ended only when asked to wait for it.
bool ended(QProcess& process) { return process.state() == QProcess::NotRunning || process.waitForFinished(0); }

} // namespace

QString DesktopSession::missingTools()
{
    QStringList missing;
    for (const char* tool : {"Xvfb", "xdotool", "setxkbmap", "openbox", "obxprop"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    }
    return missing.join(QStringLiteral(", "));
}

DesktopSession::DesktopSession()
{
    if (!home_.isValid())
        problem_ = QStringLiteral("no temporary home folder");
    else if (startServer() && setPolishKeyboard())
        startWindowManager();
}

DesktopSession::~DesktopSession()
{
    stop(program_);
    stop(windowManager_);
    stop(server_);
}

// Xvfb picks a free display itself and writes its number to the descriptor
// given with -displayfd, here its standard output, once it takes clients.
// Without -noreset the server resets whenever its last client leaves, as
// setxkbmap does: it then refuses the program for a moment and forgets the
// keyboard layout.
bool DesktopSession::startServer()
{
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                   QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                   QStringLiteral("-noreset")});
    QString number;
    waitFor([&] {
        server_.waitForReadyRead(100);
        number += QString::fromLatin1(server_.readAllStandardOutput());
        return number.endsWith(QLatin1Char('\n')) || server_.state() == QProcess::NotRunning;
    });
    if (!number.endsWith(QLatin1Char('\n'))) {
        problem_ = QStringLiteral("Xvfb did not start");
        return false;
    }
    display_ = QLatin1Char(':') + number.trimmed();
    return true;
}

// A Polish keyboard: Polish letters are typed with their own keys (AltGr and
// a letter), as on a Polish desktop, not through keys remapped on the fly.
bool DesktopSession::setPolishKeyboard()
{
    run(QStringLiteral("setxkbmap"), {QStringLiteral("-display"), display_, QStringLiteral("pl")});
    const QString settings =
        run(QStringLiteral("setxkbmap"), {QStringLiteral("-display"), display_, QStringLiteral("-query")});
    for (const QString& line : settings.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("layout:")) &&
            line.section(QLatin1Char(':'), 1).trimmed() == QLatin1String("pl"))
            return true;
    }
    problem_ = QStringLiteral("the keyboard layout is not Polish: ") + settings;
    return false;
}

// The window manager's default configuration, as on a desktop where nobody
// changed it. It announces itself on the root window once it manages windows.
bool DesktopSession::startWindowManager()
{
    windowManager_.setProcessEnvironment(environment());
    windowManager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    const auto announced = [this] {
        return run(QStringLiteral("obxprop"),
                   {QStringLiteral("--display"), display_, QStringLiteral("--root"),
                    QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
            .contains(QLatin1Char('='));
    };
    if (windowManager_.waitForStarted(10000) &&
        waitFor([&] { return ended(windowManager_) || announced(); }, windowTimeoutMs) && !ended(windowManager_))
        return true;
    problem_ = QStringLiteral("openbox did not start: ") + QString::fromUtf8(windowManager_.readAllStandardError());
    return false;
}

// The tests run offscreen; the program under test draws on the X server,
// with Qt's own dialogs whatever desktop the tests are run from, and keeps
// what it remembers in the session's home folder.
QProcessEnvironment DesktopSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                             "XDG_CURRENT_DESKTOP", "QT_QPA_PLATFORMTHEME"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), home());
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return env;
}

QString DesktopSession::run(const QString& tool, const QStringList& arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(tool, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool DesktopSession::startProgram(const QString& program, const QString& folder, const QStringList& arguments)
{
    if (!problem_.isEmpty())
        return false;
    program_.setProcessEnvironment(environment());
    program_.setWorkingDirectory(folder);
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(program, arguments);
    if (!program_.waitForStarted(10000)) {
        problem_ = QStringLiteral("the program did not start");
        return false;
    }
    waitFor(
        [this] {
            const QString active = activeWindow();
            if (!active.isEmpty() && visibleWindows().contains(active))
                mainWindow_ = active;
            return !mainWindow_.isEmpty() || ended(program_);
        },
        windowTimeoutMs);
    if (mainWindow_.isEmpty())
        problem_ = QStringLiteral("no window of the program got the keyboard");
    return !mainWindow_.isEmpty();
}

QStringList DesktopSession::visibleWindows() const
{
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                    QString::number(program_.processId())})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The window that has the keyboard, as the window manager announces it.
QString DesktopSession::activeWindow() const { return xdotool({QStringLiteral("getactivewindow")}).trimmed(); }

void DesktopSession::keys(const QStringList& names)
{
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QString::number(keyDelayMs)} + names);
}

namespace {

// The key of a Polish letter on the Polish keyboard, by its key symbol;
// empty for any other character.
QString polishKey(QChar c)
{
    static const QHash<QChar, QString> keys = {
        {u'ą', QStringLiteral("aogonek")}, {u'ć', QStringLiteral("cacute")}, {u'ę', QStringLiteral("eogonek")},
        {u'ł', QStringLiteral("lstroke")}, {u'ń', QStringLiteral("nacute")}, {u'ó', QStringLiteral("oacute")},
        {u'ś', QStringLiteral("sacute")},  {u'ź', QStringLiteral("zacute")}, {u'ż', QStringLiteral("zabovedot")},
    };
    const QString key = keys.value(c.toLower());
    if (key.isEmpty() || c.isLower())
        return key;
    return QStringLiteral("shift+") + key;
}

} // namespace

// xdotool's own typing remaps a spare key for each letter the keyboard lacks,
// and a program reading the keys meanwhile may lose the letter; the Polish
// letters are pressed as the keys of the Polish keyboard instead.
void DesktopSession::type(const QString& text, int millisecondsPerKey)
{
    const QString delay = QString::number(millisecondsPerKey);
    QString plain;
    const auto typePlain = [&] {
        if (!plain.isEmpty())
            xdotool({QStringLiteral("type"), QStringLiteral("--delay"), delay, plain});
        plain.clear();
    };
    for (const QChar c : text) {
        const QString key = polishKey(c);
        if (key.isEmpty()) {
            plain += c;
            continue;
        }
        typePlain();
        xdotool({QStringLiteral("key"), QStringLiteral("--delay"), delay, key});
    }
    typePlain();
}

void DesktopSession::click(int x, int y)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), mainWindow_, QString::number(x),
             QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
}

bool DesktopSession::waitForDialog()
{
    dialog_.clear();
    return waitFor(
        [this] {
            const QString active = activeWindow();
            if (active.isEmpty() || active == mainWindow_ || !visibleWindows().contains(active))
                return false;
            dialog_ = active;
            return true;
        },
        windowTimeoutMs);
}

bool DesktopSession::waitForMainWindow()
{
    return waitFor([this] { return activeWindow() == mainWindow_ && !visibleWindows().contains(dialog_); },
                   windowTimeoutMs);
}

QString DesktopSession::activeWindowTitled(const QString& title) const
{
    const QString active = activeWindow();
    if (active.isEmpty() || !visibleWindows().contains(active) ||
        xdotool({QStringLiteral("getwindowname"), active}).trimmed() != title)
        return {};
    return active;
}

bool DesktopSession::waitForWindowTitled(const QString& title)
{
    dialog_.clear();
    return waitFor([&] { return !(dialog_ = activeWindowTitled(title)).isEmpty(); }, windowTimeoutMs);
}

bool DesktopSession::takeMainWindowTitled(const QString& title)
{
    QString window;
    if (!waitFor([&] { return !(window = activeWindowTitled(title)).isEmpty(); }, windowTimeoutMs))
        return false;
    mainWindow_ = window;
    return true;
}

bool DesktopSession::waitForProgramEnd()
{
    return waitFor([this] { return ended(program_); }, windowTimeoutMs) &&
        program_.exitStatus() == QProcess::NormalExit && program_.exitCode() == 0;
}

bool DesktopSession::waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}
