#pragma once

#include <QListView>

namespace kw {

// The list box of the selection panel. Its rows are all one line high, so the
// view can lay out thousands of them without measuring each.
class SelectionList : public QListView
{
    Q_OBJECT
public:
    explicit SelectionList(QWidget* parent = nullptr);

signals:
    // Any double-click inside the list, on a row or on the empty area below.
    void dblClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace kw
