#include "PortWorker.h"

#include "AnalyzerReply.h"
#include "PcComData.h"

#include <QDebug>
#include <QTimer>

PortWorker::PortWorker() : m_port(new QSerialPort(this)), m_timer(new QTimer(this))
{
    m_timer->setInterval(PcComData::ReadIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &PortWorker::readPass);
    connect(m_port, &QSerialPort::errorOccurred, this, &PortWorker::onError);
}

bool PortWorker::open(const ComPortSettings& settings)
{
    if (m_port->isOpen()) {
        qDebug() << "串口重新打开, 先关闭" << m_port->portName();
        closePort();
    }
    m_timer->stop();
    m_codec.clear();
    QString why;
    if (!settings.applyTo(*m_port, &why)) {
        qDebug() << "串口参数无效:" << why;
        return false;
    }
    if (!m_port->open(QIODevice::ReadWrite)) {
        qDebug() << "串口打开失败:" << settings.portName << m_port->errorString();
        return false;
    }
    // Time-out and query mode have no counterpart here: reads are the 250 ms passes. DTR and
    // RTS follow the opening, since a closed QSerialPort takes no modem-line settings. Modem
    // lines exist only on real ports; a pseudo-terminal refuses them harmlessly.
    m_port->setDataTerminalReady(settings.dtr);
    m_port->setRequestToSend(settings.rts);
    // Bytes that reached the line before this connection belong to an earlier conversation.
    m_port->clear(QSerialPort::AllDirections);
    m_port->clearError();
    m_open = true;
    // openPort marked the port in use before this ran; a pass that closed the previous port in
    // between (stopComm, then a quick reconnect) has marked it free again.
    m_inUse = true;
    return true;
}

void PortWorker::write(const QByteArray& frame)
{
    if (!m_port->isOpen())
        return;
    m_port->write(frame);
    m_port->flush();
}

void PortWorker::startReading()
{
    if (!m_port->isOpen()) {
        qDebug() << "串口未打开, 读线程不启动";
        m_inUse = false;
        return;
    }
    m_timer->start();
}

void PortWorker::stopIfIdle()
{
    if (m_timer->isActive() || !m_port->isOpen() || !m_stopRequested.load())
        return;
    qDebug() << "串口关闭" << m_port->portName();
    closePort();
}

void PortWorker::shutdown()
{
    m_timer->stop();
    if (m_port->isOpen())
        closePort();
}

void PortWorker::closePort()
{
    m_timer->stop();
    m_closing = true; // an error the closing itself raises is no news
    m_port->close();
    m_closing = false;
    m_open = false;
    m_inUse = false;
}

void PortWorker::readPass()
{
    if (m_stopRequested.load()) {
        qDebug() << "串口关闭" << m_port->portName();
        closePort();
        return;
    }
    if (!m_port->isOpen()) {
        fail(QStringLiteral("port closed"));
        return;
    }
    const QByteArray bytes = m_port->readAll();
    if (bytes.isEmpty())
        return;
    m_codec.feed(bytes);
    QByteArray payload;
    while (m_codec.takeFrame(&payload))
        dispatch(payload);
}

void PortWorker::dispatch(const QByteArray& payload)
{
    if (payload == "**AA##")
        return;
    const AnalyzerReply r = AnalyzerReply::parse(payload);
    switch (r.kind) {
    case AnalyzerReply::MachineId:
        emit machineIdReceived(r.machineId);
        break;
    case AnalyzerReply::ResultSize:
        emit resultSizeReceived(r.resultSize);
        break;
    case AnalyzerReply::ResultQuery:
        emit recordReceived(r.record);
        break;
    case AnalyzerReply::Unknown:
        qDebug() << "未知指令:" << r.cmd;
        break;
    case AnalyzerReply::Invalid:
        qDebug() << "数据解析有误" << r.cmd << r.error;
        break;
    }
}

void PortWorker::onError(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError && error != QSerialPort::WriteError)
        return;
    if (!m_open.load() || m_closing)
        return;
    fail(m_port->errorString());
}

// Closes a port that went wrong; reported unless the port was being closed anyway.
void PortWorker::fail(const QString& reason)
{
    const bool expected = m_stopRequested.load();
    qDebug() << "串口异常, 关闭串口:" << m_port->portName() << reason;
    closePort();
    if (!expected)
        emit portFailed(reason);
}
