// A deferred start ends with the same window as a complete one: the hidden
// controls come after the first paint, or as soon as a command needs them.

#include "tests/support/window_fixture.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <functional>

using namespace kw;

namespace {

using StartMode = Tfaktura_f::StartMode;

QString textOf(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (auto* box = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items.join(QLatin1Char('|')) + QStringLiteral(" = ") + box->currentText();
    }
    if (auto* calendar = qobject_cast<const QCalendarWidget*>(w))
        return calendar->selectedDate().toString(Qt::ISODate);
    return QString();
}

// Every named control in stacking order, depth first, with what a user could see of
// it, then the focus chain.
QStringList describe(const QWidget& window)
{
    QStringList lines;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        // Qt's own parts of a control (scroll area viewports and the like)
        // are laid out lazily, when the control is first shown.
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect box = w->geometry();
        lines << QStringLiteral("%1 %2 in %3 at %4,%5 %6x%7 %8 %9 '%10' %11")
                     .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                          w->parentWidget()->objectName())
                     .arg(box.x())
                     .arg(box.y())
                     .arg(box.width())
                     .arg(box.height())
                     .arg(w->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"),
                          w->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"), textOf(w),
                          w->font().toString());
    }
    lines << QStringLiteral("focus chain:");
    const QWidget* step = window.nextInFocusChain();
    for (int hops = 0; step != &window && hops < 1000; ++hops, step = step->nextInFocusChain())
        lines << QString::fromLatin1(step->metaObject()->className()) + QLatin1Char(' ') + step->objectName();
    return lines;
}

void waitForOverlays(const Tfaktura_f& window)
{
    for (int i = 0; i < 200 && !window.controls().hasOverlays(); ++i)
        QTest::qWait(5);
}

class DeferredStart : public WindowTest
{};

TEST_F(DeferredStart, EndsWithTheWindowOfACompleteStart)
{
    QTemporaryDir otherFolder;
    QDir(otherFolder.path()).mkdir(QStringLiteral("Admini"));
    QDir(otherFolder.path()).mkdir(QStringLiteral("Uslugi"));
    kw::Platform otherPlatform{dialogs, clock, kw::systemFileOps(), processes};
    Tfaktura_f complete(otherPlatform, otherFolder.path());

    Tfaktura_f& deferred = start(StartMode::Deferred);
    EXPECT_FALSE(ui().hasOverlays());
    EXPECT_EQ(deferred.findChild<QWidget*>(QStringLiteral("lista")), nullptr);
    deferred.show();
    waitForOverlays(deferred);
    ASSERT_TRUE(ui().hasOverlays());
    // Either window's timers may have fired meanwhile; tick both once so the
    // clock and the totals do not decide the comparison.
    for (Tfaktura_f* each : {&complete, &deferred}) {
        each->Timer1Timer();
        each->Timer2Timer();
    }
    const QStringList got = describe(deferred);
    const QStringList want = describe(complete);
    ASSERT_EQ(got.size(), want.size());
    for (int i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i].toStdString(), want[i].toStdString());
}

// Each command that touches a hidden control builds them all first when it
// comes before the first paint.
TEST_F(DeferredStart, CommandsBeforeTheFirstPaintFindTheHiddenControls)
{
    const struct {
        const char* name;
        std::function<void(Tfaktura_f&, const FakturaUi&)> act;
        std::function<bool(const FakturaUi&)> shown;
    } commands[] = {
        {"help", [](Tfaktura_f&, const FakturaUi& c) { c.SpeedButton4->click(); },
         [](const FakturaUi& c) { return !c.Panel4->isHidden() && c.Memo1->document()->blockCount() == 64; }},
        {"calendar", [](Tfaktura_f&, const FakturaUi& c) { c.SpeedButton7->click(); },
         [](const FakturaUi& c) {
             return !c.MonthCalendar1->isHidden() && c.MonthCalendar1->selectedDate() == QDate(2009, 3, 5);
         }},
        {"bill list", [](Tfaktura_f&, const FakturaUi& c) { c.SpeedButton3->click(); },
         [](const FakturaUi& c) { return !c.Panel3->isHidden() && c.lista->model() != nullptr; }},
        {"summary", [](Tfaktura_f&, const FakturaUi& c) { c.SpeedButton17->click(); },
         [](const FakturaUi& c) { return !c.Panel5->isHidden() && c.lata->itemText(0) == "2009"; }},
        {"hand-off", [](Tfaktura_f&, const FakturaUi& c) { c.SpeedButton25->click(); },
         [](const FakturaUi& c) { return !c.Panel6->isHidden() && c.ro1->isChecked(); }},
        {"new bill", [](Tfaktura_f&, const FakturaUi& c) { c.SpeedButton6->click(); },
         [](const FakturaUi& c) { return c.szukaj->text().isEmpty(); }},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command.name);
        Tfaktura_f& deferred = start(StartMode::Deferred);
        ASSERT_FALSE(ui().hasOverlays());
        command.act(deferred, ui());
        ASSERT_TRUE(ui().hasOverlays());
        EXPECT_TRUE(command.shown(ui()));
    }
}

// On a busy machine the first tick can come before the first paint; it
// leaves the hidden controls for later, and they start as the tick would
// leave them.
TEST_F(DeferredStart, TickBeforeTheFirstPaintLeavesTheHiddenControlsForLater)
{
    Tfaktura_f& deferred = start(StartMode::Deferred);
    deferred.Timer2Timer();
    EXPECT_FALSE(ui().hasOverlays());
    ui().SpeedButton17->click();
    ASSERT_TRUE(ui().hasOverlays());
    EXPECT_FALSE(ui().SpeedButton19->isEnabled());
}

} // namespace
