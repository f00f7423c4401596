#pragma once
#include "ComPortSettings.h"

#include <QJsonObject>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QWaitCondition>
#include <atomic>

class QThread;
class PortWorker;

// The serial link to the analyzer. Process-wide (getInstance), never destroyed.
//
// All port I/O happens on one thread of the link (the reading thread): openPort and
// clearRemainData run there and wait for it, sendData queues its frame there. The reading
// thread polls the port every 250 ms, unframes the analyzer's messages and emits one signal per
// reply. A scanner thread lists the ports that can be opened, once a second, while no port is
// in use. Every signal is emitted on a thread of the link, so it reaches GUI slots queued.
class PcComData : public QObject
{
    Q_OBJECT
public:
    static PcComData* getInstance();

    bool openPort(ComPortSettings& settings);
    void sendData(const QByteArray& payload);
    void clearRemainData();
    void startComm();
    void stopComm();
    void startScanPort();
    void stopScanPort();

    // State as the link sees it (for the owner's checks and tests).
    bool isPortOpen() const;
    bool isPortInUse() const;
    bool isScanning() const { return m_scanRunning.load(); }

    static constexpr int ReadIntervalMs = 250;
    static constexpr int SendPauseMs = 50;
    static constexpr int ScanIntervalMs = 1000;

signals:
    void sendmachineid(QString machineId);
    void sendresultSize(int size);
    void sendresultQuery(QJsonObject record);
    void slgnalUpdateComItem(QStringList ports);
    // The open port went wrong (the line hung up, a read or write failed) and is closed now;
    // not emitted for a port closed by stopComm.
    void signal_portError(QString reason);

private:
    explicit PcComData(QObject* parent = nullptr);
    ~PcComData() override;
    void scanLoop();
    void shutdownThreads();
    static void shutdownAtExit();

    QThread* m_ioThread = nullptr;
    PortWorker* m_worker = nullptr;
    QThread* m_scanThread = nullptr;

    QMutex m_mutex; // port opening vs. port scanner
    std::atomic<bool> m_stopScan{false};
    std::atomic<bool> m_scanRunning{false};
    QMutex m_scanStateMutex; // scanner start/stop and its one-second pause
    QWaitCondition m_scanWake;
};
