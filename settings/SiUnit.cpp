#include "SiUnit.h"

#include "MyMessageBox.h"
#include "SystemSettings.h"
#include "ui_SiUnit.h"

SiUnit::SiUnit(QWidget* parent) : baseDlg(parent), ui(new Ui::SiUnit)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    const bool conventional = getUnitMode() == 1;
    ui->radioButton_conventional->setChecked(conventional);
    ui->radioButton_si->setChecked(!conventional);
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

SiUnit::~SiUnit()
{
    delete ui;
}

void SiUnit::retranslate()
{
    ui->retranslateUi(this);
}

void SiUnit::on_pushButton_save_clicked()
{
    const int mode = ui->radioButton_conventional->isChecked() ? 1 : 0;
    if (MyMessageBox::showSaveResult(this, setUnitMode(mode)))
        accept();
}
