// The serial conversation with the analyzer: connect, machine id, result-size poll, result
// transfer and the command watchdog.
#include "Index.h"
#include "ui_Index.h"

#include "ComPortSettings.h"
#include "MyMessageBox.h"
#include "PcComData.h"
#include "SystemSettings.h"
#include "dbHelper.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSettings>
#include <QTimer>

namespace {
// Requests of the missing results sent again, per transfer, before the watchdog gives up.
const int kMaxQueryRetries = 2;

QString jsonText(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return QString();
}

int jsonInt(const QJsonValue& value, int fallback = 0)
{
    if (value.isDouble())
        return value.toInt(fallback);
    if (value.isString()) {
        bool ok = false;
        const int n = value.toString().trimmed().toInt(&ok);
        return ok ? n : fallback;
    }
    return fallback;
}

// The serum-index bits (low three) as three binary digits; empty when none is set.
QString errcodeText(const QJsonValue& value)
{
    if (value.isString() && !value.toString().isEmpty()) {
        bool ok = false;
        const int n = value.toString().toInt(&ok);
        if (!ok)
            return value.toString();
        return errcodeText(QJsonValue(n));
    }
    const int bits = jsonInt(value) & 7;
    return bits ? QString::number(bits, 2).rightJustified(3, QLatin1Char('0')) : QString();
}

QDateTime checkTime(const QString& text)
{
    QDateTime t = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!t.isValid())
        t = QDateTime::fromString(text, Qt::ISODate);
    return t;
}
}

void Index::on_okButton_clicked()
{
    {
        QSettings mode(QStringLiteral("./saveFile/database.ini"), QSettings::IniFormat);
        mode.setValue(QStringLiteral("systemCfg/get"), 2);
        mode.sync();
    }
    dbHelper::getInstance()->close();
    dbHelper::getInstance()->openDatabase();
    refreshTable();
    refreshQcTab();
    ui->modelabel->setText(tr("当前获取数据模式为 串口模式..."));

    if (m_isPortOpen) {
        closeLink();
        ui->okButton->setText(tr("串口连接"));
        qDebug() << "串口在打开状态，串口关闭1";
        m_machineId.clear();
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
    PcComData* link = PcComData::getInstance();
    m_isPortOpen = link->openPort(settings);
    if (!m_isPortOpen) {
        qDebug() << "串口打开失败" << settings.portName;
        return;
    }
    ui->dataButton->hide();
    ui->okButton->setText(tr("断开连接"));
    ui->okButton->setStyleSheet(QStringLiteral("QPushButton"));
    link->clearRemainData();
    link->startComm();
    qDebug() << "串口在关闭状态，现在打开了" + settings.portName;
    m_queryRetries = 0;
    m_queryInFlight = false;
    const QByteArray cmd("{\"CMD\":\"MachineID\"}");
    sendCommand(cmd, m_cmdInterval);
}

// Closes the link as every closing path does; the caller sets the button text.
void Index::closeLink()
{
    m_cmdTimer->stop();
    m_resultSizeTimer->stop();
    m_isPortOpen = false;
    m_queryInFlight = false;
    ui->dataButton->show();
    PcComData::getInstance()->stopComm();
    ui->okButton->setStyleSheet(QStringLiteral("QPushButton"));
}

void Index::sendCommand(const QByteArray& payload, int watchdogMs)
{
    PcComData::getInstance()->sendData(payload);
    qDebug() << payload;
    m_cmdTimer->start(watchdogMs);
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
    if (!m_isPortOpen)
        return;
    m_machineId = data;
    m_cmdTimer->stop();
    m_resultSizeTimer->start(m_resultSizeInterval);
    refreshTable();
}

void Index::ResultSizeHandleTimeout()
{
    if (!m_isPortOpen) {
        m_resultSizeTimer->stop();
        return;
    }
    const QString cmd = QStringLiteral("{\"CMD\":\"ResultSize\",\"MachineID\":\"%1\"}").arg(m_machineId);
    sendCommand(cmd.toUtf8(), m_replyInterval);
}

void Index::receiveresultSize(int data)
{
    if (!m_isPortOpen) {
        qDebug() << "ReResultSize after the link was closed, ignored:" << data;
        return;
    }
    m_cmdTimer->stop();
    if (m_queryInFlight) {
        // An answer to an earlier poll: the transfer it asks for is already running.
        qDebug() << "ReResultSize during a transfer, ignored:" << data;
        m_cmdTimer->start(m_replyInterval);
        return;
    }
    const int stored = m_indexdb.countByMachine(m_machineId);
    if (stored < 0) {
        // The store cannot be read: ask for nothing now, the next poll tries again.
        qDebug() << "Index::receiveresultSize cannot count the stored results of" << m_machineId;
        return;
    }
    m_storedCount = stored;
    m_resultTotal = data;
    qDebug() << "Index::receiveresultSize stored:" << m_storedCount << "analyzer:" << m_resultTotal;
    if (m_storedCount < m_resultTotal) {
        m_resultSizeTimer->stop();
        m_queryRetries = 0;
        requestMissingResults();
    }
}

// Asks for every result after the stored ones.
void Index::requestMissingResults()
{
    const QString cmd = QStringLiteral("{\"CMD\":\"ResultQuery\",\"MachineID\":\"%1\",\"StartID\":%2,\"EndID\":%3}")
                            .arg(m_machineId)
                            .arg(m_storedCount + 1)
                            .arg(m_resultTotal);
    m_queryInFlight = true;
    sendCommand(cmd.toUtf8(), m_replyInterval);
}

void Index::receiveresultQuery(QJsonObject data)
{
    if (!m_isPortOpen || !m_queryInFlight) {
        qDebug() << "ReResultQuery outside a transfer, ignored:" << data.value(QStringLiteral("rowid"));
        return;
    }
    m_cmdTimer->stop();
    const int rowid = jsonInt(data.value(QStringLiteral("rowid")), -1);
    const int expected = m_storedCount + 1;
    if (rowid == expected) {
        if (!storeAnalyzerRecord(data)) {
            // Not counted: the result is asked for again.
            qDebug() << "Index::receiveresultQuery result" << rowid << "could not be stored, asking again";
            if (++m_queryRetries > kMaxQueryRetries) {
                // The store keeps failing: stop the transfer, the poll tries again later.
                m_queryInFlight = false;
                m_resultSizeTimer->start(m_resultSizeInterval);
                return;
            }
            requestMissingResults();
            return;
        }
        ++m_storedCount;
        m_queryRetries = 0;
        showNewResults();
        refreshQcTab();
    } else if (rowid > expected || rowid < 1) {
        // A result went astray on the way: ask again from the first one missing.
        qDebug() << "Index::receiveresultQuery got" << rowid << "expected" << expected;
        requestMissingResults();
        return;
    } else {
        qDebug() << "Index::receiveresultQuery result" << rowid << "already stored";
    }

    if (rowid < m_resultTotal) {
        sendCommand(QByteArray("**AA##"), m_replyInterval);
    } else {
        m_queryInFlight = false;
        m_resultSizeTimer->start(m_resultSizeInterval);
    }
}

// Stores one analyzer record: a QC run into PanelQcResult, any other run into PanelChkResult.
bool Index::storeAnalyzerRecord(const QJsonObject& data)
{
    const QString patientinfo = jsonText(data.value(QStringLiteral("patientinfo")));
    const QString testresults = jsonText(data.value(QStringLiteral("testresults")));
    const QJsonObject patient = QJsonDocument::fromJson(patientinfo.toUtf8()).object();
    const QString summary = data.value(QStringLiteral("summary")).toString();
    QString machineid = data.value(QStringLiteral("machineid")).toString();
    if (machineid != m_machineId) {
        // Counted under the connected analyzer's id, so stored under it too.
        if (!machineid.isEmpty())
            qDebug() << "Index::storeAnalyzerRecord machine id" << machineid << "stored as" << m_machineId;
        machineid = m_machineId;
    }
    const QDateTime chkdatetime = checkTime(data.value(QStringLiteral("chkdatetime")).toString());
    const bool isQc = patient.value(QStringLiteral("Qc")).toBool() || summary.contains(QLatin1String("(zk)"));

    if (isQc) {
        PanelQcResult qc;
        qc.QcProduct = 0;
        qc.panelid = jsonInt(data.value(QStringLiteral("panelid")));
        qc.panelindex = jsonInt(data.value(QStringLiteral("panelindex")));
        qc.panellot = QString::number(jsonInt(data.value(QStringLiteral("panellot"))));
        qc.machineid = machineid;
        qc.QcLot = patient.value(QStringLiteral("QcLot")).toVariant().toString();
        qc.division = patient.value(QStringLiteral("division")).toVariant().toString();
        qc.chkdatetime = chkdatetime;
        qc.result = testresults;
        qc.Errcode = errcodeText(data.value(QStringLiteral("errcode")));
        qc.patientinfo = patientinfo;
        return m_indexdb.insertQcResult(qc);
    }

    PanelChkRecord record;
    record.chkdatetime = chkdatetime;
    record.machineid = machineid;
    record.panelid = jsonInt(data.value(QStringLiteral("panelid")));
    record.panelindex = jsonInt(data.value(QStringLiteral("panelindex")));
    record.panellot = jsonInt(data.value(QStringLiteral("panellot")));
    record.patientinfo = patientinfo;
    record.testresults = testresults;
    record.speciesname = patient.value(QStringLiteral("division")).toVariant().toString();
    record.animalsexname = patient.value(QStringLiteral("sex")).toVariant().toString();
    record.sampletypename = patient.value(QStringLiteral("swatchType")).toVariant().toString();
    record.Errcode = errcodeText(data.value(QStringLiteral("errcode")));
    record.state = 1;
    record.status = testresults.isEmpty() ? 0 : 1;
    record.testType = 0;
    return m_indexdb.insertData(record);
}

void Index::CmdHandleTimeout()
{
    qDebug() << "指令超时:Enter timeout processing function";
    if (!m_isPortOpen) {
        // A tick left over from a link that is already closed.
        m_cmdTimer->stop();
        return;
    }
    if (m_queryInFlight && m_queryRetries < kMaxQueryRetries) {
        // A record went astray (a corrupted frame is dropped by the link): ask again.
        ++m_queryRetries;
        qDebug() << "Index::CmdHandleTimeout asking again from" << m_storedCount + 1;
        requestMissingResults();
        return;
    }
    closeLink();
    ui->okButton->setText(tr("重新连接"));
    qDebug() << "串口在打开状态，串口关闭2";
    MyMessageBox::showMyMessageBox(this, tr("警告"), tr("串口已断开连接,请重新连接！"), 1, 0, true);
}

void Index::slotUpdateComItem(QStringList ports)
{
    const QString current = ui->cmbPortName->currentText();
    ui->cmbPortName->clear();
    ui->cmbPortName->addItems(ports);
    const int index = ui->cmbPortName->findText(current);
    if (index >= 0)
        ui->cmbPortName->setCurrentIndex(index);
}
