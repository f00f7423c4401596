#pragma once
#include "ComPortSettings.h"
#include "FrameCodec.h"

#include <QJsonObject>
#include <QObject>
#include <QSerialPort>
#include <atomic>

class QTimer;

// Owns the serial port and every read and write on it; lives on the link's reading thread.
// PcComData calls into it only through that thread's event loop; the flags below are the only
// state both threads touch. Its signals are emitted on the reading thread.
class PortWorker : public QObject
{
    Q_OBJECT
public:
    PortWorker();

    bool open(const ComPortSettings& settings);
    void write(const QByteArray& frame);
    void clearPending() { m_codec.clear(); }
    void startReading();
    // Closes a port that was opened but never read from (stopComm without startComm).
    void stopIfIdle();
    void shutdown();
    bool isOpen() const { return m_open.load(); }

    // A port is in use from the opening until it is closed; the port scanner pauses meanwhile.
    void setInUse(bool inUse) { m_inUse = inUse; }
    bool isInUse() const { return m_inUse.load(); }
    // Set: the reading thread closes the port at its next pass, and a port error is expected.
    void setStopRequested(bool stop) { m_stopRequested = stop; }
    bool isStopRequested() const { return m_stopRequested.load(); }

signals:
    void machineIdReceived(QString machineId);
    void resultSizeReceived(int size);
    void recordReceived(QJsonObject record);
    // The open port failed (hung up, read or write error) and has been closed.
    void portFailed(QString reason);

private:
    void readPass();
    void closePort();
    void fail(const QString& reason);
    void dispatch(const QByteArray& payload);
    void onError(QSerialPort::SerialPortError error);

    QSerialPort* m_port;
    QTimer* m_timer;
    FrameCodec m_codec;
    std::atomic<bool> m_open{false};
    bool m_closing = false;
    std::atomic<bool> m_inUse{false};
    std::atomic<bool> m_stopRequested{true};
};
