#include "MariaDbServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <unistd.h>

QString MariaDbServer::findProgram(const QString& name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/local/sbin", "/usr/bin"});
    return path;
}

bool MariaDbServer::available()
{
    return !findProgram("mariadbd").isEmpty() && !findProgram("mariadb-install-db").isEmpty();
}

int MariaDbServer::freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const int port = probe.serverPort();
    probe.close();
    return port;
}

MariaDbServer::MariaDbServer() = default;

MariaDbServer::~MariaDbServer()
{
    stop();
}

bool MariaDbServer::start()
{
    const QString data = m_dir.filePath("data");
    QStringList common{"--no-defaults"};
    if (geteuid() == 0)
        common << "--user=root";

    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(findProgram("mariadb-install-db"),
                  QStringList{"--no-defaults", "--datadir=" + data,
                              "--auth-root-authentication-method=normal", "--skip-test-db"}
                      + common.mid(1));
    if (!install.waitForFinished(60000) || install.exitCode() != 0) {
        m_error = "mariadb-install-db failed: " + QString::fromLocal8Bit(install.readAll());
        return false;
    }

    m_port = freePort();
    return launch();
}

bool MariaDbServer::restart()
{
    stop();
    return launch();
}

bool MariaDbServer::launch()
{
    const QString data = m_dir.filePath("data");
    QStringList common{"--no-defaults"};
    if (geteuid() == 0)
        common << "--user=root";
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(findProgram("mariadbd"),
                   common + QStringList{"--datadir=" + data, "--socket=" + m_dir.filePath("sock"),
                                        "--pid-file=" + m_dir.filePath("pid"),
                                        "--port=" + QString::number(m_port),
                                        "--bind-address=127.0.0.1", "--skip-grant-tables",
                                        "--innodb-buffer-pool-size=16M",
                                        "--log-error=" + m_dir.filePath("error.log")});
    if (!m_server.waitForStarted(10000)) {
        m_error = "mariadbd did not start: " + m_server.errorString();
        return false;
    }
    if (!waitReady(30000)) {
        QFile log(m_dir.filePath("error.log"));
        log.open(QIODevice::ReadOnly);
        m_error = "mariadbd not ready: " + QString::fromLocal8Bit(log.readAll().right(2000));
        stop();
        return false;
    }
    return true;
}

bool MariaDbServer::waitReady(int msecs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < msecs) {
        if (m_server.state() != QProcess::Running)
            return false;
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        // The server greets first; a greeting means it takes connections.
        if (probe.waitForConnected(500) && probe.waitForReadyRead(1000))
            return true;
        QThread::msleep(100);
    }
    return false;
}

void MariaDbServer::stop()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(15000)) {
        m_server.kill();
        m_server.waitForFinished(5000);
    }
}
