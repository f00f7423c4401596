#include "Rabbitmq.h"
#include "CloudConfig.h"
#include "RabbitmqWorker.h"
#include "UuidHolder.h"

#include <QCoreApplication>
#include <QDebug>

Rabbitmq* Rabbitmq::getInstance()
{
    static Rabbitmq* instance = new Rabbitmq;
    return instance;
}

Rabbitmq::Rabbitmq() : m_worker(new RabbitmqWorker(this))
{
    // The worker emits on its own thread; both arrive here queued, on this object's thread.
    connect(m_worker, &RabbitmqWorker::messageReceived, this, &Rabbitmq::reciveRabbit, Qt::QueuedConnection);
    connect(m_worker, &RabbitmqWorker::consumingChanged, this, &Rabbitmq::consumingChanged,
            Qt::QueuedConnection);
}

void Rabbitmq::declareQueue(const QString& prefix)
{
    const QString queue = prefix + UuidHolder::getInstance()->uuid();
    m_worker->addQueue(queue, CloudConfig::current());
    if (!m_worker->isRunning())
        m_worker->start();
}

bool Rabbitmq::isConsuming() const
{
    return m_worker->isConsuming();
}

void Rabbitmq::shutdown()
{
    m_worker->stop();
}
