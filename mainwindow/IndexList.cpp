// The result list: reload, search, soft delete and the row check boxes.
#include "Index.h"
#include "ui_Index.h"

#include "MyMessageBox.h"
#include "ResultRowText.h"

#include <QCheckBox>
#include <QDebug>
#include <QHeaderView>
#include <QItemSelection>
#include <QSet>
#include <QSignalBlocker>

namespace {
// Sets a cell's text, making its item when missing; whether the text changed.
bool setCellText(QTableWidget* table, int row, int column, const QString& text)
{
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, item);
        return true;
    }
    if (item->text() == text)
        return false;
    item->setText(text);
    return true;
}

QCheckBox* rowCheckBox(QTableWidget* table, int row, int column)
{
    return qobject_cast<QCheckBox*>(table->cellWidget(row, column));
}

// Holds a shown list still while it is filled: no signals, and no columns sized to their contents
// (those of a shown table would be measured again, over every row, for each cell that changes).
// Everything is put back when the guard goes; the columns are then measured once, at the next
// layout. (Updates stay on: switching them back on would mark every row check box for repainting.)
class ListFillGuard
{
public:
    explicit ListFillGuard(QTableWidget* table)
        : m_table(table), m_header(table->horizontalHeader()), m_blocked(table->blockSignals(true))
    {
        for (int c = 0; c < m_header->count(); ++c) {
            m_modes << m_header->sectionResizeMode(c);
            if (m_modes.last() == QHeaderView::ResizeToContents)
                m_header->setSectionResizeMode(c, QHeaderView::Fixed);
        }
    }
    ~ListFillGuard()
    {
        for (int c = 0; c < m_modes.size() && c < m_header->count(); ++c)
            m_header->setSectionResizeMode(c, m_modes.at(c));
        m_table->blockSignals(m_blocked);
    }
    ListFillGuard(const ListFillGuard&) = delete;
    ListFillGuard& operator=(const ListFillGuard&) = delete;

private:
    QTableWidget* m_table;
    QHeaderView* m_header;
    QVector<QHeaderView::ResizeMode> m_modes;
    bool m_blocked;
};
}

void Index::refreshTable()
{
    // Read into a fresh list and free the old one afterwards: with many results that reads
    // faster than freeing first.
    QVector<PanelChkRecord> previous;
    previous.swap(m_recordList);
    if (!m_indexdb.queryLive(&m_recordList))
        qDebug() << "Index::refreshTable query failed";
    fillTable(m_recordList);
    clearRecordList(&previous);
}

// Refills tableWidget: column 0 the id (hidden), column 1 a check box per row. Rows keep their
// items and check boxes (unticked); only texts that differ are set, and the views hear of them
// once, so a reload after one new result is cheap.
void Index::fillTable(const QVector<PanelChkRecord>& records)
{
    QTableWidget* table = ui->tableWidget;
    QAbstractItemModel* model = table->model();
    const ListFillGuard guard(table);
    ResultRowText texts;
    // The selection follows its results, not the row numbers: a reload that adds or removes rows
    // above would otherwise leave other results selected, or none (and the case form's save needs
    // the selected rows).
    QSet<QString> selectedIds;
    for (const QModelIndex& index : table->selectionModel()->selectedRows()) {
        if (const QTableWidgetItem* idItem = table->item(index.row(), 0))
            selectedIds.insert(idItem->text());
    }
    table->clearSelection();
    table->setRowCount(records.size());
    int firstChanged = -1;
    int lastChanged = -1;
    {
        const QSignalBlocker quiet(model);
        for (int row = 0; row < records.size(); ++row) {
            const PanelChkRecord& r = records.at(row);
            bool changed = setCellText(table, row, 0, QString::number(r.id));
            if (QCheckBox* box = rowCheckBox(table, row, 1)) {
                box->setChecked(false);
            } else {
                changed |= setCellText(table, row, 1, QString());
                table->setCellWidget(row, 1, new QCheckBox(table));
            }
            changed |= setCellText(table, row, 2, texts.departmentOf(r));
            changed |= setCellText(table, row, 3, r.sampleid);
            changed |= setCellText(table, row, 4, r.number);
            changed |= setCellText(table, row, 5, r.name);
            changed |= setCellText(table, row, 6, texts.sexOf(r));
            changed |= setCellText(table, row, 7, texts.testItemOf(r));
            changed |= setCellText(table, row, 8, ResultRowText::checkTime(r));
            changed |= setCellText(table, row, 9, r.machineid);
            if (changed) {
                if (firstChanged < 0)
                    firstChanged = row;
                lastChanged = row;
            }
        }
    }
    // The model's own signal for each cell was held back above: tell the views once.
    if (firstChanged >= 0)
        emit model->dataChanged(model->index(firstChanged, 0), model->index(lastChanged, model->columnCount() - 1));
    if (!selectedIds.isEmpty()) {
        QItemSelection again;
        for (int row = 0; row < records.size(); ++row) {
            if (selectedIds.contains(QString::number(records.at(row).id)))
                again.select(model->index(row, 0), model->index(row, model->columnCount() - 1));
        }
        if (!again.isEmpty()) {
            QItemSelectionModel* selection = table->selectionModel();
            selection->select(again, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            selection->setCurrentIndex(again.first().topLeft(), QItemSelectionModel::NoUpdate);
        }
    }
}

void Index::clearRecordList(QVector<PanelChkRecord>* list)
{
    list->clear();
}

void Index::receiveresult(QueryFilter m_qureyFilter)
{
    clearRecordList(&m_recordList);
    if (!m_indexdb.queryByFilter(m_qureyFilter, &m_recordList))
        qDebug() << "Index::receiveresult query failed";
    fillTable(m_recordList);
}

void Index::on_pushButton_clicked()
{
    refreshTable();
}

// Ids of the ticked rows; when none is ticked, of the selected rows.
QList<int> Index::chosenResultIds() const
{
    QTableWidget* table = ui->tableWidget;
    QList<int> ticked;
    QList<int> selected;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem* idItem = table->item(row, 0);
        if (!idItem)
            continue;
        bool ok = false;
        const int id = idItem->text().toInt(&ok);
        if (!ok)
            continue;
        QCheckBox* box = rowCheckBox(table, row, 1);
        if (box && box->isChecked())
            ticked << id;
        if (table->selectionModel()->isRowSelected(row, QModelIndex()))
            selected << id;
    }
    return ticked.isEmpty() ? selected : ticked;
}

// Moves the chosen results to the report recycle list (state 0).
void Index::on_pushButton_5_clicked()
{
    const QList<int> ids = chosenResultIds();
    if (ids.isEmpty())
        return;
    if (MyMessageBox::showMyMessageBox(this, tr("提示"), tr("确认删除吗？"), 2, 1, true) != 0)
        return;
    if (!m_indexdb.setState(ids, 0)) {
        qDebug() << "Index::on_pushButton_5_clicked setState failed" << ids;
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("删除失败"), 1, 0, true);
    }
    refreshTable();
}

void Index::slot_selectItems(QVector<int> _vec)
{
    for (int row : _vec) {
        if (QCheckBox* box = rowCheckBox(ui->tableWidget, row, 1))
            box->setChecked(!box->isChecked());
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
