#include "qvTableView.h"

qvTableView::qvTableView(QWidget* parent) : QTableView(parent) {}

void qvTableView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTableView::selectionChanged(selected, deselected);
    // A new model or selection model reports an empty change: nothing to tell then.
    if (!selected.isEmpty() || !deselected.isEmpty())
        emit itemSelectionChanged();
}
