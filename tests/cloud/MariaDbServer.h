#pragma once
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A throw-away MariaDB server on 127.0.0.1 with its own data folder, for tests. No grant
// tables: any user name and password are let in.
class MariaDbServer
{
public:
    MariaDbServer();
    ~MariaDbServer();

    // Whether the server programs are installed.
    static bool available();
    // Starts the server and waits until it takes connections; false (see error()) on failure.
    bool start();
    void stop();
    // Stops the server and starts it again on the same port and data.
    bool restart();

    int port() const { return m_port; }
    QString error() const { return m_error; }

    // A port on 127.0.0.1 that nothing listens on.
    static int freePort();

private:
    static QString findProgram(const QString& name);
    bool waitReady(int msecs);
    bool launch();

    QTemporaryDir m_dir;
    QProcess m_server;
    int m_port = 0;
    QString m_error;
};
