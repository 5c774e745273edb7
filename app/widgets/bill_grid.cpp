#include "app/widgets/bill_grid.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>

namespace kw {

namespace {

constexpr int columnWidths[BillGrid::Columns] = {22, 310, 76, 38, 51, 64, 74};
constexpr int lineHeight = 17;
const QColor fixedShade(245, 245, 245);

const char* const columnTitles[BillGrid::Columns] = {"Lp", "Nazwa usługi", "PKWiU", "J.m", "Ilość", "Brutto", "Razem"};

bool isFixed(int row, int column) { return row == 0 || column == 0; }

} // namespace

BillGrid::BillGrid(QWidget* parent) : QTableWidget(Rows, Columns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < Columns; ++column)
        setColumnWidth(column, columnWidths[column]);
    for (int row = 0; row < Rows; ++row)
        setRowHeight(row, lineHeight);

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setShowGrid(true);
    setWordWrap(false);
    // Amounts are stored with leading blanks; a cell too narrow for them is
    // cut like a grid cell, not shortened to "2.…".
    setTextElideMode(Qt::ElideNone);
    setTabKeyNavigation(true);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);

    createItems();
}

void BillGrid::createItems()
{
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            auto* cell = new QTableWidgetItem;
            if (isFixed(row, column)) {
                // Without ItemIsEnabled the view's keyboard moves step over the cell.
                cell->setFlags(Qt::NoItemFlags);
                cell->setBackground(fixedShade);
            }
            setItem(row, column, cell);
        }
    }
    for (int column = 0; column < Columns; ++column)
        item(0, column)->setText(QString::fromUtf8(columnTitles[column]));
    for (int row = 1; row < Rows; ++row)
        item(row, 0)->setText(QString::number(row));
}

void BillGrid::setTextColour(const QColor& colour)
{
    QPalette colours = palette();
    // Fixed cells are drawn as disabled items; they keep the same colour.
    colours.setColor(QPalette::Active, QPalette::Text, colour);
    colours.setColor(QPalette::Inactive, QPalette::Text, colour);
    colours.setColor(QPalette::Disabled, QPalette::Text, colour);
    setPalette(colours);
}

QWidget* BillGrid::editorAt(int row, int column) const { return indexWidget(model()->index(row, column)); }

QString BillGrid::shownText(int row, int column) const
{
    if (const auto* editor = qobject_cast<const QLineEdit*>(editorAt(row, column)))
        return editor->text();
    return item(row, column)->text();
}

bool BillGrid::isEditing(int row, int column) const { return editorAt(row, column) != nullptr; }

void BillGrid::setCellText(int row, int column, const QString& text)
{
    if (QWidget* editor = editorAt(row, column))
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    item(row, column)->setText(text);
}

void BillGrid::commitOpenEditor()
{
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

// Whether Tab (forward) or Shift+Tab from the current cell leaves the grid:
// on the last line cell, or on the first one.
bool BillGrid::leavesGrid(bool forward) const
{
    return currentIndex() == (forward ? model()->index(Rows - 1, Columns - 1) : model()->index(1, 1));
}

// The view wraps Shift+Tab from the first line cell round to the last one;
// no cell given, the key moves the focus on out of the grid.
QModelIndex BillGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if ((action == MoveNext && leavesGrid(true)) || (action == MovePrevious && leavesGrid(false)))
        return QModelIndex();
    return QTableWidget::moveCursor(action, modifiers);
}

// Tab in an open editor goes on to edit the next cell; past either end the
// editor closes and the focus leaves the grid.
void BillGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    if ((forward || hint == QAbstractItemDelegate::EditPreviousItem) && leavesGrid(forward)) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(forward);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

bool BillGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Qt waits a double-click interval before editing a clicked current
    // cell; keys typed meanwhile went to the type-ahead search.
    if (trigger == SelectedClicked)
        trigger = EditKeyPressed;
    if (!QTableWidget::edit(index, trigger, event))
        return false;
    // The editor lies over the cell and takes the second click of a double-click.
    if (QWidget* editor = indexWidget(index))
        editor->installEventFilter(this);
    return true;
}

bool BillGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick)
        emit dblClicked();
    return QTableWidget::eventFilter(watched, event);
}

void BillGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    emit dblClicked();
}

} // namespace kw
