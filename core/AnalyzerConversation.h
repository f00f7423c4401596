#pragma once
#include "ComPortSettings.h"
#include "Indexdb.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

class PcComData;
class QTimer;

// The serial conversation with the analyzer: asks for the machine id, polls the analyzer's
// result count, fetches every result the store does not hold yet, one record after another,
// and stores each through Indexdb. It owns the command watchdog and the result-size poll.
//
// The watchdog measures the time since the last reply, or since the oldest command that is
// still unanswered: an analyzer that answers nothing for the reply time-out is given up,
// whether a transfer runs or the conversation is only polling. A record lost on the way is
// asked for again (twice per transfer) before that. A port error ends the conversation at once.
//
// Lives on the GUI thread; the link's replies reach it queued.
class AnalyzerConversation : public QObject
{
    Q_OBJECT
public:
    enum class Phase { Closed, AwaitingMachineId, Polling, Transferring };
    Q_ENUM(Phase)
    // Why the conversation ended by itself.
    enum class EndReason {
        NoAnalyzer,     // nothing answered the machine-id command
        AnalyzerSilent, // the analyzer stopped answering
        PortFailed      // the port hung up or failed to read or write
    };
    Q_ENUM(EndReason)

    explicit AnalyzerConversation(PcComData* link, QObject* parent = nullptr);

    // Time-outs in milliseconds: the watchdog after the machine-id command and after every
    // later one, and the result-size poll. Take effect from the next command or poll.
    void setTimings(int machineIdTimeoutMs, int replyTimeoutMs, int pollIntervalMs);
    int machineIdTimeout() const { return m_machineIdTimeoutMs; }
    int replyTimeout() const { return m_replyTimeoutMs; }
    int pollInterval() const { return m_pollIntervalMs; }

    // Opens the port and asks for the machine id; false when the port does not open.
    bool open(const ComPortSettings& settings);
    // Closes the link at the user's request; the machine id is forgotten unless kept.
    void close(bool keepMachineId = false);

    Phase phase() const { return m_phase; }
    bool isOpen() const { return m_phase != Phase::Closed; }
    QString portName() const { return m_portName; }
    // The connected analyzer's id; kept when the conversation ends by itself.
    QString machineId() const { return m_machineId; }
    int storedCount() const { return m_storedCount; }
    int resultTotal() const { return m_resultTotal; }
    QTimer* watchdogTimer() const { return m_watchdog; }
    QTimer* pollTimer() const { return m_poll; }

public slots:
    // The link's replies (connected by the constructor; callable for a reply at hand).
    void handleMachineId(const QString& machineId);
    void handleResultSize(int total);
    void handleRecord(const QJsonObject& record);
    void handlePortError(const QString& reason);
    // The poll's tick: asks the analyzer for its result count.
    void poll();
    // The watchdog's expiry.
    void watchdogExpired();

signals:
    // Any change of phase, machine id or counts.
    void stateChanged();
    void machineIdReceived(const QString& machineId);
    void resultStored(int rowid, bool qc);
    // The conversation ended by itself; the link is closed already.
    void ended(AnalyzerConversation::EndReason reason);

private:
    void send(const QByteArray& payload, int timeoutMs);
    void replyArrived();
    void requestMissingResults();
    void finishTransfer();
    void shutDown();
    void end(EndReason reason);

    PcComData* m_link;
    Indexdb m_store;
    QTimer* m_watchdog;
    QTimer* m_poll;
    Phase m_phase = Phase::Closed;
    QString m_portName;
    QString m_machineId;
    int m_storedCount = 0;
    int m_resultTotal = 0;
    int m_unanswered = 0;   // commands sent and not answered yet
    int m_queryRetries = 0; // records asked for again, this transfer
    int m_machineIdTimeoutMs = 500;
    int m_replyTimeoutMs = 5000;
    int m_pollIntervalMs = 3000;
};
