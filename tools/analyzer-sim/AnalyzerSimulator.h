#pragma once
#include "FaultPlan.h"
#include "FrameCodec.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QVector>
#include <functional>

// What the simulator does with the line after a message from the PC.
struct SimAction
{
    enum Type { Write, Pause, Hangup };
    Type type = Write;
    QByteArray bytes; // Write
    int ms = 0;       // Pause
};

// The analyzer's side of the serial conversation, without any I/O: bytes from the PC go in,
// the writes, pauses and hang-ups to perform come out. Thread-safe.
class AnalyzerSimulator
{
public:
    struct Options
    {
        QString machineId = QStringLiteral("CDSIM0001");
        int count = 10;         // generated results (after those of the results file)
        quint32 seed = 1;
        QString resultsFile;    // JSON array of result objects (or {"results": [...]}); re-read when it changes
        int splitPauseMs = 300; // pause between the pieces of a split frame
        FaultPlan faults;
    };

    explicit AnalyzerSimulator(const Options& options);

    QVector<SimAction> receive(const QByteArray& bytes);

    int resultCount();
    QJsonObject result(int rowid); // 1-based; empty when out of range
    QJsonArray results();
    void addGenerated(int n = 1);
    QString machineId() const { return m_opt.machineId; }
    // While silent the analyzer reads every message and answers none (it has gone away).
    void setSilent(bool silent);
    bool isSilent();

    // Receives one line per event (commands, replies, faults) for the console.
    void setLogger(std::function<void(const QString&)> logger) { m_log = std::move(logger); }

private:
    void reloadFile();
    QVector<SimAction> handle(const QByteArray& payload);
    QVector<SimAction> reply(const QString& name, const QJsonObject& body, int rowid);
    QJsonObject recordLocked(int rowid);
    int totalLocked() const { return m_fileResults.size() + m_generated; }
    void log(const QString& line);

    QMutex m_mutex;
    Options m_opt;
    FrameCodec m_decoder;
    QVector<QJsonObject> m_fileResults;
    QDateTime m_fileStamp;
    qint64 m_fileSize = -1;
    int m_generated = 0;
    bool m_silent = false;
    int m_cursor = 0; // last record sent
    int m_endId = 0;
    int m_repliesTotal = 0;
    QHash<QString, int> m_repliesByKind;
    std::function<void(const QString&)> m_log;
};
