#pragma once

#include <QTreeWidget>

namespace kw {

// A list of rows in columns of which several can be chosen from the
// keyboard: Shift with an arrow extends the choice, Ctrl with an arrow moves
// without changing it, and Space chooses or unchooses the row under the
// cursor, so that a row chosen by mistake can be left out again.
class ChoiceList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent = nullptr);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};

} // namespace kw
