#pragma once
#include "CloudConfig.h"

#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

// The consuming side of the notice listener, on a thread of its own: keeps one AMQP connection
// to the broker, declares and consumes every queue it was given, and emits messageReceived()
// for every message. When the broker goes away it connects again with growing pauses and
// declares its queues again, then emits messageReceived() once for the notices missed.
class RabbitmqWorker : public QThread
{
    Q_OBJECT
public:
    explicit RabbitmqWorker(QObject* parent = nullptr);
    ~RabbitmqWorker() override;

    // Adds a queue to consume (again after every reconnect); the broker is the given one.
    void addQueue(const QString& queue, const CloudConfig& config);
    // Ends the thread and waits for it.
    void stop();
    bool isConsuming() const;

    // Longest pause between two connection attempts, in ms.
    static constexpr int kMaxBackoffMs = 8000;

signals:
    void messageReceived();
    // Consuming every queue given so far (true), or the link is down (false).
    void consumingChanged(bool consuming);

protected:
    void run() override;

private:
    struct Session;
    bool connectAndConsume(Session& s, const CloudConfig& config, const QStringList& queues);
    bool declareAndConsume(Session& s, const QString& queue);
    // Runs until the link fails, the thread is stopped or a new broker is given; queues added
    // meanwhile are declared and consumed on the open link.
    void consumeLoop(Session& s, int knownQueues);
    void setConsuming(bool consuming);
    void pause(int ms);

    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QStringList m_queues;
    CloudConfig m_config;
    bool m_configChanged = false;
    bool m_stop = false;
    bool m_consuming = false;
};
