#include "SingleInstanceGuard.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>

namespace {
SingleInstanceGuard* g_running = nullptr;
const QByteArray kReopen = "reopen\n";

QString sessionKey(const QString& key)
{
    QString user = QString::fromLocal8Bit(qgetenv("USER"));
    if (user.isEmpty())
        user = QString::fromLocal8Bit(qgetenv("USERNAME"));
    QString name = key + QLatin1Char('-') + user;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return name;
}
} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& key, QObject* parent)
    : QObject(parent),
      m_lockPath(QDir::temp().filePath(sessionKey(key) + QStringLiteral(".lock"))),
      m_serverName(sessionKey(key)),
      m_lock(m_lockPath)
{
    // Only a live process keeps the lock: a lock left by a killed instance is stale at once.
    m_lock.setStaleLockTime(0);
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

SingleInstanceGuard* SingleInstanceGuard::instance()
{
    return g_running;
}

bool SingleInstanceGuard::tryRun()
{
    if (m_running)
        return true;
    if (!m_lock.tryLock(100)) {
        qDebug() << "SingleInstanceGuard: another instance is running" << m_lock.error();
        return false;
    }
    // The socket file of a killed instance is left behind; the lock proves it is dead.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstanceGuard::onNewConnection);
    if (!m_server->listen(m_serverName))
        qDebug() << "SingleInstanceGuard: listen fail" << m_server->errorString();
    m_running = true;
    g_running = this;
    return true;
}

bool SingleInstanceGuard::signalRunningInstance(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    // The first instance may hold the lock a moment before it listens: try again until then.
    while (true) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(qMax(100, timeoutMs / 4))) {
            socket.write(kReopen);
            const bool sent = socket.waitForBytesWritten(qMax(100, timeoutMs / 4));
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(200);
            if (sent)
                return true;
        }
        if (timer.elapsed() >= timeoutMs)
            break;
        QThread::msleep(50);
    }
    qDebug() << "SingleInstanceGuard: the running instance did not answer";
    return false;
}

void SingleInstanceGuard::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto readMessage = [this, socket]() {
            if (socket->bytesAvailable() > 0 && socket->readAll().contains("reopen"))
                emit signal_reopenApp();
        };
        connect(socket, &QLocalSocket::readyRead, this, readMessage);
        connect(socket, &QLocalSocket::disconnected, this, [socket, readMessage]() {
            readMessage();
            socket->deleteLater();
        });
        readMessage();
    }
}

void SingleInstanceGuard::release()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_running) {
        m_lock.unlock();
        m_running = false;
    }
    if (g_running == this)
        g_running = nullptr;
}
