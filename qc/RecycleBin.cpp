#include "RecycleBin.h"
#include "ui_RecycleBin.h"

#include "Indexdb.h"
#include "MyMessageBox.h"
#include "QcFormat.h"
#include "SystemSettings.h"

#include <QDebug>
#include <QHeaderView>

RecycleBin::RecycleBin(QWidget* parent) : QDialog(parent), ui(new Ui::RecycleBin), m_indexdb(new Indexdb(this))
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    QTableWidget* table = ui->tableWidget;
    table->setColumnCount(6);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setStyleSheet("selection-background-color:lightblue;");
    setHeaders();
    reload();
}

RecycleBin::~RecycleBin()
{
    delete ui;
}

void RecycleBin::setHeaders()
{
    ui->tableWidget->setHorizontalHeaderLabels(
        {tr("编号"), tr("检测时间"), tr("质控品"), tr("质控批号"), tr("科室"), tr("设备编号")});
}

void RecycleBin::reload()
{
    m_list.clear();
    if (!m_indexdb->queryQcHidden(&m_list))
        qDebug() << "RecycleBin::reload queryQcHidden failed";
    QTableWidget* table = ui->tableWidget;
    table->clearContents();
    table->setRowCount(m_list.size());
    const QString language = getLanguage(); // once per fill, not per row
    for (int row = 0; row < m_list.size(); ++row) {
        const PanelQcResult& qc = m_list.at(row);
        const QStringList cells{QString::number(qc.id), QcFormat::checkTimeText(qc.chkdatetime),
                                QcFormat::productName(qc.QcProduct), qc.QcLot,
                                QcFormat::divisionText(qc.division, language), qc.machineid};
        for (int col = 0; col < cells.size(); ++col)
            table->setItem(row, col, new QTableWidgetItem(cells.at(col)));
    }
}

QList<int> RecycleBin::selectedIds() const
{
    QList<int> ids;
    const QModelIndexList rows = ui->tableWidget->selectionModel()->selectedRows();
    QList<int> numbers;
    for (const QModelIndex& index : rows)
        numbers << index.row();
    std::sort(numbers.begin(), numbers.end());
    for (int row : qAsConst(numbers)) {
        if (row < m_list.size())
            ids << m_list.at(row).id;
    }
    return ids;
}

void RecycleBin::on_pushButton_restore_clicked()
{
    const QList<int> ids = selectedIds();
    if (ids.isEmpty()) {
        MyMessageBox::showMyMessageBox(this, tr("提示"), tr("请选择要恢复的记录"), 1, 0, true);
        return;
    }
    if (MyMessageBox::showMyMessageBox(this, tr("恢复"), tr("确认恢复该记录？"), 2, 1, true) != 0)
        return;
    if (!m_indexdb->setQcShow(ids, 1)) {
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("恢复失败"), 1, 0, true);
        return;
    }
    reload();
    MyMessageBox::showMyMessageBox(this, tr("提示"), tr("恢复成功！"), 0, 0, true);
}

void RecycleBin::on_pushButton_close_clicked()
{
    accept();
}

void RecycleBin::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setHeaders();
        reload();
    }
    QDialog::changeEvent(event);
}
