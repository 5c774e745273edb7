#include "app/Tfaktura_f.h"
#include "app/app_identity.h"
#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_output.h"
#include "app/cli/command_line.h"
#include "app/desktop_data_folder.h"
#include "app/display_check.h"
#include "app/fitted_window.h"
#include "app/pictures/pictures.h"
#include "app/platform/app_fonts.h"
#include "app/platform/qt_dialogs.h"
#include "handoff/process_starter.h"
#include "store/file_ops.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>

using namespace kw;

namespace {

// Qt's own texts (dialog buttons, calendar, context menus) in Polish,
// whatever locale the process was started with.
void installPolishQtTexts(QApplication& app, QTranslator& translator)
{
    if (translator.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

// Calls onPaint when the window gets its first paint event. The filter
// belongs to the window and goes with it.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget& window, std::function<void()> onPaint) : QObject(&window), onPaint_(std::move(onPaint))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            onPaint_();
        }
        return false;
    }

private:
    std::function<void()> onPaint_;
};

// Ends the event loop at the window's first paint. The frame is painted and
// flushed before the loop regains control; work the program queues for after
// its first paint is not counted.
void quitAtFirstPaint(QWidget& window)
{
    new FirstPaint(window, [] { QApplication::exit(0); });
}

// Runs action on the event loop's first turn after the window's first paint.
void afterFirstPaint(QWidget& window, std::function<void()> action)
{
    new FirstPaint(window, [&window, action = std::move(action)] { QTimer::singleShot(0, &window, action); });
}

QRect availableScreenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The settings window alone, for the data folder the module started here
// would use; the process ends when it is closed.
int runSettingsOnly(Platform& platform, const QString& screenshotFile)
{
    std::unique_ptr<SettingsWindow> window;
    try {
        const QString startFolder = QDir::currentPath();
        window = std::make_unique<SettingsWindow>(platform.dialogs, platform.files,
                                                  dataPathsFor(platform.files, startFolder), startFolder);
    } catch (const IoError& error) {
        platform.dialogs.showError(nullptr, error.message());
        return 1;
    }
    window->move(availableScreenArea().center() - window->rect().center());
    window->show();
    if (!screenshotFile.isEmpty())
        QTimer::singleShot(300, window.get(), [&window, screenshotFile] {
            QApplication::exit(window->grab().save(screenshotFile, "PNG") ? 0 : 1);
        });
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (isCommandLine(args))
        return runCommandLine(args);
    if (const std::optional<QString> problem = missingDisplay(args)) {
        printError(*problem);
        return 1;
    }

    QApplication app(argc, argv);
    setApplicationIdentity();
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator qtTexts;
    installPolishQtTexts(app, qtTexts);
    installFontSubstitutes();

    QCommandLineParser options;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Zapisz obraz okna do pliku PNG i zakończ."),
                                        QStringLiteral("FILE"));
    options.addOption(screenshot);
    const QCommandLineOption desktop(QStringLiteral("desktop"),
                                     QStringLiteral("Pracuj w folderze danych wybranym ostatnio (start z menu)."));
    options.addOption(desktop);
    const QCommandLineOption settingsOnly(QStringLiteral("settings"),
                                          QStringLiteral("Otwórz tylko okno ustawień (sprzedawca, numeracja, "
                                                         "czcionka wydruku, klienci, usługi)."));
    options.addOption(settingsOnly);
    // For the start-up benchmark: ends the process once the window has painted.
    QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    options.addOption(quitWhenShown);
    options.process(app);

    QtDialogs dialogs;
    Clock clock;
    SystemProcessStarter processes;
    Platform platform{dialogs, clock, systemFileOps(), processes};
    bool newDataFolder = false;
    if (options.isSet(desktop)) {
        QSettings memory;
        const std::optional<QString> folder =
            desktopDataFolder(dialogs, platform.files, memory, QDir::home().filePath(QStringLiteral("Kwitarnia")));
        if (!folder)
            return 0;
        QDir::setCurrent(*folder);
        // A folder without a seller file was just made: the user's first stop is
        // the settings, to enter the company's name before the first bill.
        newDataFolder = !QFileInfo::exists(DataPaths(*folder).sellerFile());
    }
    if (options.isSet(settingsOnly))
        return runSettingsOnly(platform, options.value(screenshot));
    Tfaktura_f faktura_f(platform, QDir::currentPath(), nullptr, Tfaktura_f::StartMode::Deferred);
    QObject::connect(&faktura_f, &Tfaktura_f::moduleClosed, &app, [] { QApplication::exit(0); });
    // Reading the SVG loads Qt's SVG plugin; the window shows sooner without
    // waiting for it.
    afterFirstPaint(faktura_f, [] { QApplication::setWindowIcon(applicationIcon()); });
    const std::unique_ptr<QWidget> scrolledView = showFitted(faktura_f, availableScreenArea());
    if (newDataFolder)
        QTimer::singleShot(0, &faktura_f, &Tfaktura_f::openSettings);

    if (options.isSet(screenshot)) {
        const QString file = options.value(screenshot);
        // A few ticks of the window's timers first, so the picture shows the
        // computed texts rather than the designed ones.
        QTimer::singleShot(300, &faktura_f,
                           [&faktura_f, file] { QApplication::exit(faktura_f.grab().save(file, "PNG") ? 0 : 1); });
    }
    if (options.isSet(quitWhenShown))
        quitAtFirstPaint(faktura_f);
    return QApplication::exec();
}
