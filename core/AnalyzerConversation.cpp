#include "AnalyzerConversation.h"

#include "AnalyzerCommand.h"
#include "AnalyzerRecord.h"
#include "PcComData.h"

#include <QDebug>
#include <QTimer>

namespace {
// Requests of the missing results sent again, per transfer, before the watchdog gives up.
const int kMaxQueryRetries = 2;
}

AnalyzerConversation::AnalyzerConversation(PcComData* link, QObject* parent)
    : QObject(parent), m_link(link), m_watchdog(new QTimer(this)), m_poll(new QTimer(this))
{
    connect(m_watchdog, &QTimer::timeout, this, &AnalyzerConversation::watchdogExpired);
    connect(m_poll, &QTimer::timeout, this, &AnalyzerConversation::poll);
    connect(link, &PcComData::sendmachineid, this, &AnalyzerConversation::handleMachineId);
    connect(link, &PcComData::sendresultSize, this, &AnalyzerConversation::handleResultSize);
    connect(link, &PcComData::sendresultQuery, this, &AnalyzerConversation::handleRecord);
    connect(link, &PcComData::signal_portError, this, &AnalyzerConversation::handlePortError);
}

void AnalyzerConversation::setTimings(int machineIdTimeoutMs, int replyTimeoutMs, int pollIntervalMs)
{
    m_machineIdTimeoutMs = machineIdTimeoutMs;
    m_replyTimeoutMs = replyTimeoutMs;
    m_pollIntervalMs = pollIntervalMs;
}

bool AnalyzerConversation::open(const ComPortSettings& settings)
{
    if (isOpen())
        close(true);
    ComPortSettings s = settings;
    if (!m_link->openPort(s)) {
        qDebug() << "串口打开失败" << settings.portName;
        return false;
    }
    m_portName = settings.portName;
    m_link->clearRemainData();
    m_link->startComm();
    qDebug() << "串口在关闭状态，现在打开了" + settings.portName;
    m_phase = Phase::AwaitingMachineId;
    m_unanswered = 0;
    m_queryRetries = 0;
    emit stateChanged();
    send(AnalyzerCommand::machineId(), m_machineIdTimeoutMs);
    return true;
}

void AnalyzerConversation::close(bool keepMachineId)
{
    shutDown();
    if (!keepMachineId)
        m_machineId.clear();
    emit stateChanged();
}

void AnalyzerConversation::shutDown()
{
    m_watchdog->stop();
    m_poll->stop();
    m_phase = Phase::Closed;
    m_unanswered = 0;
    m_link->stopComm();
}

void AnalyzerConversation::end(EndReason reason)
{
    shutDown();
    emit stateChanged();
    emit ended(reason);
}

// Sends a command; the watchdog runs from the oldest command still unanswered.
void AnalyzerConversation::send(const QByteArray& payload, int timeoutMs)
{
    m_link->sendData(payload);
    qDebug() << payload;
    ++m_unanswered;
    if (!m_watchdog->isActive())
        m_watchdog->start(timeoutMs);
}

// Every reply proves the analyzer alive: the watchdog starts over for what is still unanswered.
// A transfer always awaits its next record, so there it keeps running whatever the count says
// (a reply that came twice must not leave a transfer without a watchdog).
void AnalyzerConversation::replyArrived()
{
    if (m_unanswered > 0)
        --m_unanswered;
    if (m_unanswered > 0 || m_phase == Phase::Transferring)
        m_watchdog->start(m_replyTimeoutMs);
    else
        m_watchdog->stop();
}

void AnalyzerConversation::handleMachineId(const QString& machineId)
{
    if (m_phase != Phase::AwaitingMachineId) {
        qDebug() << "ReMachineID outside a connection, ignored:" << machineId;
        return;
    }
    replyArrived();
    m_machineId = machineId;
    m_phase = Phase::Polling;
    m_poll->start(m_pollIntervalMs);
    emit stateChanged();
    emit machineIdReceived(machineId);
}

void AnalyzerConversation::poll()
{
    if (m_phase == Phase::Closed) {
        m_poll->stop();
        return;
    }
    if (m_phase != Phase::Polling)
        return;
    send(AnalyzerCommand::resultSize(m_machineId), m_replyTimeoutMs);
}

void AnalyzerConversation::handleResultSize(int total)
{
    if (m_phase == Phase::Closed || m_phase == Phase::AwaitingMachineId) {
        qDebug() << "ReResultSize outside a conversation, ignored:" << total;
        return;
    }
    replyArrived();
    if (m_phase == Phase::Transferring) {
        // An answer to an earlier poll: the transfer it asks for is already running.
        qDebug() << "ReResultSize during a transfer, ignored:" << total;
        return;
    }
    const int stored = m_store.countByMachine(m_machineId);
    if (stored < 0) {
        // The store cannot be read: ask for nothing now, the next poll tries again.
        qDebug() << "AnalyzerConversation cannot count the stored results of" << m_machineId;
        return;
    }
    m_storedCount = stored;
    m_resultTotal = total;
    qDebug() << "AnalyzerConversation stored:" << m_storedCount << "analyzer:" << m_resultTotal;
    if (m_storedCount < m_resultTotal) {
        m_poll->stop();
        m_phase = Phase::Transferring;
        m_queryRetries = 0;
        requestMissingResults();
    }
    emit stateChanged();
}

// Asks for every result after the stored ones.
void AnalyzerConversation::requestMissingResults()
{
    send(AnalyzerCommand::resultQuery(m_machineId, m_storedCount + 1, m_resultTotal), m_replyTimeoutMs);
}

void AnalyzerConversation::finishTransfer()
{
    m_phase = Phase::Polling;
    m_unanswered = 0;
    m_watchdog->stop();
    m_poll->start(m_pollIntervalMs);
}

void AnalyzerConversation::handleRecord(const QJsonObject& record)
{
    const int rowid = AnalyzerRecord::rowidOf(record);
    if (m_phase != Phase::Transferring) {
        qDebug() << "ReResultQuery outside a transfer, ignored:" << rowid;
        return;
    }
    replyArrived();
    const int expected = m_storedCount + 1;
    if (rowid == expected) {
        const AnalyzerRecord result = AnalyzerRecord::fromAnalyzer(record, m_machineId);
        if (!result.store(m_store)) {
            // Not counted: the result is asked for again.
            qDebug() << "AnalyzerConversation result" << rowid << "could not be stored, asking again";
            if (++m_queryRetries > kMaxQueryRetries) {
                // The store keeps failing: stop the transfer, the poll tries again later.
                finishTransfer();
                emit stateChanged();
                return;
            }
            requestMissingResults();
            return;
        }
        ++m_storedCount;
        m_queryRetries = 0;
        emit stateChanged();
        emit resultStored(rowid, result.isQc());
        if (m_phase != Phase::Transferring)
            return; // a receiver closed the link
    } else if (rowid > expected || rowid < 1) {
        // A result went astray on the way: ask again from the first one missing.
        qDebug() << "AnalyzerConversation got" << rowid << "expected" << expected;
        requestMissingResults();
        return;
    } else {
        qDebug() << "AnalyzerConversation result" << rowid << "already stored";
    }

    if (rowid < m_resultTotal) {
        send(AnalyzerCommand::nextRecord(), m_replyTimeoutMs);
    } else {
        finishTransfer();
        emit stateChanged();
    }
}

void AnalyzerConversation::handlePortError(const QString& reason)
{
    if (m_phase == Phase::Closed)
        return;
    if (m_link->isPortOpen()) {
        // Reported for a port closed before this connection was opened.
        qDebug() << "AnalyzerConversation port error of an earlier connection, ignored:" << reason;
        return;
    }
    qDebug() << "AnalyzerConversation port error:" << reason;
    end(EndReason::PortFailed);
}

void AnalyzerConversation::watchdogExpired()
{
    qDebug() << "指令超时:Enter timeout processing function";
    if (m_phase == Phase::Closed) {
        // A tick left over from a link that is already closed.
        m_watchdog->stop();
        return;
    }
    if (m_phase == Phase::Transferring && m_queryRetries < kMaxQueryRetries) {
        // A record went astray (a corrupted frame is dropped by the link): ask again.
        ++m_queryRetries;
        qDebug() << "AnalyzerConversation asking again from" << m_storedCount + 1;
        m_watchdog->stop();
        m_unanswered = 0;
        requestMissingResults();
        return;
    }
    end(m_phase == Phase::AwaitingMachineId ? EndReason::NoAnalyzer : EndReason::AnalyzerSilent);
}
