#include "app/Tfaktura_f.h"
#include "app/platform/app_fonts.h"
#include "app/widgets/bill_grid.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "app/widgets/month_calendar.h"
#include "app/widgets/selection_list.h"
#include "store/file_ops.h"
#include "tests/support/scripted_dialogs.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace kw;

namespace {

class WindowLayout : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { installFontSubstitutes(); }

    template <class W = QWidget>
    W* control(const char* name)
    {
        W* found = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    FixedClock clock;
    RecordingStarter processes;
    kw::Platform platform{dialogs, clock, kw::systemFileOps(), processes};
    // Without Admini and Uslugi the start-up stops early and reports it; the
    // layout is complete all the same.
    Tfaktura_f window{platform, folder.path()};
};

QString captionOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return QString();
}

TEST_F(WindowLayout, Window)
{
    EXPECT_EQ(window.size(), QSize(861, 641));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kwitarnia"));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(234, 234, 234));
    EXPECT_EQ(window.font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(window.font().pixelSize(), 11);
}

// A representative control of each kind and panel: parent, place, size
// (an empty size is not checked), caption after start-up and whether it
// starts hidden.
TEST_F(WindowLayout, ControlsSitWhereDesigned)
{
    const struct {
        const char* name;
        const char* parent;
        QPoint pos;
        QSize size;
        const char* caption;
        bool hidden;
    } expected[] = {
        {"Label2", nullptr, {752, 10}, {}, "00:00:00", false},
        {"Panel1", nullptr, {701, 32}, {153, 599}, "", false},
        {"Panel2", nullptr, {10, 10}, {682, 623}, "", false},
        {"Panel4", nullptr, {86, 112}, {179, 72}, "", true},
        {"Panel5", nullptr, {157, 37}, {150, 76}, "", true},
        {"Panel6", nullptr, {134, 109}, {533, 281}, "", true},
        {"Label10", "Panel1", {32, 6}, {}, "Rachunek", false},
        {"Image1", "Panel1", {28, 36}, {105, 93}, "", false},
        {"SpeedButton21", "Panel1", {16, 226}, {125, 22}, "Zapisz szablon", false},
        {"SpeedButton3", "Panel1", {8, 456}, {133, 22}, "Wczytaj rachunek", false},
        {"SpeedButton6", "Panel1", {12, 512}, {129, 22}, "Nowy rachunek", false},
        {"SpeedButton1", "Panel1", {8, 568}, {133, 22}, "Zamknij moduł", false},
        {"Label1", "Panel2", {20, 16}, {}, "Miejscowość", false},
        {"numerator", "Panel2", {420, 10}, {89, 25}, "", false},
        {"rozszerzenie", "Panel2", {528, 10}, {136, 25}, "", false},
        {"odbiorca3", "Panel2", {20, 171}, {353, 23}, "", false},
        {"SpeedButton5", "Panel2", {379, 173}, {34, 48}, "?", false},
        {"forma_zaplaty", "Panel2", {536, 113}, {121, 23}, "", false},
        {"SpeedButton7", "Panel2", {634, 144}, {23, 21}, "?", false},
        {"podpis", "Panel2", {429, 253}, {228, 23}, "", false},
        {"MonthCalendar1", "Panel2", {204, 94}, {169, 153}, "", true},
        {"tabela", "Panel2", {16, 308}, {649, 82}, "", false},
        {"Label16", "Panel2", {18, 400}, {}, "Razem do zapłaty", false},
        {"SpeedButton13", "Panel2", {510, 396}, {150, 22}, "Usługi", false},
        {"SpeedButton15", "Panel2", {514, 418}, {150, 22}, "Pokaż przed korektą", true},
        {"SpeedButton16", "Panel2", {514, 440}, {150, 22}, "Pokaż po korekcie", true},
        {"Label14", "Panel2", {15, 562}, {}, "", false}, // the footnote from the settings
        {"Panel3", "Panel2", {4, 4}, {678, 618}, "", true},
        {"lista", "Panel3", {15, 38}, {653, 503}, "", false},
        {"Label21", "Panel3", {18, 568}, {}, "Wpisz sukaną frazę i naciśnij przycisk lupy.", false},
        {"szukaj", "Panel3", {15, 587}, {329, 23}, "", false},
        {"SpeedButton12", "Panel3", {346, 587}, {23, 22}, "", false},
        {"SpeedButton10", "Panel3", {576, 587}, {89, 22}, "Powrót", false},
        {"Memo1", "Panel4", {12, 12}, {665, 261}, "", false},
        {"SpeedButton14", "Panel4", {524, 288}, {145, 22}, "Koniec pomocy", false},
        {"Label51", "Panel5", {28, 362}, {}, "Październik", false},
        {"ProgressBar10", "Panel5", {128, 365}, {391, 17}, "", false},
        {"ProgressBar4", "Panel5", {130, 194}, {390, 17}, "", false},
        {"Label38", "Panel5", {530, 362}, {}, "0.00 PLN", false},
        {"lata", "Panel5", {18, 581}, {145, 23}, "", false},
        {"SpeedButton24", "Panel5", {329, 579}, {23, 22}, "?", false},
        {"SpeedButton18", "Panel5", {548, 585}, {121, 22}, "Powrót", false},
        {"folder", "Panel6", {22, 85}, {463, 23}, "", false},
        {"kwota_brutto", "Panel6", {21, 135}, {121, 24}, "", false},
        {"Image5", "Panel6", {406, 114}, {105, 84}, "", false},
        {"GroupBox9", "Panel6", {26, 188}, {162, 78}, "", false},
        {"ro2", "GroupBox9", {13, 45}, {113, 17}, "Indywidualny *I*", false},
        {"SpeedButton29", "Panel6", {404, 250}, {113, 22}, "Zaniechaj", false},
    };
    for (const auto& want : expected) {
        SCOPED_TRACE(want.name);
        QWidget* widget = control(want.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), want.parent ? QString::fromLatin1(want.parent) : QString());
        EXPECT_EQ(widget->pos(), want.pos);
        if (want.size.isValid()) {
            EXPECT_EQ(widget->size(), want.size);
        }
        EXPECT_EQ(captionOf(widget), QString::fromUtf8(want.caption));
        EXPECT_EQ(widget->isHidden(), want.hidden);
    }
}

TEST_F(WindowLayout, RightAlignedLabelsKeepTheirRightEdge)
{
    const struct {
        const char* name;
        int rightEdge;
        int top;
    } expected[] = {
        {"Label13", 660, 41},  {"Label24", 660, 57},  {"Label55", 660, 525}, {"Label56", 660, 544},
        {"Label57", 660, 563}, {"Label22", 665, 590}, {"Label26", 665, 607}, {"Label92", 513, 8},
    };
    for (const auto& want : expected) {
        SCOPED_TRACE(want.name);
        auto* label = control<QLabel>(want.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry().right() + 1, want.rightEdge);
        EXPECT_EQ(label->y(), want.top);
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        // The text must fit whatever the later captions are.
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    }
}

TEST_F(WindowLayout, HintsFontsAndColours)
{
    EXPECT_EQ(control("SpeedButton9")->toolTip(), QStringLiteral("Korygowanie wczytanego rachunku (Ctrl+K)"));
    EXPECT_EQ(control("SpeedButton3")->toolTip(), QStringLiteral("Wczytanie istniejącego rachunku  (Ctrl+O)"));
    EXPECT_EQ(control("SpeedButton5")->toolTip(), QStringLiteral("Baza klientów (F4)"));
    // Every button a user may point at says what it does.
    for (const char* name : {"SpeedButton22", "SpeedButton23", "SpeedButton25", "SpeedButton4", "SpeedButton1",
                             "SpeedButton13", "SpeedButton7", "SpeedButton11", "SpeedButton10", "SpeedButton12"})
        EXPECT_FALSE(control(name)->toolTip().isEmpty()) << name;
    // Fields are named by their captions, the "?" buttons by what they open.
    EXPECT_EQ(control("forma_zaplaty")->accessibleName(), QStringLiteral("Forma zapłaty"));
    EXPECT_EQ(control("odbiorca3")->accessibleName(), QStringLiteral("Odbiorca, wiersz 3"));
    EXPECT_EQ(control("SpeedButton7")->accessibleName(), QStringLiteral("Kalendarz daty usługi"));
    for (const char* name : {"miejscowosc", "data_wystawienia", "numerator", "rozszerzenie", "nip_odbiorcy",
                             "data_uslugi", "termin_zaplaty", "podpis", "tabela", "SpeedButton5", "szukaj", "lista"})
        EXPECT_FALSE(control(name)->accessibleName().isEmpty()) << name;
    EXPECT_EQ(control("SpeedButton24")->toolTip(), QStringLiteral("Pobierz listę klientów"));

    QWidget* close = control("SpeedButton1");
    EXPECT_TRUE(close->font().bold());
    EXPECT_EQ(close->font().pixelSize(), 12);
    EXPECT_EQ(close->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(close->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
    EXPECT_EQ(control("SpeedButton14")->palette().color(QPalette::ButtonText), QColor(0, 0, 128));

    QWidget* number = control("numerator");
    EXPECT_EQ(number->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(number->font().pixelSize(), 19);
    EXPECT_EQ(number->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(control("Label1")->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_EQ(control("lista")->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(control("Panel2")->palette().color(QPalette::Window), QColor(228, 241, 241));
}

// The bold caption of "Zamknij moduł" has heavier strokes than the same
// caption drawn regular.
TEST_F(WindowLayout, CloseModuleIsDrawnBold)
{
    auto* close = control<QAbstractButton>("SpeedButton1");
    const auto ink = [close] {
        const QImage picture = close->grab().toImage();
        int dark = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                dark += qGray(picture.pixel(x, y)) < 160;
        return dark;
    };
    const int bold = ink();
    QFont regular = close->font();
    regular.setBold(false);
    close->setFont(regular);
    EXPECT_GT(bold, ink() * 5 / 4);
}

// A label whose caption changes shows the longest caption whole.
TEST_F(WindowLayout, SummaryTitleFitsItsLongestCaption)
{
    auto* title = control<QLabel>("Label27");
    EXPECT_GE(title->width(),
              title->fontMetrics().horizontalAdvance(QStringLiteral("Podliczenie dokumentów dla wszystkich klientów")));
}

TEST_F(WindowLayout, OverlaysLieAboveTheColumnsInOrder)
{
    const QObjectList& children = window.children();
    const auto place = [&](const char* name) { return children.indexOf(control(name)); };
    EXPECT_LT(place("Panel1"), place("Panel4"));
    EXPECT_LT(place("Panel2"), place("Panel4"));
    EXPECT_LT(place("Panel4"), place("Panel5"));
    EXPECT_LT(place("Panel5"), place("Panel6"));

    // The list covers the calendar unless the calendar is raised over it.
    const QObjectList& documentArea = control("Panel2")->children();
    EXPECT_LT(documentArea.indexOf(control("MonthCalendar1")), documentArea.indexOf(control("Panel3")));
}

TEST_F(WindowLayout, TabOrderOfTheDocumentFields)
{
    // Reading order: the left column, then the right one.
    const QStringList order = {"miejscowosc", "data_wystawienia", "numerator",      "rozszerzenie", "odbiorca1",
                               "odbiorca2",   "odbiorca3",        "odbiorca4",      "nip_odbiorcy", "forma_zaplaty",
                               "data_uslugi", "MonthCalendar1",   "termin_zaplaty", "podpis",       "tabela"};
    // Walk the focus chain and note each listed control the first time it or
    // one of its inner parts comes up.
    QStringList seen;
    QWidget* step = control("miejscowosc");
    for (int hops = 0; hops < 500 && seen.size() < order.size(); ++hops) {
        for (QWidget* w = step; w && w != &window; w = w->parentWidget()) {
            if (order.contains(w->objectName()) && !seen.contains(w->objectName())) {
                seen << w->objectName();
                break;
            }
        }
        step = step->nextInFocusChain();
    }
    EXPECT_EQ(seen, order);
}

TEST_F(WindowLayout, CommandButtonsNeverTakeTheFocus)
{
    for (const char* name : {"SpeedButton2", "SpeedButton13", "SpeedButton5", "SpeedButton30"})
        EXPECT_EQ(control(name)->focusPolicy(), Qt::NoFocus) << name;
}

TEST_F(WindowLayout, PicturesAreDecoded)
{
    for (const char* name : {"Image1", "Image5"}) {
        auto* picture = control<QLabel>(name);
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->pixmap().isNull()) << name;
    }
    EXPECT_TRUE(control<QLabel>("Image1")->hasScaledContents());
}

TEST_F(WindowLayout, HelpPanelHoldsTheFixedText)
{
    auto* memo = control<QPlainTextEdit>("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->document()->blockCount(), 64);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(WindowLayout, GridShapeAndHeaders)
{
    auto* grid = control<BillGrid>("tabela");
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 4);
    ASSERT_EQ(grid->columnCount(), 7);
    const int widths[] = {22, 310, 76, 38, 51, 64, 74};
    const QStringList titles = {"Lp", "Nazwa usługi", "PKWiU", "J.m", "Ilość", "Brutto", "Razem"};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(grid->columnWidth(column), widths[column]) << column;
        EXPECT_EQ(grid->item(0, column)->text(), titles[column]) << column;
    }
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(grid->rowHeight(row), 17) << row;
        if (row > 0) {
            EXPECT_EQ(grid->item(row, 0)->text(), QString::number(row));
        }
        for (int column = 0; column < 7; ++column) {
            QTableWidgetItem* cell = grid->item(row, column);
            ASSERT_NE(cell, nullptr) << row << "," << column;
            const bool fixed = row == 0 || column == 0;
            EXPECT_EQ(bool(cell->flags() & Qt::ItemIsEditable), !fixed) << row << "," << column;
            if (fixed) {
                EXPECT_EQ(cell->background().color(), QColor(245, 245, 245));
            }
        }
    }
    EXPECT_EQ(grid->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(grid->font().pixelSize(), 11);
    EXPECT_EQ(grid->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
}

TEST_F(WindowLayout, TabInTheGridSkipsTheFixedColumn)
{
    auto* grid = control<BillGrid>("tabela");
    window.show();
    grid->setFocus();
    grid->setCurrentCell(1, 5);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentColumn(), 6);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(grid->currentColumn(), 1);
}

TEST_F(WindowLayout, DoubleClickSignals)
{
    // Each double-click on the buyer or the grid opens a list file dialog.
    for (int i = 0; i < 3; ++i)
        dialogs.fileNames.enqueue(QString());
    auto* buyer = control<DblClickLineEdit>("odbiorca2");
    QSignalSpy buyerSpy(buyer, &DblClickLineEdit::doubleClicked);
    QTest::mouseDClick(buyer, Qt::LeftButton);
    EXPECT_EQ(buyerSpy.count(), 1);

    window.show();
    auto* grid = control<BillGrid>("tabela");
    QSignalSpy gridSpy(grid, &BillGrid::dblClicked);
    const QPoint fixedCell = grid->visualItemRect(grid->item(0, 1)).center();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, fixedCell);
    const QPoint editableCell = grid->visualItemRect(grid->item(2, 3)).center();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, editableCell);
    EXPECT_EQ(gridSpy.count(), 2);

    auto* list = control<SelectionList>("lista");
    QStringListModel rows({"jeden", "dwa"});
    list->setModel(&rows);
    QSignalSpy listSpy(list, &SelectionList::dblClicked);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 400)); // below the rows
    EXPECT_EQ(listSpy.count(), 1);
}

TEST_F(WindowLayout, CalendarReportsEscOnceFromItsDayTable)
{
    auto* calendar = control<MonthCalendar>("MonthCalendar1");
    QSignalSpy escapes(calendar, &MonthCalendar::escapePressed);
    QSignalSpy picks(calendar, &QCalendarWidget::activated);
    auto* days = calendar->findChild<QTableView*>();
    ASSERT_NE(days, nullptr);
    QTest::keyClick(days, Qt::Key_Escape);
    EXPECT_EQ(escapes.count(), 1);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_EQ(picks.count(), 1);
    EXPECT_EQ(escapes.count(), 1);
}

} // namespace
