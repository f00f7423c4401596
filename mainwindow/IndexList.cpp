// The result list: reload, search, soft delete and the row check boxes.
#include "Index.h"
#include "ui_Index.h"

#include "MyMessageBox.h"
#include "ResultRowText.h"

#include <QCheckBox>
#include <QDebug>

namespace {
void setCellText(QTableWidget* table, int row, int column, const QString& text)
{
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, item);
    } else if (item->text() != text) {
        item->setText(text);
    }
}

QCheckBox* rowCheckBox(QTableWidget* table, int row, int column)
{
    return qobject_cast<QCheckBox*>(table->cellWidget(row, column));
}
}

void Index::refreshTable()
{
    clearRecordList(&m_recordList);
    if (!m_indexdb.queryLive(&m_recordList))
        qDebug() << "Index::refreshTable query failed";
    fillTable(m_recordList);
}

// Refills tableWidget: column 0 the id (hidden), column 1 a check box per row. Rows that stay
// keep their items and check boxes, so a reload after one new result is cheap.
void Index::fillTable(const QVector<PanelChkRecord>& records)
{
    QTableWidget* table = ui->tableWidget;
    table->setUpdatesEnabled(false);
    const bool blocked = table->blockSignals(true);
    table->clearSelection();
    table->setRowCount(records.size());
    for (int row = 0; row < records.size(); ++row) {
        const PanelChkRecord& r = records.at(row);
        setCellText(table, row, 0, QString::number(r.id));
        if (QCheckBox* box = rowCheckBox(table, row, 1)) {
            box->setChecked(false);
        } else {
            setCellText(table, row, 1, QString());
            table->setCellWidget(row, 1, new QCheckBox(table));
        }
        setCellText(table, row, 2, ResultRowText::department(r));
        setCellText(table, row, 3, r.sampleid);
        setCellText(table, row, 4, r.number);
        setCellText(table, row, 5, r.name);
        setCellText(table, row, 6, ResultRowText::sex(r));
        setCellText(table, row, 7, ResultRowText::testItem(r));
        setCellText(table, row, 8, ResultRowText::checkTime(r));
        setCellText(table, row, 9, r.machineid);
    }
    table->blockSignals(blocked);
    table->setUpdatesEnabled(true);
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
