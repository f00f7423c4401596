#pragma once
#include "ComPortSettings.h"
#include "FrameCodec.h"

#include <QObject>
#include <QSerialPort>
#include <atomic>

class PcComData;
class QTimer;

// Owns the serial port and every read and write on it; lives on the link's reading thread.
// PcComData calls into it only through that thread's event loop.
class PortWorker : public QObject
{
    Q_OBJECT
public:
    explicit PortWorker(PcComData* link);

    bool open(const ComPortSettings& settings);
    void write(const QByteArray& frame);
    void clearPending() { m_codec.clear(); }
    void startReading();
    // Closes a port that was opened but never read from (stopComm without startComm).
    void stopIfIdle();
    void shutdown();
    bool isOpen() const { return m_open.load(); }

private:
    void readPass();
    void closePort();
    void dispatch(const QByteArray& payload);
    void onError(QSerialPort::SerialPortError error);

    PcComData* m_link;
    QSerialPort* m_port;
    QTimer* m_timer;
    FrameCodec m_codec;
    std::atomic<bool> m_open{false};
};
