#include "tests/support/window_fixture.h"

#include "app/fitted_window.h"

#include <QScrollArea>
#include <QScrollBar>

using namespace kw;

namespace {

TEST_F(WindowTest, WindowFitsANormalScreenAsItIs)
{
    start();
    const std::unique_ptr<QWidget> scrolled = showFitted(*window, QRect(0, 0, 1920, 1040));
    EXPECT_EQ(scrolled, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(861, 641));
    EXPECT_EQ(window->pos(), QPoint((1920 - 861) / 2, (1040 - 641) / 2));
}

TEST_F(WindowTest, SmallScreenShowsTheWindowInAScrolledView)
{
    start();
    // A 1366x768 laptop at 125 % scaling.
    const QRect laptop(0, 0, 1093, 614);
    const std::unique_ptr<QWidget> scrolled = showFitted(*window, laptop);
    auto* view = qobject_cast<QScrollArea*>(scrolled.get());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->widget(), window.get());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Kwitarnia"));
    EXPECT_LE(view->frameGeometry().height(), laptop.height());
    EXPECT_LE(view->frameGeometry().width(), laptop.width());
    EXPECT_EQ(window->size(), QSize(861, 641)); // the layout itself is unchanged
    EXPECT_TRUE(view->verticalScrollBar()->isVisible());
    EXPECT_GT(view->verticalScrollBar()->maximum(), 0);

    // Closing the view is closing the window: the same question, and No keeps it open.
    dialogs.answers.enqueue(false);
    EXPECT_FALSE(view->close());
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Koniec pracy ?")});
    EXPECT_TRUE(view->isVisible());
}

} // namespace
