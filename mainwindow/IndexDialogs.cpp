// The dialogs the main window opens: settings, lookup lists, queries and recycle lists.
#include "Index.h"
#include "ui_Index.h"

#include "Historyrecord.h"
#include "Patientfind.h"
#include "PrintPreview.h"
#include "RecycleBin.h"
#include "dlgQcQuery.h"
#include "wgtQcReport.h"

#include <QCursor>
#include <QDebug>
#include <QMenu>

#include "SettingDialog.h"
#include "Hospitalname.h"
#include "SiUnit.h"
#include "Language.h"
#include "dbresource.h"
#include "Help.h"
#include "dlgSetProjectGroup.h"
#include "Species.h"
#include "Clinicaldiagnosis.h"
#include "Inspect.h"
#include "Inspector.h"
#include "Reviewer.h"
#include "Sampletype.h"
#include "Sendinspector.h"
#include "Referencevalue.h"
#include "Clinical.h"
#include "Animalsex.h"
#include "Upgrade.h"
#include "User.h"

namespace {
// Creates the dialog without parent, keeps it in `member` while it runs modally under the
// window, then frees it.
template <typename T>
void runOwned(QWidget* window, T*& member)
{
    member = new T(nullptr);
    member->setParent(window, member->windowFlags() | Qt::Dialog);
    member->exec();
    delete member;
    member = nullptr;
}
}

void Index::on_pushButton_12_clicked()
{
    m_settingDialog = new SettingDialog(this);
    connect(m_settingDialog, &SettingDialog::signal_upgradeUI, this, &Index::slot_upgradeUI);
    connect(m_settingDialog, &SettingDialog::signal_hospitalnameUI, this, &Index::slot_hospitalnameUI);
    connect(m_settingDialog, &SettingDialog::signal_siunitUI, this, &Index::slot_siunitUI);
    connect(m_settingDialog, &SettingDialog::signal_referencevalueUI, this, &Index::slot_referencevalueUI);
    connect(m_settingDialog, &SettingDialog::signal_clinicalUI, this, &Index::slot_clinicalUI);
    connect(m_settingDialog, &SettingDialog::signal_userUI, this, &Index::slot_userUI);
    connect(m_settingDialog, &SettingDialog::signal_helpUI, this, &Index::slot_helpUI);
    connect(m_settingDialog, &SettingDialog::signal_animalsexUI, this, &Index::slot_animalsexUI);
    connect(m_settingDialog, &SettingDialog::signal_clinicaldiagnosisUI, this, &Index::slot_clinicaldiagnosisUI);
    connect(m_settingDialog, &SettingDialog::signal_inspectUI, this, &Index::slot_inspectUI);
    connect(m_settingDialog, &SettingDialog::signal_inspectorUI, this, &Index::slot_inspectorUI);
    connect(m_settingDialog, &SettingDialog::signal_reviewerUI, this, &Index::slot_reviewerUI);
    connect(m_settingDialog, &SettingDialog::signal_sampletypeUI, this, &Index::slot_sampletypeUI);
    connect(m_settingDialog, &SettingDialog::signal_sendinspectorUI, this, &Index::slot_sendinspectorUI);
    connect(m_settingDialog, &SettingDialog::signal_speciesUI, this, &Index::slot_speciesUI);
    connect(m_settingDialog, &SettingDialog::signal_languageUI, this, &Index::slot_languageUI);
    connect(m_settingDialog, &SettingDialog::signal_dbresourceUI, this, &Index::slot_dbresourceUI);
    // The print-settings button emits two signals; only one opens the print settings.
    connect(m_settingDialog, &SettingDialog::printpreview, this, &Index::slot_printpreviewUI);
    connect(m_settingDialog, &SettingDialog::signal_updateCaseInfo, this, &Index::slotUpdateCaseInfo);
    m_settingDialog->setWindowTitle(tr("系统设置"));
    m_settingDialog->exec();
    delete m_settingDialog;
    m_settingDialog = nullptr;
}

void Index::slot_upgradeUI()
{
    m_upgrade = new Upgrade(nullptr);
    m_upgrade->setParent(this, m_upgrade->windowFlags() | Qt::Dialog);
    m_upgrade->setCurrentVersion(m_version);
    m_upgrade->checkForUpdate();
    m_upgrade->exec();
    delete m_upgrade;
    m_upgrade = nullptr;
}

void Index::slot_hospitalnameUI()
{
    runOwned(this, m_hospitalname);
}

void Index::slot_siunitUI()
{
    runOwned(this, m_siUnit);
    refreshTable();
    refreshQcTab();
}

void Index::slot_referencevalueUI()
{
    runOwned(this, m_referencevalue);
}

void Index::slot_clinicalUI()
{
    runOwned(this, m_clinical);
}

void Index::slot_userUI()
{
    runOwned(this, m_user);
}

void Index::slot_helpUI()
{
    runOwned(this, m_help);
}

void Index::slot_animalsexUI()
{
    runOwned(this, m_animalsex);
}

void Index::slot_clinicaldiagnosisUI()
{
    runOwned(this, m_clinicaldiagnosis);
    initComboBox();
}

void Index::slot_inspectUI()
{
    runOwned(this, m_inspect);
    initComboBox();
}

void Index::slot_inspectorUI()
{
    runOwned(this, m_inspector);
    initComboBox();
}

void Index::slot_reviewerUI()
{
    runOwned(this, m_reviewer);
    initComboBox();
}

void Index::slot_sampletypeUI()
{
    runOwned(this, m_sampletype);
    initComboBox();
}

void Index::slot_sendinspectorUI()
{
    runOwned(this, m_sendinspector);
    initComboBox();
}

void Index::slot_speciesUI()
{
    runOwned(this, m_species);
    initComboBox();
}

void Index::slot_languageUI()
{
    runOwned(this, m_language);
    initComboBox();
}

void Index::slot_dbresourceUI()
{
    runOwned(this, m_dbresource);
}

void Index::slotUpdateCaseInfo()
{
    refreshTable();
    refreshQcTab();
}

void Index::translateglobal()
{
}

void Index::slot_printpreviewUI()
{
    PrintPreview dialog(this);
    dialog.exec();
}

// The report recycle list on the results tab, the QC recycle bin on the QC tab.
void Index::slot_historyrecordUI()
{
    if (ui->tabWidget->currentIndex() == 0) {
        m_historyrecord = new Historyrecord(nullptr);
        m_historyrecord->setParent(this, m_historyrecord->windowFlags() | Qt::Dialog);
        connect(m_historyrecord, &Historyrecord::restored, this, &Index::showChangedResults);
        m_historyrecord->exec();
        delete m_historyrecord;
        m_historyrecord = nullptr;
        return;
    }
    RecycleBin bin(nullptr);
    bin.exec();
    refreshQcTab();
}

void Index::on_pushButton_11_clicked()
{
    if (ui->tabWidget->currentIndex() == 0) {
        m_patientfind->show();
        return;
    }
    dlgQcQuery dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog gives the start day's midnight and the midnight after the end day (exclusive),
    // so the whole end day is included.
    QcQueryFilter filter = dialog.filter();
    filter.m_useStartChkDatetime = true;
    filter.m_useEndChkDatetime = true;
    qDebug() << filter.m_startChkDatetime;
    qDebug() << filter.m_endChkDatetime;
    qDebug() << "m_startChkDatetime:" << filter.m_startChkDatetime;
    qDebug() << "m_endChkDatetime:" << filter.m_endChkDatetime;
    ui->wgt_qc_report->queryData(filter);
}

void Index::slot_F6()
{
    QMenu menu;
    QAction* entry = menu.addAction(tr("盘片项目配置"));
    QAction* chosen = menu.exec(QCursor::pos());
    if (chosen != entry)
        return;
    dlgSetProjectGroup dialog(nullptr);
    dialog.setWindowTitle(entry->text());
    dialog.exec();
    refreshTable();
}
