#include "app/widgets/choice_list.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace kw {

ChoiceList::ChoiceList(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setSectionsMovable(false);
}

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    if (event && event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Space)
        return QItemSelectionModel::Toggle | QItemSelectionModel::Rows;
    return QTreeWidget::selectionCommand(index, event);
}

} // namespace kw
