#pragma once
#include "QcQueryFilter.h"

#include <QDialog>

namespace Ui { class dlgQcQuery; }

// The QC search: exec() is Accepted only through the query button, which fills filter().
class dlgQcQuery : public QDialog
{
    Q_OBJECT
public:
    explicit dlgQcQuery(QWidget* parent = nullptr);
    ~dlgQcQuery() override;

    // The criteria taken when the query button was pressed.
    QcQueryFilter filter() const { return m_filter; }

private slots:
    void on_pushButton_query_clicked();
    void on_pushButton_cancel_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::dlgQcQuery* ui;
    QcQueryFilter m_filter;
};
