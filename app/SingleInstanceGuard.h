#pragma once
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// Keeps one running instance of the program per user session. The first instance takes a lock
// file and listens on a local socket; a later start finds the lock taken, tells the first over
// the socket to come forward (signal_reopenApp there) and exits. The lock of an instance that
// was killed is stale (its process is gone) and is taken over by the next start.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT
public:
    // `key` names the lock file (in the temporary folder) and the local socket; the user name is
    // added so that each user session has its own.
    explicit SingleInstanceGuard(const QString& key, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    // Takes the lock and starts listening. False when another live instance holds it.
    bool tryRun();
    // Asks the running instance to come forward; waits at most `timeoutMs`. Returns whether the
    // message was delivered.
    bool signalRunningInstance(int timeoutMs = 3000);
    // Stops listening and frees the lock.
    void release();

    bool isRunning() const { return m_running; }
    QString lockFilePath() const { return m_lockPath; }

    // The guard that holds the lock in this process, or null.
    static SingleInstanceGuard* instance();

signals:
    // Another start of the program asked this instance to bring its window forward.
    void signal_reopenApp();

private:
    void onNewConnection();

    QString m_lockPath;
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
    bool m_running = false;
};
