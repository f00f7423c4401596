#pragma once
#include "QueryFilter.h"
#include "baseDlg.h"

#include <QDate>

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

protected:
    // Offers the machine ids of the stored results and, while the user has not chosen dates, a
    // range that spans them.
    void showEvent(QShowEvent* event) override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::Patientfind* ui;
    // The dates this dialog put in; dates the user changed are kept.
    QDate m_shownStart;
    QDate m_shownEnd;
};
