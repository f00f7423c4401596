#pragma once
#include <QJsonArray>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

class Index;

// Prepares the working directory as start-up does: seeded main databases at the current
// schema, serial mode, "database.db2" open on the default connection.
bool prepareMainDatabase();

// The analyzer simulator as a child process on a pseudo-terminal.
class SimProcess
{
public:
    ~SimProcess();
    // Starts analyzer-sim with these arguments and waits for its port line.
    bool start(const QStringList& args);
    void stop();
    QString port() const { return m_port; }
    qint64 processId() const { return m_process.processId(); }
    // Result numbers of every record reply the simulator sent (its log, read so far).
    QList<int> servedRowids();
    // Lines of the simulator's log read so far.
    QStringList log();

private:
    void readLines();
    QProcess m_process;
    QString m_port;
    QStringList m_lines;
};

// Answers every message box of the program with OK, remembering its texts.
class MessageBoxCloser : public QObject
{
    Q_OBJECT
public:
    MessageBoxCloser();
    QStringList texts;
    // When false, boxes are answered with Cancel.
    bool accept = true;
    // When set, the next box is saved there as a picture first.
    QString grabTo;

private:
    void poll();
    QTimer m_timer;
};

// Connects the window to the simulator's port (puts it first in the port list and presses
// the connect button).
void connectTo(Index& window, const QString& port);
// Rows of PanelChkResult and PanelQcResult: "<table>|<check time>|<patient id>", in id order.
QStringList storedRows();
// The served results as "<table>|<check time>|<patient id>", in rowid order.
QStringList expectedRows(const QJsonArray& served);
QJsonArray readJsonArray(const QString& path);
int storedCount(const QString& machineId);
