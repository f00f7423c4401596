// The merged report of the selected results.
#include "Index.h"
#include "ui_Index.h"

#include "ConsolidatedReport.h"
#include "ResultMerge.h"
#include "SystemSettings.h"

#include <QDebug>
#include <QItemSelectionModel>

namespace {

// Result ids (column 0) of the selected rows: range by range in the view's order, rows top to
// bottom within each; a row met again is not taken twice.
QStringList selectionRangeIds(const QAbstractItemView* view)
{
    QStringList ids;
    const QAbstractItemModel* model = view->model();
    for (const QItemSelectionRange& range : view->selectionModel()->selection()) {
        qDebug() << "topRow:" << range.top();
        qDebug() << "bottomRow:" << range.bottom();
        for (int row = range.top(); row <= range.bottom(); ++row) {
            const QString id = model->index(row, 0).data().toString();
            if (!id.isEmpty() && !ids.contains(id))
                ids << id;
        }
    }
    return ids;
}

} // namespace

bool Index::on_pushButton_4_clicked()
{
    const QStringList ids = selectionRangeIds(ui->tableWidget);
    PanelChkRecord base;
    if (ids.isEmpty() || !ResultMerge::mergeStored(m_indexdb, ids, &getHiddenAnalytes, &base))
        return true;
    m_consolidatedReport = new ConsolidatedReport(base, this);
    m_consolidatedReport->show();
    return true;
}
