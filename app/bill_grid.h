#pragma once

#include <QTableWidget>

// The bill's line table: 7 columns x 4 rows, where row 0 (column titles) and
// column 0 (line numbers) are fixed cells held in the table itself, so that
// grid cell (row r, column c) is item(r, c). Fixed cells are shaded, cannot
// be edited and are skipped by Tab and the arrow keys. Every cell has an item.
class BillGrid : public QTableWidget
{
    Q_OBJECT
public:
    static constexpr int Rows = 4;
    static constexpr int Columns = 7;

    explicit BillGrid(QWidget* parent = nullptr);

    // Colour of the text in all cells, fixed ones included.
    void setTextColour(const QColor& colour);

signals:
    // Any double-click on the grid, on a fixed cell as well as an editable one.
    void dblClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void createItems();
};
