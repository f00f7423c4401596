#include "Historyrecord.h"
#include "ui_Historyrecord.h"

#include "MyMessageBox.h"
#include "ResultRowText.h"

#include <QDebug>
#include <QHeaderView>

Historyrecord::Historyrecord(QWidget* parent)
    : baseDlg(parent)
    , ui(new Ui::Historyrecord)
{
    ui->setupUi(this);
    QTableWidget* table = ui->tableWidget;
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c <= 7; ++c)
        table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    table->setStyleSheet(QStringLiteral("selection-background-color:lightblue;"));
    table->verticalHeader()->setHidden(true);
    refresh();
}

Historyrecord::~Historyrecord()
{
    delete ui;
}

void Historyrecord::retranslate()
{
    ui->retranslateUi(this);
}

void Historyrecord::refresh()
{
    QVector<PanelChkRecord> records;
    if (!m_indexdb.queryByState(0, &records))
        qDebug() << "Historyrecord::refresh query failed";
    QTableWidget* table = ui->tableWidget;
    table->clearContents();
    table->setRowCount(records.size());
    for (int row = 0; row < records.size(); ++row) {
        const PanelChkRecord& r = records.at(row);
        const QStringList cells = {QString::number(r.id), ResultRowText::department(r), r.number, r.sampleid, r.name,
                                   ResultRowText::sex(r), ResultRowText::testItem(r), ResultRowText::checkTime(r),
                                   r.machineid};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, c, item);
        }
    }
}

// Restores the selected results to the result list.
void Historyrecord::on_pushButton_2_clicked()
{
    QList<int> ids;
    const QModelIndexList rows = ui->tableWidget->selectionModel()->selectedRows();
    for (const QModelIndex& index : rows) {
        QTableWidgetItem* item = ui->tableWidget->item(index.row(), 0);
        bool ok = false;
        const int id = item ? item->text().toInt(&ok) : 0;
        if (ok)
            ids << id;
    }
    if (ids.isEmpty())
        return;
    if (MyMessageBox::showMyMessageBox(this, tr("提示"), tr("确认恢复该记录？"), 2, 1, true) != 0)
        return;
    if (m_indexdb.setState(ids, 1)) {
        emit restored(ids);
        MyMessageBox::showMyMessageBox(this, tr("提示"), tr("恢复成功！"), 0, 0, true);
    } else {
        qDebug() << "Historyrecord::on_pushButton_2_clicked setState failed" << ids;
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("恢复失败"), 1, 0, true);
    }
    refresh();
}
