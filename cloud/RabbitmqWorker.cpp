#include "RabbitmqWorker.h"

#include <QDebug>
#include <QMutexLocker>

#include <amqp.h>
#include <amqp_tcp_socket.h>

#include <sys/time.h>

namespace {

const amqp_channel_t kChannel = 1;
// Heartbeat interval asked of the broker, and the longest wait of one connection step.
const int kHeartbeatSec = 4;
const int kStepTimeoutSec = 4;

QString replyText(const amqp_rpc_reply_t& reply)
{
    switch (reply.reply_type) {
    case AMQP_RESPONSE_NORMAL:
        return QStringLiteral("ok");
    case AMQP_RESPONSE_NONE:
        return QStringLiteral("missing reply");
    case AMQP_RESPONSE_LIBRARY_EXCEPTION:
        return QString::fromUtf8(amqp_error_string2(reply.library_error));
    case AMQP_RESPONSE_SERVER_EXCEPTION:
        if (reply.reply.id == AMQP_CONNECTION_CLOSE_METHOD) {
            auto* m = static_cast<amqp_connection_close_t*>(reply.reply.decoded);
            return QStringLiteral("server closed the connection: %1 %2")
                .arg(m->reply_code)
                .arg(QString::fromUtf8(static_cast<const char*>(m->reply_text.bytes), int(m->reply_text.len)));
        }
        if (reply.reply.id == AMQP_CHANNEL_CLOSE_METHOD) {
            auto* m = static_cast<amqp_channel_close_t*>(reply.reply.decoded);
            return QStringLiteral("server closed the channel: %1 %2")
                .arg(m->reply_code)
                .arg(QString::fromUtf8(static_cast<const char*>(m->reply_text.bytes), int(m->reply_text.len)));
        }
        return QStringLiteral("server error");
    }
    return QStringLiteral("unknown");
}

}

struct RabbitmqWorker::Session
{
    amqp_connection_state_t conn = nullptr;
    bool loggedIn = false;

    ~Session() { close(); }
    void close()
    {
        if (!conn)
            return;
        if (loggedIn) {
            amqp_channel_close(conn, kChannel, AMQP_REPLY_SUCCESS);
            amqp_connection_close(conn, AMQP_REPLY_SUCCESS);
        }
        amqp_destroy_connection(conn);
        conn = nullptr;
        loggedIn = false;
    }
};

RabbitmqWorker::RabbitmqWorker(QObject* parent) : QThread(parent) {}

RabbitmqWorker::~RabbitmqWorker()
{
    stop();
}

void RabbitmqWorker::addQueue(const QString& queue, const CloudConfig& config)
{
    QMutexLocker lock(&m_mutex);
    const auto target = [](const CloudConfig& c) {
        return QStringList{c.amqpHost, QString::number(c.amqpPort), c.amqpVhost, c.amqpUser, c.amqpPassword};
    };
    if (target(config) != target(m_config)) {
        m_config = config;
        m_configChanged = true;
    }
    if (!m_queues.contains(queue))
        m_queues.append(queue);
    m_wake.wakeAll();
}

void RabbitmqWorker::stop()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stop = true;
        m_wake.wakeAll();
    }
    wait();
}

bool RabbitmqWorker::isConsuming() const
{
    QMutexLocker lock(&m_mutex);
    return m_consuming;
}

void RabbitmqWorker::setConsuming(bool consuming)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_consuming == consuming)
            return;
        m_consuming = consuming;
    }
    emit consumingChanged(consuming);
}

// Sleeps up to `ms`, waking early when stopped or given something new.
void RabbitmqWorker::pause(int ms)
{
    QMutexLocker lock(&m_mutex);
    if (!m_stop)
        m_wake.wait(&m_mutex, ulong(ms));
}

void RabbitmqWorker::run()
{
    int backoff = 500;
    bool subscribedBefore = false;
    for (;;) {
        CloudConfig config;
        QStringList queues;
        {
            QMutexLocker lock(&m_mutex);
            if (m_stop)
                break;
            config = m_config;
            queues = m_queues;
            m_configChanged = false;
        }
        if (queues.isEmpty()) {
            pause(1000);
            continue;
        }
        Session s;
        if (connectAndConsume(s, config, queues)) {
            backoff = 500;
            setConsuming(true);
            // Notices sent while the link was down are lost: one stands in for them.
            if (subscribedBefore)
                emit messageReceived();
            subscribedBefore = true;
            consumeLoop(s, queues.size());
        }
        setConsuming(false);
        s.close();
        {
            QMutexLocker lock(&m_mutex);
            if (m_stop)
                break;
            // A new broker is taken up at once; a lost link after a pause.
            if (m_configChanged)
                continue;
        }
        pause(backoff);
        backoff = qMin(backoff * 2, kMaxBackoffMs);
    }
}

bool RabbitmqWorker::connectAndConsume(Session& s, const CloudConfig& config, const QStringList& queues)
{
    s.conn = amqp_new_connection();
    amqp_socket_t* socket = amqp_tcp_socket_new(s.conn);
    if (!socket) {
        qWarning() << "Rabbitmq: no socket";
        return false;
    }
    // A broker that has gone silent (its host restarted, the link cut) answers nothing and
    // closes nothing: every wait is bounded, and the heartbeat finds a dead link within
    // 2 x kHeartbeatSec instead of the minute a long heartbeat takes.
    struct timeval timeout{kStepTimeoutSec, 0};
    amqp_set_handshake_timeout(s.conn, &timeout);
    amqp_set_rpc_timeout(s.conn, &timeout);
    const QByteArray host = config.amqpHost.toUtf8();
    const int status = amqp_socket_open_noblock(socket, host.constData(), config.amqpPort, &timeout);
    if (status != AMQP_STATUS_OK) {
        qDebug() << "Rabbitmq: cannot reach" << config.amqpHost << config.amqpPort << amqp_error_string2(status);
        return false;
    }
    const QByteArray vhost = config.amqpVhost.toUtf8();
    const QByteArray user = config.amqpUser.toUtf8();
    const QByteArray password = config.amqpPassword.toUtf8();
    amqp_rpc_reply_t reply = amqp_login(s.conn, vhost.constData(), 0, 131072, kHeartbeatSec, AMQP_SASL_METHOD_PLAIN,
                                        user.constData(), password.constData());
    if (reply.reply_type != AMQP_RESPONSE_NORMAL) {
        qWarning() << "Rabbitmq: login failed:" << replyText(reply);
        return false;
    }
    s.loggedIn = true;
    amqp_channel_open(s.conn, kChannel);
    reply = amqp_get_rpc_reply(s.conn);
    if (reply.reply_type != AMQP_RESPONSE_NORMAL) {
        qWarning() << "Rabbitmq: channel failed:" << replyText(reply);
        return false;
    }
    for (const QString& queue : queues) {
        if (!declareAndConsume(s, queue))
            return false;
    }
    return true;
}

bool RabbitmqWorker::declareAndConsume(Session& s, const QString& queue)
{
    const QByteArray name = queue.toUtf8();
    // Durable and deleted with its last consumer, as the cloud creates it.
    amqp_queue_declare(s.conn, kChannel, amqp_cstring_bytes(name.constData()), 0, 1, 0, 1, amqp_empty_table);
    amqp_rpc_reply_t reply = amqp_get_rpc_reply(s.conn);
    if (reply.reply_type != AMQP_RESPONSE_NORMAL) {
        qWarning() << "Rabbitmq: declaring" << queue << "failed:" << replyText(reply);
        return false;
    }
    amqp_basic_consume(s.conn, kChannel, amqp_cstring_bytes(name.constData()), amqp_empty_bytes, 0, 1, 0,
                       amqp_empty_table);
    reply = amqp_get_rpc_reply(s.conn);
    if (reply.reply_type != AMQP_RESPONSE_NORMAL) {
        qWarning() << "Rabbitmq: consuming" << queue << "failed:" << replyText(reply);
        return false;
    }
    qDebug() << "Rabbitmq: consuming" << queue;
    return true;
}

void RabbitmqWorker::consumeLoop(Session& s, int knownQueues)
{
    for (;;) {
        QStringList added;
        {
            QMutexLocker lock(&m_mutex);
            if (m_stop || m_configChanged)
                return;
            added = m_queues.mid(knownQueues);
        }
        // A queue registered later joins the open link.
        for (const QString& queue : qAsConst(added)) {
            if (!declareAndConsume(s, queue)) {
                s.loggedIn = false;
                return;
            }
            ++knownQueues;
        }
        amqp_maybe_release_buffers(s.conn);
        amqp_envelope_t envelope;
        struct timeval timeout{0, 300000};
        const amqp_rpc_reply_t reply = amqp_consume_message(s.conn, &envelope, &timeout, 0);
        if (reply.reply_type == AMQP_RESPONSE_NORMAL) {
            amqp_destroy_envelope(&envelope);
            emit messageReceived();
            continue;
        }
        if (reply.reply_type == AMQP_RESPONSE_LIBRARY_EXCEPTION && reply.library_error == AMQP_STATUS_TIMEOUT)
            continue;
        if (reply.reply_type == AMQP_RESPONSE_LIBRARY_EXCEPTION
            && reply.library_error == AMQP_STATUS_UNEXPECTED_STATE) {
            // A frame other than a delivery: the broker closing the channel or the connection.
            amqp_frame_t frame;
            struct timeval brief{1, 0};
            if (amqp_simple_wait_frame_noblock(s.conn, &frame, &brief) == AMQP_STATUS_OK
                && frame.frame_type == AMQP_FRAME_METHOD
                && (frame.payload.method.id == AMQP_CHANNEL_CLOSE_METHOD
                    || frame.payload.method.id == AMQP_CONNECTION_CLOSE_METHOD)) {
                qWarning() << "Rabbitmq: the broker closed the link";
                s.loggedIn = false;
                return;
            }
            continue;
        }
        qWarning() << "Rabbitmq: link lost:" << replyText(reply);
        s.loggedIn = false;
        return;
    }
}
