// The result list: reload, search, soft delete and the row ticks.
#include "Index.h"
#include "ui_Index.h"

#include "MyMessageBox.h"
#include "ResultListModel.h"

#include <QCheckBox>
#include <QDebug>
#include <QHeaderView>
#include <QItemSelection>
#include <QSet>
#include <QSignalBlocker>
#include <algorithm>

namespace {
// Widest a list column gets from its texts; longer texts are cut, the tool tip shows them whole.
const int kListColumnCap = 240;
}

// Runs a change of the list with the view's selection signal held back, then selects again the
// results that were selected before and lost their selection (rows taken out and put back).
void Index::changeList(const std::function<void()>& change)
{
    qvTableView* view = ui->tableWidget;
    QItemSelectionModel* selection = view->selectionModel();
    QList<int> selectedIds;
    for (const QItemSelectionRange& range : selection->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            selectedIds << m_resultModel->idAt(row);
    }
    const int currentId = m_resultModel->idAt(view->currentIndex().row());
    const QSignalBlocker quiet(view);
    change();
    if (selectedIds.isEmpty())
        return;
    const int lastColumn = m_resultModel->columnCount() - 1;
    QItemSelection again;
    int firstRow = -1;
    for (int id : qAsConst(selectedIds)) {
        const int row = m_resultModel->rowOfId(id);
        if (row < 0)
            continue;
        if (firstRow < 0)
            firstRow = row;
        if (!selection->isRowSelected(row, QModelIndex()))
            again.select(m_resultModel->index(row, 0), m_resultModel->index(row, lastColumn));
    }
    if (!again.isEmpty())
        selection->select(again, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (firstRow >= 0 && m_resultModel->rowOfId(currentId) < 0)
        selection->setCurrentIndex(m_resultModel->index(firstRow, 0), QItemSelectionModel::NoUpdate);
}

void Index::refreshTable()
{
    changeList([this] {
        if (m_resultModel->isSearch())
            m_resultModel->showAll();
        else
            m_resultModel->reload();
    });
}

void Index::showNewResults()
{
    if (m_resultModel->isSearch()) {
        refreshTable();
        return;
    }
    changeList([this] { m_resultModel->addNewResults(); });
}

void Index::showChangedResults(const QList<int>& ids)
{
    changeList([&] { m_resultModel->refreshResults(ids); });
}

// Header texts of the result list (column 1, the tick boxes, has none).
void Index::setListHeaders()
{
    m_resultModel->setHeaderTexts({tr("序号"), QString(), tr("科室"), tr("样本编号"), tr("患者编号"), tr("姓名"),
                                   tr("性别"), tr("检测项目"), tr("检测时间"), tr("设备ID")});
    fitListColumns(0, m_resultModel->rowCount() - 1, false);
}

// Sizes the list's columns to the header texts and to the texts of rows first to last, each at
// most kListColumnCap wide. With `exact` (a fresh list) a column may narrow; otherwise it only
// widens, so that only new texts need measuring.
void Index::fitListColumns(int first, int last, bool exact)
{
    qvTableView* view = ui->tableWidget;
    view->ensurePolished(); // the style sheet's font and margins
    QHeaderView* header = view->horizontalHeader();
    for (int c = ResultListModel::ColTick; c < ResultListModel::ColumnCount; ++c) {
        int width = header->sectionSizeHint(c);
        // As the view measures a column: the cells' size hints, plus the grid line.
        const int grid = view->showGrid() ? 1 : 0;
        for (int row = qMax(first, 0); row <= last && width < kListColumnCap; ++row)
            width = qMax(width, view->sizeHintForIndex(m_resultModel->index(row, c)).width() + grid);
        width = qMin(width, kListColumnCap);
        if (exact || width > header->sectionSize(c))
            header->resizeSection(c, width);
    }
}

void Index::receiveresult(QueryFilter m_qureyFilter)
{
    changeList([&] { m_resultModel->showSearch(m_qureyFilter); });
}

void Index::on_pushButton_clicked()
{
    refreshTable();
}

// Ids of the selected results, in list order.
QList<int> Index::selectedResultIds() const
{
    QList<int> rows;
    for (const QModelIndex& index : ui->tableWidget->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<int> ids;
    for (int row : qAsConst(rows))
        ids << m_resultModel->idAt(row);
    return ids;
}

// Id of the result selected first (the one the detail view shows), -1 when none.
int Index::firstSelectedResultId() const
{
    const QItemSelection selection = ui->tableWidget->selectionModel()->selection();
    return selection.isEmpty() ? -1 : m_resultModel->idAt(selection.first().top());
}

// Moves the selected results to the report recycle list (state 0); the ticks choose what is
// printed, not what is deleted.
void Index::on_pushButton_5_clicked()
{
    const QList<int> ids = selectedResultIds();
    if (ids.isEmpty())
        return;
    if (MyMessageBox::showMyMessageBox(this, tr("提示"), tr("确认删除吗？"), 2, 1, true) != 0)
        return;
    if (!m_indexdb.setState(ids, 0)) {
        qDebug() << "Index::on_pushButton_5_clicked setState failed" << ids;
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("删除失败"), 1, 0, true);
        refreshTable();
        return;
    }
    changeList([&] { m_resultModel->removeResults(ids); });
}

void Index::slot_selectItems(QVector<int> _vec)
{
    for (int row : _vec) {
        const QModelIndex tick = m_resultModel->index(row, ResultListModel::ColTick);
        if (tick.isValid())
            m_resultModel->setData(tick, m_resultModel->isTicked(row) ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
}

namespace {
QCheckBox* rowCheckBox(QTableWidget* table, int row, int column)
{
    return qobject_cast<QCheckBox*>(table->cellWidget(row, column));
}
}

void Index::slot_selectItems_2(QVector<int> _vec)
{
    for (int row : _vec) {
        if (QCheckBox* box = rowCheckBox(ui->tableWidget_2, row, 0))
            box->setChecked(!box->isChecked());
    }
}

void Index::slot_detailcheck(int _index, bool _check)
{
    Q_UNUSED(_index)
    for (int row = 0; row < ui->tableWidget_2->rowCount(); ++row) {
        if (QCheckBox* box = rowCheckBox(ui->tableWidget_2, row, 0))
            box->setChecked(_check);
    }
}

QSet<QString> Index::getCheckedIds()
{
    QSet<QString> ids;
    for (int row = 0; row < ui->tableWidget_2->rowCount(); ++row) {
        QCheckBox* box = rowCheckBox(ui->tableWidget_2, row, 0);
        QTableWidgetItem* item = ui->tableWidget_2->item(row, 1);
        if (box && box->isChecked() && item)
            ids.insert(item->text());
    }
    return ids;
}

void Index::clearRecordList(QVector<PanelChkRecord>* list)
{
    list->clear();
}

void Index::on_pushButton_7_clicked()
{
    QTableWidget* table = ui->tableWidget_2;
    const int row = table->rowCount();
    table->insertRow(row);
    table->scrollToBottom();
    auto* item = new QTableWidgetItem();
    item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    item->setData(Qt::UserRole + 1, 1);
    table->setItem(row, 2, item);
}

void Index::on_pushButton_15_clicked()
{
    const int row = ui->tableWidget_2->currentRow();
    qDebug() << "on_pushButton_15_clicked row:" << row;
    if (row >= 0)
        ui->tableWidget_2->removeRow(row);
}
