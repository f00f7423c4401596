#pragma once
#include "baseDlg.h"

namespace Ui {
class Language;
}

// Chooses the user-interface language; the choice is stored and applied at once.
class Language : public baseDlg
{
    Q_OBJECT
public:
    explicit Language(QWidget* parent = nullptr);
    ~Language() override;

    void retranslate() override;

private slots:
    void on_pushButton_save_clicked();

private:
    void fillLanguages();
    Ui::Language* ui;
};
