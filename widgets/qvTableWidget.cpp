#include "qvTableWidget.h"

#include <QItemSelectionModel>
#include <algorithm>

qvTableWidget::qvTableWidget(QWidget* parent) : QTableWidget(parent)
{
    qRegisterMetaType<QVector<int>>("QVector<int>");
    connect(this, &QTableWidget::itemSelectionChanged, this,
            [this]() { emit signal_selectItems(selectedRows()); });
}

QVector<int> qvTableWidget::selectedRows() const
{
    QVector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        if (!rows.contains(index.row()))
            rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}
