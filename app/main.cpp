#include "Tfaktura_f.h"
#include "app_fonts.h"
#include "cli_data_folder.h"
#include "command_line.h"
#include "glyphs.h"
#include "file_ops.h"
#include "process_starter.h"
#include "qt_dialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

// Qt's own texts (dialog buttons, calendar, context menus) in Polish,
// whatever locale the process was started with.
void installPolishQtTexts(QApplication& app, QTranslator& translator)
{
    if (translator.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

// Ends the event loop at the window's first paint. The frame is painted and
// flushed before the loop regains control; work the program queues for after
// its first paint is not counted.
void quitAtFirstPaint(QWidget& window)
{
    struct FirstPaint : QObject {
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                QApplication::exit(0);
            return false;
        }
    };
    window.installEventFilter(new FirstPaint);
}

// Runs action on the event loop's first turn after the window's first paint.
void afterFirstPaint(QWidget& window, std::function<void()> action)
{
    struct FirstPaint : QObject {
        std::function<void()> action;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, this, [this] {
                    action();
                    deleteLater();
                });
            }
            return false;
        }
    };
    auto* filter = new FirstPaint;
    filter->action = std::move(action);
    window.installEventFilter(filter);
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    window.move(desktop.center() - QPoint(window.width() / 2, window.height() / 2));
}

// The settings window alone, for the data folder the module started here
// would use; the process ends when it is closed.
int runSettingsOnly(kw::Platform& platform, const QString& screenshotFile)
{
    std::unique_ptr<SettingsWindow> window;
    try {
        const QString startFolder = QDir::currentPath();
        window = std::make_unique<SettingsWindow>(platform.dialogs, platform.files,
                                                  kw::dataPathsFor(platform.files, startFolder), startFolder);
    } catch (const kw::IoError& error) {
        platform.dialogs.showError(nullptr, error.message());
        return 1;
    }
    centreOnScreen(*window);
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
    if (kw::isCommandLine(args))
        return kw::runCommandLine(args);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kwitarnia"));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator qtTexts;
    installPolishQtTexts(app, qtTexts);
    installFontSubstitutes();

    QCommandLineParser options;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Zapisz obraz okna do pliku PNG i zakończ."),
                                        QStringLiteral("FILE"));
    options.addOption(screenshot);
    const QCommandLineOption settingsOnly(QStringLiteral("settings"),
                                          QStringLiteral("Otwórz tylko okno ustawień (sprzedawca, numeracja, "
                                                         "czcionka wydruku, klienci, usługi)."));
    options.addOption(settingsOnly);
    // For the start-up benchmark: ends the process once the window has painted.
    QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    options.addOption(quitWhenShown);
    options.process(app);

    kw::QtDialogs dialogs;
    kw::Clock clock;
    kw::SystemProcessStarter processes;
    kw::Platform platform{dialogs, clock, kw::systemFileOps(), processes};
    if (options.isSet(settingsOnly))
        return runSettingsOnly(platform, options.value(screenshot));
    Tfaktura_f faktura_f(platform, QDir::currentPath(), nullptr, Tfaktura_f::StartMode::Deferred);
    QObject::connect(&faktura_f, &Tfaktura_f::moduleClosed, &app, [] { QApplication::exit(0); });
    centreOnScreen(faktura_f);
    // The icon's lettering needs a font of its own; the window shows sooner
    // without waiting for it.
    afterFirstPaint(faktura_f, [] { QApplication::setWindowIcon(applicationIcon()); });
    faktura_f.show();

    if (options.isSet(screenshot)) {
        const QString file = options.value(screenshot);
        // A few ticks of the window's timers first, so the picture shows the
        // computed texts rather than the designed ones.
        QTimer::singleShot(300, &faktura_f, [&faktura_f, file] {
            QApplication::exit(faktura_f.grab().save(file, "PNG") ? 0 : 1);
        });
    }
    if (options.isSet(quitWhenShown))
        quitAtFirstPaint(faktura_f);
    return QApplication::exec();
}
