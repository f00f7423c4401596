#pragma once
#include "baseDlg.h"

namespace Ui {
class Hospitalname;
}

// Edits the clinic's name, address, phone and e-mail ("./saveFile/hospital.ini", systemCfg).
class Hospitalname : public baseDlg
{
    Q_OBJECT
public:
    explicit Hospitalname(QWidget* parent = nullptr);
    ~Hospitalname() override;

    void retranslate() override;

private slots:
    void on_pushButton_save_clicked();

private:
    Ui::Hospitalname* ui;
};
