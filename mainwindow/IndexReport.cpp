// Test-report assembly and the print, preview, PDF and Excel commands.
#include "Index.h"
#include "ui_Index.h"

#include "MyMessageBox.h"
#include "ReportAssembly.h"
#include "ResultListModel.h"
#include "chkReportPage.h"
#include "printTool.h"
#include "reportFileWriter.h"

#include <QDebug>
#include <QFileDialog>

bool Index::buildReport(chkReportPage& page, const QSet<QString>& checkedIds, const QString& id)
{
    ReportAssembly::applySettings(page);
    if (!m_recordList.isEmpty())
        clearRecordList(&m_recordList);
    m_indexdb.queryById(id.isEmpty() ? m_currentId : id, &m_recordList);
    if (m_recordList.isEmpty())
        return false;
    const PanelChkRecord record = m_recordList.first();
    return ReportAssembly::fillFromRecord(page, record, checkedIds, &ReportAssembly::storedQcLimits);
}

void Index::on_pushButton_3_clicked()
{
    // Every tick is cleared once looked at, whether the user then prints or not.
    const QList<int> ids = resultModel()->tickedIds();
    resultModel()->setAllTicked(false);
    if (ids.isEmpty()) {
        MyMessageBox::showMyMessageBox(nullptr, tr("打印"), tr("请勾选打印报告"), 2, 0, true);
        return;
    }
    if (MyMessageBox::showMyMessageBox(nullptr, tr("打印"), tr("确认打印吗？"), 2, 1, true) != 0)
        return;

    // The result the detail table shows ("resultId", set where that table is filled).
    const QString detailId = ui->tableWidget_2->property("resultId").toString();
    QStringList unreadable;
    for (int resultId : qAsConst(ids)) {
        const QString id = QString::number(resultId);
        const QSet<QString> analytes =
            ids.size() == 1 ? ReportAssembly::tickedFor(id, detailId, getCheckedIds()) : QSet<QString>();
        chkReportPage page;
        if (!buildReport(page, analytes, id)) {
            unreadable << id;
            continue;
        }
        if (!page.print()) {
            // No printer now means none for the reports after this one either.
            qDebug() << "Index::on_pushButton_3_clicked no usable printer";
            MyMessageBox::showMyMessageBox(nullptr, tr("打印"), printTool::noPrinterText(), 1, 0, true);
            return;
        }
    }
    if (!unreadable.isEmpty()) {
        qDebug() << "Index::on_pushButton_3_clicked unreadable results" << unreadable;
        MyMessageBox::showMyMessageBox(nullptr, tr("打印"),
                                       tr("以下结果无法读取，未打印：%1").arg(unreadable.join(QStringLiteral(", "))),
                                       1, 0, true);
    }
}

void Index::on_pushButton_2_clicked()
{
    if (!ui->tableWidget->selectionModel()->hasSelection())
        return;
    chkReportPage page;
    if (!buildReport(page, getCheckedIds(), QString())) {
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("该结果无法读取，未生成报告"), 1, 0, true);
        return;
    }
    page.printPreview();
}

void Index::on_pushButton_9_clicked()
{
    exportCurrentReport(QStringLiteral("Text Files (*.pdf)"), false);
}

void Index::on_pushButton_excel_clicked()
{
    exportCurrentReport(QStringLiteral("Text Files (*.xlsx)"), true);
}

// The PDF and Excel commands: the current result's report to a file the user names.
void Index::exportCurrentReport(const QString& filter, bool excel)
{
    if (!ui->tableWidget->selectionModel()->hasSelection())
        return;
    const QString name = reportFileWriter::withSuffix(
        QFileDialog::getSaveFileName(this, tr("Save Text"), QStringLiteral("/"), filter),
        excel ? QStringLiteral("xlsx") : QStringLiteral("pdf"));
    qDebug() << name;
    if (name.isEmpty())
        return;
    chkReportPage page;
    if (!buildReport(page, getCheckedIds(), QString())) {
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("该结果无法读取，未生成报告"), 1, 0, true);
        return;
    }
    if (!(excel ? page.exportExcel(name) : page.exportPdf(name)))
        MyMessageBox::showMyMessageBox(this, tr("失败"),
                                       tr("文件无法写入，请检查路径或关闭正在使用该文件的程序：%1").arg(name), 1, 0, true);
}
