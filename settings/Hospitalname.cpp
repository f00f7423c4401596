#include "Hospitalname.h"

#include "MyMessageBox.h"
#include "SystemSettings.h"
#include "ui_Hospitalname.h"

Hospitalname::Hospitalname(QWidget* parent) : baseDlg(parent), ui(new Ui::Hospitalname)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->lineEdit_hospital->setText(getHospitalValue(QStringLiteral("hospital")));
    ui->lineEdit_address->setText(getHospitalValue(QStringLiteral("address")));
    ui->lineEdit_phone->setText(getHospitalValue(QStringLiteral("phone")));
    ui->lineEdit_email->setText(getHospitalValue(QStringLiteral("email")));
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
    if (MyMessageBox::showSaveResult(this, setHospitalValues(values)))
        accept();
}
