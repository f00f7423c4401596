#include "SettingDialog.h"

#include "MyMessageBox.h"
#include "configAccess.h"
#include "dlgSetProjectGroup.h"
#include "ui_SettingDialog.h"

#include <QIcon>

SettingDialog::SettingDialog(QWidget* parent) : baseDlg(parent), ui(new Ui::SettingDialog)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/setting.png")));

    const QList<QPair<QPushButton*, void (SettingDialog::*)()>> openers = {
        {ui->pushButton_upgrade, &SettingDialog::signal_upgradeUI},
        {ui->pushButton_hospitalname, &SettingDialog::signal_hospitalnameUI},
        {ui->pushButton_referencevalue, &SettingDialog::signal_referencevalueUI},
        {ui->pushButton_clinical, &SettingDialog::signal_clinicalUI},
        {ui->pushButton_user, &SettingDialog::signal_userUI},
        {ui->pushButton_help, &SettingDialog::signal_helpUI},
        {ui->pushButton_animalsex, &SettingDialog::signal_animalsexUI},
        {ui->pushButton_dbresource, &SettingDialog::signal_dbresourceUI},
        {ui->pushButton_siunit, &SettingDialog::signal_siunitUI},
        {ui->pushButton_clinicaldiagnosis, &SettingDialog::signal_clinicaldiagnosisUI},
        {ui->pushButton_inspect, &SettingDialog::signal_inspectUI},
        {ui->pushButton_inspector, &SettingDialog::signal_inspectorUI},
        {ui->pushButton_reviewer, &SettingDialog::signal_reviewerUI},
        {ui->pushButton_sampletype, &SettingDialog::signal_sampletypeUI},
        {ui->pushButton_language, &SettingDialog::signal_languageUI},
        {ui->pushButton_sendinspector, &SettingDialog::signal_sendinspectorUI},
        {ui->pushButton_species, &SettingDialog::signal_speciesUI},
        {ui->pushButton_printpreview, &SettingDialog::signal_printpreviewUI},
    };
    for (const auto& opener : openers) {
        auto signal = opener.second;
        connect(opener.first, &QPushButton::clicked, this, [this, signal]() { emit(this->*signal)(); });
    }
    connect(ui->pushButton_printpreview, &QPushButton::clicked, this, &SettingDialog::printpreview);
    connect(ui->pushButton_close, &QPushButton::clicked, this, &QDialog::accept);
}

SettingDialog::~SettingDialog()
{
    delete ui;
}

void SettingDialog::retranslate()
{
    ui->retranslateUi(this);
}

void SettingDialog::on_pushButton_projectgroup_clicked()
{
    dlgSetProjectGroup dialog(this);
    dialog.setWindowTitle(tr("盘片项目配置"));
    dialog.exec();
}

void SettingDialog::on_pushButton_clearcache_clicked()
{
    if (MyMessageBox::showMyMessageBox(this, tr("提示"),
                                       tr("确认清除网络数据缓存吗？"),
                                       MyMessageBox::Question, 1, true) != 0)
        return;
    if (!configAccess::getInstance()->clearRecordConfig()) {
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("清除失败"), MyMessageBox::Warning, 0, true);
        return;
    }
    emit signal_updateCaseInfo();
    MyMessageBox::showMyMessageBox(this, tr("提示"), tr("清除成功"), MyMessageBox::Information, 0, true);
}
