#pragma once
#include "baseDlg.h"

namespace Ui {
class SiUnit;
}

// Chooses the unit system of results and reports ("getModeSelect" of "./saveFile/hospital.ini":
// 1 conventional units, 0 SI units).
class SiUnit : public baseDlg
{
    Q_OBJECT
public:
    explicit SiUnit(QWidget* parent = nullptr);
    ~SiUnit() override;

    void retranslate() override;

private slots:
    void on_pushButton_save_clicked();

private:
    Ui::SiUnit* ui;
};
