#pragma once
#include <QString>

class QSerialPort;

// Serial-port settings handed to PcComData::openPort. The numbers follow the classic serial
// library enumerations: query mode 0 polling / 1 event driven; parity 0 none, 1 odd, 2 even,
// 3 mark, 4 space; stop bits 0 one, 1 one and a half, 2 two; flow control 0 off,
// 1 hardware, 2 XON/XOFF; data bits 5 to 8; baud rate in bits per second.
struct ComPortSettings
{
    QString portName;
    int queryMode = 0;
    int baudRate = 115200;
    int dataBits = 8;
    int parity = 0;
    int stopBits = 0;
    int flowControl = 0;
    qint32 timeout = -1;
    bool dtr = false;
    bool rts = false;

    // The one place where these numbers become QSerialPort settings. Applies name, baud rate,
    // data bits, parity, stop bits and flow control, in this order, to a closed port.
    // Returns false (with a reason in *error) for a number that has no QSerialPort meaning.
    bool applyTo(QSerialPort& port, QString* error = nullptr) const;
};
