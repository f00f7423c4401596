#include "dbresource.h"

#include "MyMessageBox.h"
#include "SystemSettings.h"
#include "ui_dbresource.h"

dbresource::dbresource(QWidget* parent) : baseDlg(parent), ui(new Ui::dbresource)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    const bool domestic = getDbsource() == QLatin1String("cn");
    ui->radioButton_cn->setChecked(domestic);
    ui->radioButton_overseas->setChecked(!domestic);
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

dbresource::~dbresource()
{
    delete ui;
}

void dbresource::retranslate()
{
    ui->retranslateUi(this);
}

void dbresource::on_pushButton_save_clicked()
{
    const QString region = ui->radioButton_cn->isChecked() ? QStringLiteral("cn") : overseasDbsource();
    if (MyMessageBox::showSaveResult(this, setDbsource(region)))
        accept();
}
