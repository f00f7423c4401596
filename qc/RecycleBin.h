#pragma once
#include "PanelQcResult.h"

#include <QDialog>
#include <QList>
#include <QVector>

namespace Ui { class RecycleBin; }
class Indexdb;

// The QC recycle bin: the deleted QC results (show = 0); the selected ones can be restored.
class RecycleBin : public QDialog
{
    Q_OBJECT
public:
    explicit RecycleBin(QWidget* parent = nullptr);
    ~RecycleBin() override;

    // Ids of the selected rows, in list order.
    QList<int> selectedIds() const;

private slots:
    void on_pushButton_restore_clicked();
    void on_pushButton_close_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setHeaders();
    void reload();

    Ui::RecycleBin* ui;
    Indexdb* m_indexdb;
    QVector<PanelQcResult> m_list;
};
