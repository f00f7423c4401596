// Test-report assembly and the print, preview, PDF and Excel commands.
#include "Index.h"
#include "ui_Index.h"

void Index::buildReport(chkReportPage& page, const QSet<QString>& checkedIds, const QString& id)
{
    Q_UNUSED(page)
    Q_UNUSED(checkedIds)
    Q_UNUSED(id)
}

void Index::on_pushButton_3_clicked()
{
}

void Index::on_pushButton_2_clicked()
{
}

void Index::on_pushButton_9_clicked()
{
}

void Index::on_pushButton_excel_clicked()
{
}
