#pragma once
#include <QDialog>
#include <QMap>
#include <QStringList>

namespace Ui {
class dlgSetProjectGroup;
}

// Chooses, per panel group, the test items left out of the result view and the reports
// (stored through getHiddenAnalytes / setHiddenAnalytes).
class dlgSetProjectGroup : public QDialog
{
    Q_OBJECT
public:
    explicit dlgSetProjectGroup(QWidget* parent = nullptr);
    ~dlgSetProjectGroup() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_comboBox_panel_currentIndexChanged(int index);
    void on_pushButton_save_clicked();

private:
    void fillPanels();
    void showPanel(int panelId);
    void keepCurrentPanel();

    Ui::dlgSetProjectGroup* ui;
    QMap<int, QStringList> m_hidden; // panel id -> hidden codes, as edited
    int m_currentPanel = -1;
};
