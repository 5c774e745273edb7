// The start-up floor of the window: a Qt program that builds the main
// window's widget tree with its fonts and pictures (the controls shown at
// start), loads Qt's Polish texts, and ends at the first paint, but reads no
// data file and runs none of the window's handlers. kwitarnia
// --quit-when-shown is measured against it.

#include "app/faktura_ui.h"
#include "app/platform/app_fonts.h"
#include "bench/quit_at_first_paint.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    kw::installFontSubstitutes();

    QWidget window;
    kw::FakturaUi ui;
    ui.setup(&window);
    QuitAtFirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
