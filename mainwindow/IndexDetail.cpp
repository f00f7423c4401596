// Result detail view and the save of edited analyte values.
#include "Index.h"
#include "ui_Index.h"

#include "CaseForm.h"
#include "MyMessageBox.h"
#include "ReportAssembly.h"
#include "ResultDetail.h"
#include "Translateword.h"

#include <QCheckBox>
#include <QDebug>
#include <QJsonArray>

namespace {

// Item data of the detail table besides the hand-added mark (user role + 1 on column 2).
const int kAddedRole = Qt::UserRole + 1;
const int kShownTextRole = Qt::UserRole + 2;     // the text the view put into the cell
const int kStoredIndexRole = Qt::UserRole + 3;   // column 1: position in the stored array
const int kStoredCodeRole = Qt::UserRole + 4;    // column 1: the code as stored
// The result whose analytes the detail table holds.
const char* const kResultIdProperty = "resultId";

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

QString shownText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->data(kShownTextRole).toString() : QString();
}

} // namespace

void Index::on_tableWidget_itemSelectionChanged()
{
    ui->pushButton_14->setEnabled(true);
    const int unitMode = ReportAssembly::unitMode();
    const int selectedId = firstSelectedResultId();
    if (selectedId < 0)
        return;
    const QString id = QString::number(selectedId);
    m_currentId = id;
    QVector<PanelChkRecord> found;
    m_indexdb.queryById(id, &found);
    if (found.isEmpty())
        return;
    const PanelChkRecord& record = found.first();

    QTableWidget* table = ui->tableWidget_2;
    table->setColumnHidden(4, record.testType != 1);
    QJsonArray results;
    if (!ResultDetail::parseResults(record.testresults, &results))
        qDebug() << "数据解析有误" << record.id;
    table->clearContents();
    table->setRowCount(0);
    table->setProperty(kResultIdProperty, id);

    Translateword* words = Translateword::getInstance();
    const QVector<ResultDetailRow> rows = ResultDetail::buildRows(
        results, ReportAssembly::hiddenAnalytes(record.panelid), unitMode, record.testType == 1,
        &ReportAssembly::storedQcLimits,
        [words](const QString& code) { return words->transByKey(code); });
    table->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const ResultDetailRow& row = rows.at(r);
        table->setItem(r, 0, new QTableWidgetItem());
        auto* box = new QCheckBox(table);
        box->setChecked(true);
        table->setCellWidget(r, 0, box);
        const QString texts[7] = {QString(), row.shownCode, row.name, row.valueText,
                                  row.targetText, row.rangeText, row.unitText};
        for (int c = 1; c <= 6; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setData(kShownTextRole, texts[c]);
            item->setTextAlignment(Qt::AlignCenter);
            if (!row.color.isEmpty())
                item->setForeground(QBrush(QColor(row.color), Qt::SolidPattern));
            if (c == 1 || c == 2 || c == 3 || c == 5)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (c == 1) {
                item->setData(kStoredIndexRole, row.storedIndex);
                item->setData(kStoredCodeRole, row.code);
            }
            if (c == 2 && row.addedByHand)
                item->setData(kAddedRole, 1);
            table->setItem(r, c, item);
        }
    }

    m_caseForm->show(record);
}

// When the result that the case form and detail view show is no longer live (deleted, or moved
// away), they show the first selected result instead, or nothing.
void Index::dropShownResultIfGone()
{
    const QString id = m_caseForm->shownId();
    if (id.isEmpty())
        return;
    QVector<PanelChkRecord> found;
    if (m_indexdb.queryById(id, &found) && !found.isEmpty())
        return;
    clearShownResult();
    on_tableWidget_itemSelectionChanged();
}

void Index::clearShownResult()
{
    m_caseForm->clear();
    ui->tableWidget_2->clearContents();
    ui->tableWidget_2->setRowCount(0);
    ui->tableWidget_2->setProperty(kResultIdProperty, QVariant());
    m_currentId.clear();
}

// The full analyte names follow the language; nothing else of the shown rows changes.
void Index::retranslateDetailNames()
{
    QTableWidget* table = ui->tableWidget_2;
    Translateword* words = Translateword::getInstance();
    for (int r = 0; r < table->rowCount(); ++r) {
        const QTableWidgetItem* codeItem = table->item(r, 1);
        QTableWidgetItem* nameItem = table->item(r, 2);
        if (!codeItem || !nameItem || codeItem->data(kStoredCodeRole).toString().isEmpty())
            continue;
        const QString name = words->transByKey(codeItem->data(kStoredCodeRole).toString());
        nameItem->setText(name);
        nameItem->setData(kShownTextRole, name);
    }
}

void Index::on_pushButton_6_clicked()
{
    const int unitMode = ReportAssembly::unitMode();
    QTableWidget* table = ui->tableWidget_2;
    // The rows are stored into the result they were shown for.
    const QString id = table->property(kResultIdProperty).toString();
    if (id.isEmpty()) {
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("保存失败"), 1, 0, true);
        return;
    }
    m_currentId = id;
    clearRecordList(&m_recordList);
    m_indexdb.queryById(id, &m_recordList);
    if (m_recordList.isEmpty()) {
        qDebug() << "Index::on_pushButton_6_clicked no live result" << id;
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("该结果已无法读取，未保存"), 1, 0, true);
        return;
    }
    PanelChkRecord record = m_recordList.first();

    QVector<ResultDetailEdit> edits;
    for (int r = 0; r < table->rowCount(); ++r) {
        ResultDetailEdit e;
        const QTableWidgetItem* codeItem = table->item(r, 1);
        const QVariant stored = codeItem ? codeItem->data(kStoredIndexRole) : QVariant();
        e.storedIndex = stored.isValid() ? stored.toInt() : -1;
        e.storedCode = codeItem ? codeItem->data(kStoredCodeRole).toString() : QString();
        e.codeText = cellText(table, r, 1);
        e.valueText = cellText(table, r, 3);
        e.shownValueText = shownText(table, r, 3);
        e.hasTargetItem = table->item(r, 4) != nullptr;
        e.targetText = cellText(table, r, 4);
        e.shownTargetText = shownText(table, r, 4);
        e.rangeText = cellText(table, r, 5);
        e.shownRangeText = shownText(table, r, 5);
        e.unitText = cellText(table, r, 6);
        e.shownUnitText = shownText(table, r, 6);
        const QTableWidgetItem* nameItem = table->item(r, 2);
        e.addedByHand = nameItem && nameItem->data(kAddedRole).toInt() == 1;
        edits.append(e);
    }

    QString newText;
    if (!ResultDetail::rewriteResults(record.testresults, edits, ReportAssembly::hiddenAnalytes(record.panelid),
                                      unitMode, &newText)) {
        qDebug() << "Index::on_pushButton_6_clicked 数据解析有误" << id;
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("该结果的检测数据无法读取，未保存"), 1, 0, true);
        return;
    }
    qDebug() << newText;
    record.testresults = newText;
    record.state = 1;
    const bool saved = m_indexdb.updateData(record);
    on_tableWidget_itemSelectionChanged();
    if (saved)
        MyMessageBox::showMyMessageBox(this, tr("成功"), tr("保存成功"), 1, 0, true);
    else
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("保存失败"), 1, 0, true);
}
