#pragma once
#include "Indexdb.h"
#include "baseDlg.h"

namespace Ui {
class Historyrecord;
}

// The report recycle list: results moved out of the result list, with their restore.
class Historyrecord : public baseDlg
{
    Q_OBJECT
public:
    explicit Historyrecord(QWidget* parent = nullptr);
    ~Historyrecord() override;
    void retranslate() override;
    void refresh();
    Ui::Historyrecord* form() const { return ui; }

signals:
    // These results are live again.
    void restored(const QList<int>& ids);

private slots:
    void on_pushButton_2_clicked();

private:
    Ui::Historyrecord* ui;
    Indexdb m_indexdb;
};
