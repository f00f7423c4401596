#pragma once
#include <QTableView>

// A table view over a model that reports every change of its selection with one signal, as the
// item tables do (so slots named after the object and that signal bind to it).
class qvTableView : public QTableView
{
    Q_OBJECT
public:
    explicit qvTableView(QWidget* parent = nullptr);

signals:
    void itemSelectionChanged();

protected:
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
};
