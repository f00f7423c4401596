// The dialogs the main window opens: settings, lookup lists, queries and recycle lists.
#include "Index.h"
#include "ui_Index.h"

#include "Historyrecord.h"
#include "Patientfind.h"
#include "RecycleBin.h"
#include "dlgQcQuery.h"
#include "wgtQcReport.h"

#include <QCursor>
#include <QDebug>
#include <QMenu>

// Dialogs of the settings and lookup-list pieces; each opener is active once its dialog exists.
#if __has_include("SettingDialog.h")
#include "SettingDialog.h"
#define HAVE_SETTINGDIALOG 1
#endif
#if __has_include("Hospitalname.h")
#include "Hospitalname.h"
#define HAVE_HOSPITALNAME 1
#endif
#if __has_include("SiUnit.h")
#include "SiUnit.h"
#define HAVE_SIUNIT 1
#endif
#if __has_include("Language.h")
#include "Language.h"
#define HAVE_LANGUAGE 1
#endif
#if __has_include("dbresource.h")
#include "dbresource.h"
#define HAVE_DBRESOURCE 1
#endif
#if __has_include("Help.h")
#include "Help.h"
#define HAVE_HELP 1
#endif
#if __has_include("dlgSetProjectGroup.h")
#include "dlgSetProjectGroup.h"
#define HAVE_SETPROJECTGROUP 1
#endif
#if __has_include("Species.h")
#include "Species.h"
#define HAVE_SPECIES 1
#endif
#if __has_include("Clinicaldiagnosis.h")
#include "Clinicaldiagnosis.h"
#define HAVE_CLINICALDIAGNOSIS 1
#endif
#if __has_include("Inspect.h")
#include "Inspect.h"
#define HAVE_INSPECT 1
#endif
#if __has_include("Inspector.h")
#include "Inspector.h"
#define HAVE_INSPECTOR 1
#endif
#if __has_include("Reviewer.h")
#include "Reviewer.h"
#define HAVE_REVIEWER 1
#endif
#if __has_include("Sampletype.h")
#include "Sampletype.h"
#define HAVE_SAMPLETYPE 1
#endif
#if __has_include("Sendinspector.h")
#include "Sendinspector.h"
#define HAVE_SENDINSPECTOR 1
#endif
#if __has_include("Referencevalue.h")
#include "Referencevalue.h"
#define HAVE_REFERENCEVALUE 1
#endif
#if __has_include("Clinical.h")
#include "Clinical.h"
#define HAVE_CLINICAL 1
#endif
#if __has_include("Animalsex.h")
#include "Animalsex.h"
#define HAVE_ANIMALSEX 1
#endif
#if __has_include("Upgrade.h")
#include "Upgrade.h"
#define HAVE_UPGRADE 1
#endif
#if __has_include("User.h")
#include "User.h"
#define HAVE_USER 1
#endif
#if __has_include("PrintPreview.h")
#include "PrintPreview.h"
#define HAVE_PRINTPREVIEW 1
#endif

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
#ifdef HAVE_SETTINGDIALOG
    m_settingDialog = new SettingDialog(this);
    connect(m_settingDialog, SIGNAL(signal_upgradeUI()), this, SLOT(slot_upgradeUI()));
    connect(m_settingDialog, SIGNAL(signal_hospitalnameUI()), this, SLOT(slot_hospitalnameUI()));
    connect(m_settingDialog, SIGNAL(signal_siunitUI()), this, SLOT(slot_siunitUI()));
    connect(m_settingDialog, SIGNAL(signal_referencevalueUI()), this, SLOT(slot_referencevalueUI()));
    connect(m_settingDialog, SIGNAL(signal_clinicalUI()), this, SLOT(slot_clinicalUI()));
    connect(m_settingDialog, SIGNAL(signal_userUI()), this, SLOT(slot_userUI()));
    connect(m_settingDialog, SIGNAL(signal_helpUI()), this, SLOT(slot_helpUI()));
    connect(m_settingDialog, SIGNAL(signal_animalsexUI()), this, SLOT(slot_animalsexUI()));
    connect(m_settingDialog, SIGNAL(signal_clinicaldiagnosisUI()), this, SLOT(slot_clinicaldiagnosisUI()));
    connect(m_settingDialog, SIGNAL(signal_inspectUI()), this, SLOT(slot_inspectUI()));
    connect(m_settingDialog, SIGNAL(signal_inspectorUI()), this, SLOT(slot_inspectorUI()));
    connect(m_settingDialog, SIGNAL(signal_reviewerUI()), this, SLOT(slot_reviewerUI()));
    connect(m_settingDialog, SIGNAL(signal_sampletypeUI()), this, SLOT(slot_sampletypeUI()));
    connect(m_settingDialog, SIGNAL(signal_sendinspectorUI()), this, SLOT(slot_sendinspectorUI()));
    connect(m_settingDialog, SIGNAL(signal_speciesUI()), this, SLOT(slot_speciesUI()));
    connect(m_settingDialog, SIGNAL(signal_languageUI()), this, SLOT(slot_languageUI()));
    connect(m_settingDialog, SIGNAL(signal_dbresourceUI()), this, SLOT(slot_dbresourceUI()));
    // The print-settings button emits two signals; only one opens the print settings.
    connect(m_settingDialog, SIGNAL(printpreview()), this, SLOT(slot_printpreviewUI()));
    connect(m_settingDialog, SIGNAL(signal_updateCaseInfo()), this, SLOT(slotUpdateCaseInfo()));
    m_settingDialog->setWindowTitle(tr("系统设置"));
    m_settingDialog->exec();
    delete m_settingDialog;
    m_settingDialog = nullptr;
#endif
}

void Index::slot_upgradeUI()
{
#ifdef HAVE_UPGRADE
    runOwned(this, m_upgrade);
#endif
}

void Index::slot_hospitalnameUI()
{
#ifdef HAVE_HOSPITALNAME
    runOwned(this, m_hospitalname);
#endif
}

void Index::slot_siunitUI()
{
#ifdef HAVE_SIUNIT
    runOwned(this, m_siUnit);
#endif
    refreshTable();
    refreshQcTab();
}

void Index::slot_referencevalueUI()
{
#ifdef HAVE_REFERENCEVALUE
    runOwned(this, m_referencevalue);
#endif
}

void Index::slot_clinicalUI()
{
#ifdef HAVE_CLINICAL
    runOwned(this, m_clinical);
#endif
}

void Index::slot_userUI()
{
#ifdef HAVE_USER
    runOwned(this, m_user);
#endif
}

void Index::slot_helpUI()
{
#ifdef HAVE_HELP
    runOwned(this, m_help);
#endif
}

void Index::slot_animalsexUI()
{
#ifdef HAVE_ANIMALSEX
    runOwned(this, m_animalsex);
#endif
}

void Index::slot_clinicaldiagnosisUI()
{
#ifdef HAVE_CLINICALDIAGNOSIS
    runOwned(this, m_clinicaldiagnosis);
#endif
    initComboBox();
}

void Index::slot_inspectUI()
{
#ifdef HAVE_INSPECT
    runOwned(this, m_inspect);
#endif
    initComboBox();
}

void Index::slot_inspectorUI()
{
#ifdef HAVE_INSPECTOR
    runOwned(this, m_inspector);
#endif
    initComboBox();
}

void Index::slot_reviewerUI()
{
#ifdef HAVE_REVIEWER
    runOwned(this, m_reviewer);
#endif
    initComboBox();
}

void Index::slot_sampletypeUI()
{
#ifdef HAVE_SAMPLETYPE
    runOwned(this, m_sampletype);
#endif
    initComboBox();
}

void Index::slot_sendinspectorUI()
{
#ifdef HAVE_SENDINSPECTOR
    runOwned(this, m_sendinspector);
#endif
    initComboBox();
}

void Index::slot_speciesUI()
{
#ifdef HAVE_SPECIES
    runOwned(this, m_species);
#endif
    initComboBox();
}

void Index::slot_languageUI()
{
#ifdef HAVE_LANGUAGE
    runOwned(this, m_language);
#endif
    initComboBox();
}

void Index::slot_dbresourceUI()
{
#ifdef HAVE_DBRESOURCE
    runOwned(this, m_dbresource);
#endif
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
#ifdef HAVE_PRINTPREVIEW
    PrintPreview dialog(this);
    dialog.exec();
#endif
}

// The report recycle list on the results tab, the QC recycle bin on the QC tab.
void Index::slot_historyrecordUI()
{
    if (ui->tabWidget->currentIndex() == 0) {
        m_historyrecord = new Historyrecord(nullptr);
        m_historyrecord->setParent(this, m_historyrecord->windowFlags() | Qt::Dialog);
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
#ifdef HAVE_SETPROJECTGROUP
    dlgSetProjectGroup dialog(nullptr);
    dialog.setWindowTitle(entry->text());
    dialog.exec();
#endif
    refreshTable();
}
