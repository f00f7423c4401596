#pragma once
#include <QObject>
#include <QString>

class RabbitmqWorker;

// The process-wide listener of new-report notices. It consumes on a worker thread and emits
// reciveRabbit() on the GUI thread once for every message taken from its queues, and once
// each time it subscribes again after the link was lost (for the notices sent meanwhile).
class Rabbitmq : public QObject
{
    Q_OBJECT
public:
    static Rabbitmq* getInstance();

    // Declares the queue prefix + clientUuid (durable, auto-deleted) on the broker of the
    // stored cloud region and consumes it without acknowledgement, also after reconnects.
    void declareQueue(const QString& prefix);
    // Whether every declared queue is being consumed now.
    bool isConsuming() const;
    // Ends the worker thread (tests and shutdown).
    void shutdown();

signals:
    void reciveRabbit();
    void consumingChanged(bool consuming);

private:
    Rabbitmq();
    RabbitmqWorker* m_worker;
};
