#include "tests/support/window_fixture.h"

#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>

namespace {

// A dark desktop: the Fusion style with a dark application palette, as
// Plasma or GNOME dark themes give a Qt program. Restored afterwards.
class DarkDesktop
{
public:
    DarkDesktop() : previousStyle_(QApplication::style()->name()), previousPalette_(QApplication::palette())
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette dark;
        const QColor grey(53, 53, 53);
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase})
            dark.setColor(role, grey);
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(20, 20, 90));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(QPalette::HighlightedText, QColor(230, 230, 230));
        dark.setColor(QPalette::Disabled, QPalette::WindowText, grey);
        dark.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
        dark.setColor(QPalette::Disabled, QPalette::Text, grey);
        QApplication::setPalette(dark);
    }
    ~DarkDesktop()
    {
        QApplication::setStyle(QStyleFactory::create(previousStyle_));
        QApplication::setPalette(previousPalette_);
    }

private:
    QString previousStyle_;
    QPalette previousPalette_;
};

QImage picture(QWidget& window) { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QColor colourAt(const QImage& image, QWidget* control, QPoint inside)
{
    return image.pixelColor(control->mapTo(control->window(), inside));
}

TEST_F(WindowTest, DarkDesktopLeavesTheDesignedColours)
{
    start();
    const QImage designed = picture(*window);

    const DarkDesktop dark;
    start();
    const QImage underDarkTheme = picture(*window);
    EXPECT_EQ(underDarkTheme, designed) << "the window looks different under a dark theme";

    const QPalette colours = window->palette();
    EXPECT_EQ(colours.color(QPalette::Window), QColor(234, 234, 234));
    EXPECT_EQ(ui().miejscowosc->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(ui().miejscowosc->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(ui().Label1->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_EQ(ui().SpeedButton20->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(190, 190, 190));
    EXPECT_EQ(ui().tabela->palette().color(QPalette::Highlight), QColor(48, 140, 198));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Text, QPalette::Button,
                                         QPalette::ButtonText, QPalette::Highlight, QPalette::HighlightedText})
            EXPECT_NE(colours.color(group, role), QApplication::palette().color(group, role))
                << "role " << role << " of group " << group << " comes from the desktop";

    EXPECT_EQ(colourAt(underDarkTheme, ui().miejscowosc, {60, 10}), QColor(Qt::white));
    EXPECT_EQ(colourAt(underDarkTheme, window.get(), {3, 3}), QColor(234, 234, 234));
}

} // namespace
