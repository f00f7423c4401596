#pragma once
#include <QTableWidget>
#include <QVector>

// A table that reports the rows selected in it (sorted, each row once) whenever the selection
// changes.
class qvTableWidget : public QTableWidget
{
    Q_OBJECT
public:
    explicit qvTableWidget(QWidget* parent = nullptr);

    QVector<int> selectedRows() const;

signals:
    void signal_selectItems(QVector<int> rows);
};
