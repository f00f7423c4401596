#include "dlgQcQuery.h"
#include "ui_dlgQcQuery.h"

#include "configAccess.h"

dlgQcQuery::dlgQcQuery(QWidget* parent) : QDialog(parent), ui(new Ui::dlgQcQuery)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    const QDate today = QDate::currentDate();
    ui->dt_start->setDate(today);
    ui->dt_end->setDate(today);
    ui->comboBox_project->addItem(QString());
    ui->comboBox_project->addItems(configAccess::getInstance()->getProjectNames());
    ui->pushButton_query->setDefault(true);
}

dlgQcQuery::~dlgQcQuery()
{
    delete ui;
}

void dlgQcQuery::on_pushButton_query_clicked()
{
    QcQueryFilter f;
    f.QcProduct = ui->comboBox_qcProduct->currentIndex();
    f.QcLot = ui->lineEdit_qclot->text().trimmed();
    f.division = ui->lineEdit_division->text().trimmed();
    f.machineid = ui->lineEdit_devid->text().trimmed();
    f.m_projectName = ui->comboBox_project->currentText();
    // Whole days: from the start day's midnight up to the midnight after the end day.
    f.m_startChkDatetime = QDateTime(ui->dt_start->date(), QTime(0, 0));
    f.m_useStartChkDatetime = true;
    f.m_endChkDatetime = QDateTime(ui->dt_end->date().addDays(1), QTime(0, 0));
    f.m_useEndChkDatetime = true;
    m_filter = f;
    accept();
}

void dlgQcQuery::on_pushButton_cancel_clicked()
{
    reject();
}

void dlgQcQuery::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        const int product = ui->comboBox_qcProduct->currentIndex();
        ui->retranslateUi(this);
        ui->comboBox_qcProduct->setCurrentIndex(product);
    }
    QDialog::changeEvent(event);
}
