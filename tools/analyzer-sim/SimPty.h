#pragma once
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

class AnalyzerSimulator;

// A pseudo-terminal that plays the analyzer: the simulator answers on the master side, the
// program opens the slave side. The slave is made visible to the port scanner as a symbolic
// link /tmp/ttyCDSIM<k>. Runs in the calling thread (run) or in a thread of its own (start).
//
// A link name belongs to the simulator that holds the lock of the hidden file ".<name>.lock"
// beside it (flock, so it is let go when the process dies, however it ends). Only the holder
// points the link somewhere else or removes it; a link whose lock is free is a leftover.
class SimPty
{
public:
    explicit SimPty(AnalyzerSimulator& sim);
    ~SimPty();

    // Opens the pseudo-terminal and makes the link. An empty linkPath takes the first
    // /tmp/ttyCDSIM<k> that no other simulator holds and that no live link occupies; a given
    // path fails only while another simulator holds it. Removes leftover dangling
    // /tmp/ttyCDSIM* links first.
    bool open(const QString& linkPath = QString(), QString* error = nullptr);
    QString slavePath() const { return m_slavePath; }
    QString linkPath() const { return m_linkPath; }

    // Serves until stop() (or a hang-up when reopenAfterMs < 0). After a hang-up fault the
    // line is dropped and, reopenAfterMs later, a new pseudo-terminal is put behind the link.
    // growEveryMs > 0 adds one generated result that often.
    void run(int reopenAfterMs = 500, int growEveryMs = 0);
    void start(int reopenAfterMs = 500, int growEveryMs = 0);
    void stop();
    // Removes the link and closes the pseudo-terminal.
    void close();

    int hangups() const { return m_hangups.load(); }
    bool isRunning() const { return m_running.load(); }
    void setLogger(std::function<void(const QString&)> logger) { m_log = std::move(logger); }

private:
    bool openPty(QString* error);
    void closePty();
    // Takes the lock of a link name; false while another simulator holds it.
    bool claimName(const QString& linkPath, QString* error);
    void releaseName();
    // Points m_linkPath at the current slave in one step (rename over the old link).
    bool placeLink(QString* error);
    static void removeLeftoverLinks();
    bool writeAll(const QByteArray& bytes);
    bool pause(int ms);
    void log(const QString& line);

    AnalyzerSimulator& m_sim;
    int m_master = -1;
    int m_heldSlave = -1;
    QString m_slavePath;
    QString m_linkPath;
    int m_lockFd = -1;
    QString m_lockPath;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_hangups{0};
    std::atomic<bool> m_running{false};
    std::thread m_thread;
    std::function<void(const QString&)> m_log;
};
