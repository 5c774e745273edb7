#pragma once

#include <QTableWidget>

namespace kw {

// The bill's line table: 7 columns x 4 rows, where row 0 (column titles) and
// column 0 (line numbers) are fixed cells held in the table itself, so that
// grid cell (row r, column c) is item(r, c). Fixed cells are shaded, cannot
// be edited and are skipped by Tab and the arrow keys. Every cell has an item.
//
// A string grid: a click on the current cell or a typed key edits that cell
// at once, and typed text never moves the cursor to another cell. Tab and
// Shift+Tab go through the line cells and leave the grid at either end, from
// an open editor too.
class BillGrid : public QTableWidget
{
    Q_OBJECT
public:
    static constexpr int Rows = 4;
    static constexpr int Columns = 7;

    explicit BillGrid(QWidget* parent = nullptr);

    // Colour of the text in all cells, fixed ones included.
    void setTextColour(const QColor& colour);

    // What the cell shows: while its editor is open, the text typed there.
    QString shownText(int row, int column) const;
    bool isEditing(int row, int column) const;
    // Replaces a cell's text. An editor open on the cell is closed first, so
    // it cannot write the old text back when it loses the focus.
    void setCellText(int row, int column, const QString& text);
    // Puts the text of the open editor, if any, into its cell and closes it.
    void commitOpenEditor();

signals:
    // Any double-click on the grid, on a fixed cell as well as an editable
    // one, and on a cell being edited.
    void dblClicked();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyboardSearch(const QString&) override {}
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createItems();
    bool leavesGrid(bool forward) const;
    QWidget* editorAt(int row, int column) const;
};

} // namespace kw
