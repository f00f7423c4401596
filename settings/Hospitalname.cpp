#include "Hospitalname.h"

#include "MyMessageBox.h"
#include "SystemSettings.h"
#include "ui_Hospitalname.h"

namespace {
const char* const kFile = "./saveFile/hospital.ini";
const char* const kGroup = "systemCfg";
} // namespace

Hospitalname::Hospitalname(QWidget* parent) : baseDlg(parent), ui(new Ui::Hospitalname)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->lineEdit_hospital->setText(readIniValue(kFile, kGroup, "hospital", QString()).toString());
    ui->lineEdit_address->setText(readIniValue(kFile, kGroup, "address", QString()).toString());
    ui->lineEdit_phone->setText(readIniValue(kFile, kGroup, "phone", QString()).toString());
    ui->lineEdit_email->setText(readIniValue(kFile, kGroup, "email", QString()).toString());
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

Hospitalname::~Hospitalname()
{
    delete ui;
}

void Hospitalname::retranslate()
{
    ui->retranslateUi(this);
}

void Hospitalname::on_pushButton_save_clicked()
{
    const QVariantMap values = {{"hospital", ui->lineEdit_hospital->text().trimmed()},
                                {"address", ui->lineEdit_address->text().trimmed()},
                                {"phone", ui->lineEdit_phone->text().trimmed()},
                                {"email", ui->lineEdit_email->text().trimmed()}};
    if (MyMessageBox::showSaveResult(this, writeIniValues(kFile, kGroup, values)))
        accept();
}
