#include "PcComData.h"

#include "PortScanner.h"
#include "PortWorker.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

PcComData* PcComData::getInstance()
{
    static PcComData* instance = [] {
        auto* p = new PcComData;
        qAddPostRoutine(&PcComData::shutdownAtExit);
        return p;
    }();
    return instance;
}

PcComData::PcComData(QObject* parent) : QObject(parent)
{
    m_ioThread = new QThread;
    m_ioThread->setObjectName(QStringLiteral("PcComData reader"));
    m_worker = new PortWorker;
    m_worker->moveToThread(m_ioThread);
    // Re-emitted on the reading thread, so that they reach the receivers' threads queued.
    connect(m_worker, &PortWorker::machineIdReceived, this, &PcComData::sendmachineid, Qt::DirectConnection);
    connect(m_worker, &PortWorker::resultSizeReceived, this, &PcComData::sendresultSize, Qt::DirectConnection);
    connect(m_worker, &PortWorker::recordReceived, this, &PcComData::sendresultQuery, Qt::DirectConnection);
    connect(m_worker, &PortWorker::portFailed, this, &PcComData::signal_portError, Qt::DirectConnection);
    m_ioThread->start();
}

PcComData::~PcComData() = default;

namespace {
template <typename F>
void onIoThread(PortWorker* worker, QThread* io, F fn, bool wait)
{
    if (QThread::currentThread() == io)
        fn();
    else
        QMetaObject::invokeMethod(worker, fn, wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}
} // namespace

void PcComData::shutdownAtExit()
{
    // Runs as the application object goes: let the link's threads end before Qt's globals do.
    PcComData* link = getInstance();
    link->stopScanPort();
    link->stopComm();
    link->shutdownThreads();
}

void PcComData::shutdownThreads()
{
    if (m_scanThread) {
        m_scanThread->wait(5000);
    }
    if (m_ioThread->isRunning()) {
        onIoThread(m_worker, m_ioThread, [this] { m_worker->shutdown(); }, true);
        m_ioThread->quit();
        m_ioThread->wait(5000);
    }
}

bool PcComData::openPort(ComPortSettings& settings)
{
    QMutexLocker lock(&m_mutex);
    m_worker->setInUse(true);
    bool ok = false;
    if (m_ioThread->isRunning())
        onIoThread(m_worker, m_ioThread, [&] { ok = m_worker->open(settings); }, true);
    if (!ok)
        m_worker->setInUse(false);
    return ok;
}

void PcComData::sendData(const QByteArray& payload)
{
    const QByteArray frame = FrameCodec::encode(payload);
    onIoThread(m_worker, m_ioThread, [this, frame] { m_worker->write(frame); }, false);
    QThread::msleep(SendPauseMs);
}

void PcComData::clearRemainData()
{
    qDebug() << "清除剩余数据";
    onIoThread(m_worker, m_ioThread, [this] { m_worker->clearPending(); }, m_ioThread->isRunning());
}

void PcComData::startComm()
{
    qDebug() << "开始PC通讯";
    m_worker->setStopRequested(false);
    onIoThread(m_worker, m_ioThread, [this] { m_worker->startReading(); }, false);
}

void PcComData::stopComm()
{
    qDebug() << "结束PC通讯";
    m_worker->setStopRequested(true);
    // The reading thread closes the port at its next pass; a port that was opened but never
    // read from would otherwise stay open (and the scanner paused) for good.
    onIoThread(m_worker, m_ioThread, [this] { m_worker->stopIfIdle(); }, false);
}

bool PcComData::isPortOpen() const
{
    return m_worker->isOpen();
}

bool PcComData::isPortInUse() const
{
    return m_worker->isInUse();
}

void PcComData::startScanPort()
{
    QMutexLocker lock(&m_scanStateMutex);
    m_stopScan = false;
    if (m_scanRunning.load())
        return; // a scanner that was asked to stop goes on
    if (m_scanThread) {
        m_scanThread->wait();
        delete m_scanThread;
    }
    m_scanRunning = true;
    m_scanThread = QThread::create([this] { scanLoop(); });
    m_scanThread->setObjectName(QStringLiteral("PcComData scanner"));
    m_scanThread->start();
}

void PcComData::stopScanPort()
{
    QMutexLocker lock(&m_scanStateMutex);
    m_stopScan = true;
    m_scanWake.wakeAll();
}

void PcComData::scanLoop()
{
    for (;;) {
        {
            QMutexLocker lock(&m_scanStateMutex);
            if (m_stopScan.load()) {
                m_scanRunning = false;
                return;
            }
        }
        if (!m_worker->isInUse()) {
            QMutexLocker lock(&m_mutex);
            if (!m_worker->isInUse()) {
                const QStringList ports = PortScanner::openablePorts();
                emit slgnalUpdateComItem(ports);
            }
        }
        QMutexLocker lock(&m_scanStateMutex);
        if (!m_stopScan.load())
            m_scanWake.wait(&m_scanStateMutex, ScanIntervalMs);
        if (m_stopScan.load()) {
            m_scanRunning = false;
            return;
        }
    }
}
