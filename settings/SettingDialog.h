#pragma once
#include "baseDlg.h"

namespace Ui {
class SettingDialog;
}

// The settings hub ("系统设置"): each button asks the main window, through its signal, to open
// the matching dialog; the hidden-item settings open from here directly, and the network-data
// cache (the import checkpoints of every device) is cleared here.
class SettingDialog : public baseDlg
{
    Q_OBJECT
public:
    explicit SettingDialog(QWidget* parent = nullptr);
    ~SettingDialog() override;

    void retranslate() override;

signals:
    void signal_upgradeUI();
    void signal_hospitalnameUI();
    void signal_referencevalueUI();
    void signal_clinicalUI();
    void signal_userUI();
    void signal_helpUI();
    void signal_animalsexUI();
    void signal_dbresourceUI();
    void signal_siunitUI();
    void signal_clinicaldiagnosisUI();
    void signal_inspectUI();
    void signal_inspectorUI();
    void signal_reviewerUI();
    void signal_sampletypeUI();
    void signal_languageUI();
    void signal_sendinspectorUI();
    void signal_speciesUI();
    void signal_printpreviewUI();
    // The print-settings button, under the name the main window joins by (emitted together with
    // signal_printpreviewUI: join one of the two).
    void printpreview();
    // The network-data cache was cleared: the lists should be reloaded.
    void signal_updateCaseInfo();

private slots:
    void on_pushButton_projectgroup_clicked();
    void on_pushButton_clearcache_clicked();

private:
    Ui::SettingDialog* ui;
};
