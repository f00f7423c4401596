// The window's side of the serial conversation with the analyzer: the connect button, the port
// list and what the user is shown. The conversation itself is AnalyzerConversation.
#include "Index.h"
#include "ui_Index.h"

#include "AnalyzerConversation.h"
#include "ComPortSettings.h"
#include "MyMessageBox.h"
#include "PcComData.h"
#include "SystemSettings.h"
#include "dbHelper.h"
#include "wgtQcReport.h"

#include <QDebug>
#include <QTimer>

void Index::setUpSerial()
{
    PcComData* link = PcComData::getInstance();
    m_conversation = new AnalyzerConversation(link, this);
    m_cmdTimer = m_conversation->watchdogTimer();
    m_resultSizeTimer = m_conversation->pollTimer();
    connect(m_conversation, &AnalyzerConversation::stateChanged, this, &Index::syncSerialState);
    connect(m_conversation, &AnalyzerConversation::machineIdReceived, this, &Index::receivemachineid);
    connect(m_conversation, &AnalyzerConversation::resultStored, this, &Index::onResultStored);
    connect(m_conversation, &AnalyzerConversation::ended, this, &Index::onSerialEnded);
    connect(link, &PcComData::slgnalUpdateComItem, this, &Index::slotUpdateComItem);
    connect(ui->cmbPortName, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { m_portChoice.choose(ui->cmbPortName->itemText(index)); });
    link->startScanPort();
}

// The window's serial members mirror the conversation's state.
void Index::syncSerialState()
{
    m_isPortOpen = m_conversation->isOpen();
    m_machineId = m_conversation->machineId();
    m_storedCount = m_conversation->storedCount();
    m_resultTotal = m_conversation->resultTotal();
}

void Index::on_okButton_clicked()
{
    dbHelper::setAcquisitionMode(2);
    dbHelper::getInstance()->close();
    dbHelper::getInstance()->openDatabase();
    refreshTable();
    refreshQcTab();
    ui->modelabel->setText(tr("当前获取数据模式为 串口模式..."));

    if (m_isPortOpen) {
        closeLink(false);
        showLinkButton(LinkButton::Connect);
        qDebug() << "串口在打开状态，串口关闭1";
        refreshTable();
        refreshQcTab();
        return;
    }

    if (ui->cmbPortName->count() == 0) {
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("没有可用串口，请重新尝试扫描串口！"), 1, 0, true);
        return;
    }
    ComPortSettings settings;
    settings.portName = ui->cmbPortName->currentText();
    settings.queryMode = 0;
    settings.baudRate = 115200;
    settings.dataBits = 8;
    settings.parity = 0;
    settings.stopBits = 0;
    settings.flowControl = 0;
    settings.timeout = -1;
    settings.dtr = false;
    settings.rts = false;
    m_portChoice.choose(settings.portName);
    m_conversation->setTimings(m_cmdInterval, m_replyInterval, m_resultSizeInterval);
    if (!m_conversation->open(settings)) {
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("串口打开失败，请检查串口是否被其他程序占用！"), 1, 0, true);
        return;
    }
    ui->dataButton->hide();
    showLinkButton(LinkButton::Disconnect);
    ui->okButton->setStyleSheet(QStringLiteral("QPushButton"));
}

// Closes the link as every closing path does; the caller sets the button text.
void Index::closeLink(bool keepMachineId)
{
    m_conversation->close(keepMachineId);
    ui->dataButton->show();
    ui->okButton->setStyleSheet(QStringLiteral("QPushButton"));
}

void Index::showLinkButton(LinkButton state)
{
    m_linkButton = state;
    switch (state) {
    case LinkButton::Connect:
        ui->okButton->setText(tr("串口连接"));
        break;
    case LinkButton::Disconnect:
        ui->okButton->setText(tr("断开连接"));
        break;
    case LinkButton::Reconnect:
        ui->okButton->setText(tr("重新连接"));
        break;
    }
}

void Index::receivemachineid(QString data)
{
    // A reply that arrives after the link was closed belongs to no conversation.
    if (!m_isPortOpen) {
        qDebug() << "ReMachineID after the link was closed, ignored:" << data;
        return;
    }
    const QString name = getHospitalValue(QStringLiteral("hospital"));
    const QString address = getHospitalValue(QStringLiteral("address"));
    const QString phone = getHospitalValue(QStringLiteral("phone"));
    m_mysqlDatadb.updateDeviceInfo(name, phone, address, data);
    refreshTable();
}

void Index::ResultSizeHandleTimeout()
{
    m_conversation->poll();
}

void Index::receiveresultSize(int data)
{
    m_conversation->handleResultSize(data);
}

void Index::receiveresultQuery(QJsonObject data)
{
    m_conversation->handleRecord(data);
}

void Index::onResultStored(int rowid, bool qc)
{
    Q_UNUSED(rowid)
    if (qc)
        ui->wgt_qc_report->showNewResults();
    else
        showNewResults();
}

void Index::CmdHandleTimeout()
{
    m_conversation->watchdogExpired();
}

// The conversation ended by itself: the link is closed; tell the user why.
void Index::onSerialEnded(AnalyzerConversation::EndReason reason)
{
    ui->dataButton->show();
    showLinkButton(LinkButton::Reconnect);
    ui->okButton->setStyleSheet(QStringLiteral("QPushButton"));
    qDebug() << "串口在打开状态，串口关闭2";
    const QString text = reason == AnalyzerConversation::EndReason::NoAnalyzer
                             ? tr("所选串口上没有分析仪应答，请检查分析仪和串口后重新连接！")
                             : tr("串口已断开连接,请重新连接！");
    MyMessageBox::showMyMessageBox(this, tr("警告"), text, 1, 0, true);
}

void Index::slotUpdateComItem(QStringList ports)
{
    QComboBox* box = ui->cmbPortName;
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    const PortChoice::Refill r = m_portChoice.refill(shown, box->currentText(), ports);
    if (!r.changed)
        return;
    box->clear();
    box->addItems(r.ports);
    box->setCurrentIndex(r.current);
    // As wide as the longest name (a full bar would squeeze it below that).
    box->setMinimumWidth(qBound(110, box->sizeHint().width(), box->maximumWidth()));
}
