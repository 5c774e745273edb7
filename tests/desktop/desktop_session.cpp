#include "tests/desktop/desktop_session.h"

#include <QElapsedTimer>
#include <QHash>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int keyDelayMs = 30;

QProcessEnvironment environmentFor(const QString& display)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    // The tests run offscreen; the program under test draws on the X server.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return env;
}

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

} // namespace

QString DesktopSession::missingTools()
{
    QStringList missing;
    for (const char* tool : {"Xvfb", "xdotool", "setxkbmap"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    }
    return missing.join(QStringLiteral(", "));
}

// Xvfb picks a free display itself and writes its number to the descriptor
// given with -displayfd, here its standard output.
DesktopSession::DesktopSession()
{
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                   QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_.waitForStarted(5000))
        return;
    waitFor([this] {
        server_.waitForReadyRead(100);
        display_ += QString::fromLatin1(server_.readAllStandardOutput());
        return display_.endsWith(QLatin1Char('\n'));
    });
    display_ = QLatin1Char(':') + display_.trimmed();
    // A Polish keyboard: Polish letters are typed with their own keys (AltGr
    // and a letter), as on a Polish desktop, not through keys remapped on the fly.
    QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-display"), display_, QStringLiteral("pl")});
}

DesktopSession::~DesktopSession()
{
    stop(program_);
    stop(server_);
}

bool DesktopSession::startProgram(const QString& program, const QString& folder)
{
    if (display_.size() < 2)
        return false;
    program_.setProcessEnvironment(environmentFor(display_));
    program_.setWorkingDirectory(folder);
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(program, {});
    if (!program_.waitForStarted(5000))
        return false;
    waitFor(
        [this] {
            const QStringList windows = visibleWindows();
            if (!windows.isEmpty())
                mainWindow_ = windows.constFirst();
            return !mainWindow_.isEmpty();
        },
        30000); // a Debug build on a loaded two-core machine can take this long
    if (mainWindow_.isEmpty())
        return false;
    // The overlays are built just after the first paint.
    QThread::msleep(500);
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), mainWindow_});
    return true;
}

QStringList DesktopSession::visibleWindows() const
{
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                    QString::number(program_.processId())})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString DesktopSession::xdotool(const QStringList& arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(environmentFor(display_));
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(20000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

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

bool DesktopSession::focusDialog()
{
    dialog_.clear();
    waitFor([this] {
        for (const QString& window : visibleWindows()) {
            if (window != mainWindow_)
                dialog_ = window;
        }
        return !dialog_.isEmpty();
    });
    if (dialog_.isEmpty())
        return false;
    // A dialog takes keys once it is drawn.
    QThread::msleep(300);
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), dialog_});
    return true;
}

void DesktopSession::backToMainWindow()
{
    waitFor([this] { return !visibleWindows().contains(dialog_); });
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), mainWindow_});
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
