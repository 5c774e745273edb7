#include "tests/cli/cli_fixture.h"

#include <QFileInfo>
#include <QImage>

namespace kw {
namespace {

// A display number no X server listens on.
QString deadDisplay()
{
    for (int number = 73;; ++number) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) &&
            !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            return QStringLiteral(":%1").arg(number);
    }
}

// Without a display the window is not started: one Polish line says why and
// points to the command line, exit code 1, and no data file is touched.
TEST_F(CliTest, WindowWithoutADisplaySaysSo)
{
    const QString display = deadDisplay();
    const struct {
        QStringList args;
        QStringList environment;
        QString reason;
    } cases[] = {
        {{},
         {},
         QStringLiteral("Nie znaleziono ekranu (zmienna DISPLAY nie jest ustawiona); okno nie może się otworzyć.")},
        {{QStringLiteral("--settings")}, {}, QStringLiteral("Nie znaleziono ekranu")},
        {{},
         {QStringLiteral("DISPLAY=") + display},
         QStringLiteral("Nie można połączyć się z ekranem %1 (zmienna DISPLAY); okno nie może się otworzyć.")
             .arg(display)},
        {{},
         {QStringLiteral("DISPLAY=") + display, QStringLiteral("QT_QPA_PLATFORM=xcb")},
         QStringLiteral("Nie można połączyć się z ekranem ") + display},
    };
    const QMap<QString, QByteArray> before = folderSnapshot(start());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.environment.join(QLatin1Char(' ')).toStdString());
        const ProcessResult result = runKwitarnia(start(), c.args, c.environment);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith(c.reason)) << result.err.toStdString();
        EXPECT_TRUE(
            result.err.endsWith(QStringLiteral("Polecenia wiersza poleceń działają bez ekranu: kwitarnia --help.\n")))
            << result.err.toStdString();
    }
    EXPECT_EQ(folderSnapshot(start()), before);
}

// A platform that needs no display still starts the window: ./run takes its
// screenshot that way on a machine without one.
TEST_F(CliTest, OffscreenWindowNeedsNoDisplay)
{
    QTemporaryDir out;
    const QString picture = out.filePath(QStringLiteral("okno.png"));
    const ProcessResult result =
        runKwitarnia(start(), {QStringLiteral("--screenshot"), picture}, {QStringLiteral("QT_QPA_PLATFORM=offscreen")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_FALSE(QImage(picture).isNull());
}

} // namespace
} // namespace kw
