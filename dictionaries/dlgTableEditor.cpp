#include "dlgTableEditor.h"

#include "LookupTabledb.h"
#include "MyMessageBox.h"
#include "ui_dlgTableEditor.h"

#include <QHeaderView>
#include <QIcon>
#include <QTableWidgetItem>
#include <algorithm>

dlgTableEditor::dlgTableEditor(LookupTabledb* db, const QString& title, QWidget* parent)
    : baseDlg(parent), ui(new Ui::dlgTableEditor), m_db(db)
{
    ui->setupUi(this);
    m_db->setParent(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/bianji.png")));
    setWindowTitle(title);
    ui->tableWidget->setColumnCount(m_db->columns().size());
    ui->tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tableWidget->horizontalHeader()->setStretchLastSection(true);
    ui->tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->tableWidget->setStyleSheet(QStringLiteral("selection-background-color:lightblue;"));
    setHeaders();
    connect(ui->tableWidget, &QTableWidget::itemChanged, this, [this]() { m_modified = true; });
    load();
}

dlgTableEditor::~dlgTableEditor()
{
    delete ui;
}

void dlgTableEditor::setHeaders()
{
    QStringList headers;
    for (const QString& column : m_db->columns()) {
        if (column == QLatin1String("name"))
            headers << tr("名称");
        else if (column == QLatin1String("projectname"))
            headers << tr("项目");
        else if (column == QLatin1String("projectchnname"))
            headers << tr("中文名称");
        else if (column == QLatin1String("projectvalue"))
            headers << tr("临床意义");
        else if (column == QLatin1String("remark"))
            headers << tr("备注");
        else if (column == QLatin1String("projectid"))
            headers << tr("项目编号");
        else
            headers << column;
    }
    ui->tableWidget->setHorizontalHeaderLabels(headers);
}

bool dlgTableEditor::load()
{
    QVector<QStringList> rows;
    const bool ok = m_db->queryRows(&rows);
    if (!ok && m_loaded)
        return false; // keep the grid and its edits
    const QSignalBlocker blocker(ui->tableWidget);
    ui->tableWidget->clearContents();
    ui->tableWidget->setRowCount(rows.size());
    const int columns = ui->tableWidget->columnCount();
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < columns; ++c)
            ui->tableWidget->setItem(r, c, new QTableWidgetItem(rows[r].value(c)));
    m_modified = false;
    m_loaded = ok;
    return ok;
}

QVector<QStringList> dlgTableEditor::gridRows() const
{
    QVector<QStringList> rows;
    const int columns = ui->tableWidget->columnCount();
    for (int r = 0; r < ui->tableWidget->rowCount(); ++r) {
        QStringList row;
        bool any = false;
        for (int c = 0; c < columns; ++c) {
            const QTableWidgetItem* item = ui->tableWidget->item(r, c);
            const QString text = item ? item->text().trimmed() : QString();
            any = any || !text.isEmpty();
            row << text;
        }
        if (any)
            rows.append(row);
    }
    return rows;
}

void dlgTableEditor::on_pushButton_add_clicked()
{
    const int row = ui->tableWidget->rowCount();
    ui->tableWidget->insertRow(row);
    for (int c = 0; c < ui->tableWidget->columnCount(); ++c)
        ui->tableWidget->setItem(row, c, new QTableWidgetItem());
    ui->tableWidget->scrollToBottom();
    ui->tableWidget->setCurrentCell(row, 0);
    ui->tableWidget->editItem(ui->tableWidget->item(row, 0));
    m_modified = true;
}

void dlgTableEditor::on_pushButton_delete_clicked()
{
    QList<int> rows;
    for (const QModelIndex& index : ui->tableWidget->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty() && ui->tableWidget->currentRow() >= 0)
        rows << ui->tableWidget->currentRow();
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : qAsConst(rows))
        ui->tableWidget->removeRow(row);
    m_modified = true;
}

void dlgTableEditor::on_pushButton_reload_clicked()
{
    if (m_modified
        && MyMessageBox::showMyMessageBox(this, tr("提示"), tr("放弃未保存的修改吗？"),
                                          MyMessageBox::Question, 1, true) != 0)
        return;
    if (!load())
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("读取失败"), MyMessageBox::Warning, 0, true);
}

void dlgTableEditor::on_pushButton_save_clicked()
{
    // Saving replaces the whole table: a grid that never held the stored list would wipe it.
    if (!m_loaded) {
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("读取失败"), MyMessageBox::Warning, 0, true);
        return;
    }
    const bool saved = m_db->replaceRows(gridRows());
    if (saved)
        load();
    MyMessageBox::showSaveResult(this, saved);
}

void dlgTableEditor::reject()
{
    if (m_modified
        && MyMessageBox::showMyMessageBox(this, tr("提示"), tr("放弃未保存的修改吗？"),
                                          MyMessageBox::Question, 1, true) != 0)
        return;
    baseDlg::reject();
}

void dlgTableEditor::retranslate()
{
    const QString title = windowTitle();
    ui->retranslateUi(this);
    setWindowTitle(title);
    setHeaders();
}
