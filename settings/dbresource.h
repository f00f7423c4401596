#pragma once
#include "baseDlg.h"

namespace Ui {
class dbresource;
}

// Chooses the cloud region ("cn" domestic, else overseas).
class dbresource : public baseDlg
{
    Q_OBJECT
public:
    explicit dbresource(QWidget* parent = nullptr);
    ~dbresource() override;

    void retranslate() override;

private slots:
    void on_pushButton_save_clicked();

private:
    Ui::dbresource* ui;
};
