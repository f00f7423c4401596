// Backup and restore of the main database.
#include "Index.h"
#include "ui_Index.h"

#include "DatabaseFileCopy.h"
#include "MyMessageBox.h"
#include "dataAccess.h"
#include "dbHelper.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>

namespace {

QString mainDatabasePath()
{
    return QDir::currentPath() + QLatin1Char('/') + dbHelper::currentFileName();
}

QString mainDatabaseFilter()
{
    return dbHelper::currentFileName().endsWith(QLatin1String(".db3")) ? QStringLiteral("*.db3")
                                                                        : QStringLiteral("*.db2");
}

const char* const kDialogDir = "E:/4.23/";

} // namespace

// The file dialog runs while the database is open; the copy runs without returning to the event
// loop, so no analyzer reply or import is handled while the database is closed.
void Index::slot_backupsqlUI()
{
    const QString target = QFileDialog::getSaveFileName(this, tr("文件保存"),
                                                        QLatin1String(kDialogDir), mainDatabaseFilter());
    if (target.isEmpty())
        return;
    const QString source = mainDatabasePath();
    qDebug() << source;
    dbHelper::getInstance()->close();
    const DatabaseFileCopy::Result result = DatabaseFileCopy::backup(source, target);
    dbHelper::getInstance()->openDatabase();
    if (result == DatabaseFileCopy::Done)
        MyMessageBox::showMyMessageBox(this, tr("成功"), tr("备份成功"), 0, 0, true);
    else
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("备份失败，数据未复制"), 1, 0, true);
}

void Index::slot_restoresqlUI()
{
    closeLink(true);
    showLinkButton(LinkButton::Connect);
    qDebug() << "串口在打开状态，串口关闭2";

    const QString target = mainDatabasePath();
    const QString source = QFileDialog::getOpenFileName(this, tr("文件打开"),
                                                        QLatin1String(kDialogDir), mainDatabaseFilter());
    DatabaseFileCopy::Result result = DatabaseFileCopy::Done;
    QString kept;
    if (!source.isEmpty()) {
        if (!DatabaseFileCopy::isResultDatabase(source)) {
            result = DatabaseFileCopy::NotResultDatabase;
        } else {
            // Every connection on the file, the main one and named ones, is opened again on the
            // restored file at its next use.
            dataAccess::getInstance()->closeFile(target);
            result = DatabaseFileCopy::restore(source, target, &kept);
            if (result == DatabaseFileCopy::Done)
                dbHelper::upgradeSchema(target);
            dbHelper::getInstance()->openDatabase();
        }
    }
    const bool replaced = !source.isEmpty() && result == DatabaseFileCopy::Done;
    if (replaced) {
        // Ids of the replaced database name other results, or none, in the restored one.
        ui->tableWidget->clearSelection();
        clearShownResult();
    }
    refreshTable();
    refreshQcTab();
    if (source.isEmpty())
        return;
    if (replaced && !kept.isEmpty())
        MyMessageBox::showMyMessageBox(this, tr("成功"),
                                       tr("恢复成功。被替换的数据库已保留为：%1").arg(QDir::toNativeSeparators(kept)),
                                       0, 0, true);
    else if (replaced)
        MyMessageBox::showMyMessageBox(this, tr("成功"), tr("恢复成功"), 0, 0, true);
    else if (result == DatabaseFileCopy::NotResultDatabase)
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("所选文件不是可用的数据库备份，原数据库未改变"), 1, 0, true);
    else
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("恢复失败，原数据库未改变"), 1, 0, true);
}
