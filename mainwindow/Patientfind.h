#pragma once
#include "QueryFilter.h"
#include "baseDlg.h"

namespace Ui {
class Patientfind;
}

// The advanced query of the result list: emits its criteria and stays open.
class Patientfind : public baseDlg
{
    Q_OBJECT
public:
    explicit Patientfind(QWidget* parent = nullptr);
    ~Patientfind() override;
    void retranslate() override;
    // The criteria as the form holds them now.
    QueryFilter currentFilter() const;
    Ui::Patientfind* form() const { return ui; }

signals:
    void sendresult(QueryFilter filter);

private slots:
    void on_pushButton_clicked();

private:
    Ui::Patientfind* ui;
};
