#include "ComPortSettings.h"

#include <QSerialPort>

bool ComPortSettings::applyTo(QSerialPort& port, QString* error) const
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };

    QSerialPort::DataBits db;
    switch (dataBits) {
    case 5: db = QSerialPort::Data5; break;
    case 6: db = QSerialPort::Data6; break;
    case 7: db = QSerialPort::Data7; break;
    case 8: db = QSerialPort::Data8; break;
    default: return fail(QStringLiteral("data bits %1").arg(dataBits));
    }
    QSerialPort::Parity pa;
    switch (parity) {
    case 0: pa = QSerialPort::NoParity; break;
    case 1: pa = QSerialPort::OddParity; break;
    case 2: pa = QSerialPort::EvenParity; break;
    case 3: pa = QSerialPort::MarkParity; break;
    case 4: pa = QSerialPort::SpaceParity; break;
    default: return fail(QStringLiteral("parity %1").arg(parity));
    }
    QSerialPort::StopBits sb;
    switch (stopBits) {
    case 0: sb = QSerialPort::OneStop; break;
    case 1: sb = QSerialPort::OneAndHalfStop; break;
    case 2: sb = QSerialPort::TwoStop; break;
    default: return fail(QStringLiteral("stop bits %1").arg(stopBits));
    }
    QSerialPort::FlowControl fc;
    switch (flowControl) {
    case 0: fc = QSerialPort::NoFlowControl; break;
    case 1: fc = QSerialPort::HardwareControl; break;
    case 2: fc = QSerialPort::SoftwareControl; break;
    default: return fail(QStringLiteral("flow control %1").arg(flowControl));
    }
    if (baudRate <= 0)
        return fail(QStringLiteral("baud rate %1").arg(baudRate));
    if (portName.isEmpty())
        return fail(QStringLiteral("no port name"));

    port.setPortName(portName);
    port.setBaudRate(baudRate);
    port.setDataBits(db);
    port.setParity(pa);
    port.setStopBits(sb);
    port.setFlowControl(fc);
    return true;
}
