#include "SimPty.h"

#include "AnalyzerSimulator.h"
#include "PortScanner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {
const char* const kLinkDir = PortScanner::SimLinkDir;
const char* const kLinkPrefix = PortScanner::SimLinkPrefix;
}

SimPty::SimPty(AnalyzerSimulator& sim) : m_sim(sim) {}

SimPty::~SimPty()
{
    stop();
    close();
}

void SimPty::log(const QString& line)
{
    if (m_log)
        m_log(line);
}

bool SimPty::openPty(QString* error)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        if (error)
            *error = QStringLiteral("posix_openpt: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        closePty();
        return false;
    }
    char name[128] = {0};
    if (::ptsname_r(m_master, name, sizeof name) != 0) {
        if (error)
            *error = QStringLiteral("ptsname: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        closePty();
        return false;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    // Keep one slave descriptor open so the master never reads a hang-up while the program has
    // the port closed; it also carries the raw line settings.
    m_heldSlave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_heldSlave >= 0) {
        termios t;
        if (::tcgetattr(m_heldSlave, &t) == 0) {
            ::cfmakeraw(&t);
            ::cfsetispeed(&t, B115200);
            ::cfsetospeed(&t, B115200);
            ::tcsetattr(m_heldSlave, TCSANOW, &t);
        }
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    return true;
}

void SimPty::closePty()
{
    if (m_heldSlave >= 0)
        ::close(m_heldSlave);
    if (m_master >= 0)
        ::close(m_master);
    m_heldSlave = m_master = -1;
}

bool SimPty::open(const QString& linkPath, QString* error)
{
    // Links of simulators that were killed point nowhere; clear them away.
    QDir dir(QString::fromLatin1(kLinkDir));
    const QFileInfoList stale = dir.entryInfoList({QString::fromLatin1(kLinkPrefix) + QLatin1Char('*')},
                                                  QDir::System | QDir::Files | QDir::Hidden);
    for (const QFileInfo& fi : stale)
        if (fi.isSymLink() && !QFileInfo::exists(fi.symLinkTarget()))
            QFile::remove(fi.absoluteFilePath());

    if (!openPty(error))
        return false;
    const QByteArray target = QFile::encodeName(m_slavePath);
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (::symlink(target.constData(), QFile::encodeName(linkPath).constData()) != 0) {
            if (error)
                *error = QStringLiteral("symlink %1: %2").arg(linkPath, QString::fromLocal8Bit(strerror(errno)));
            closePty();
            return false;
        }
        m_linkPath = linkPath;
    } else {
        for (int k = 0; k < 1000; ++k) {
            const QString p = QStringLiteral("%1/%2%3").arg(QLatin1String(kLinkDir), QLatin1String(kLinkPrefix)).arg(k);
            if (::symlink(target.constData(), QFile::encodeName(p).constData()) == 0) {
                m_linkPath = p;
                break;
            }
            if (errno != EEXIST)
                break;
        }
        if (m_linkPath.isEmpty()) {
            if (error)
                *error = QStringLiteral("no free /tmp/%1<k> link").arg(QLatin1String(kLinkPrefix));
            closePty();
            return false;
        }
    }
    m_ownLink = true;
    return true;
}

void SimPty::close()
{
    closePty();
    if (m_ownLink) {
        // Remove the link only while it still points at our line.
        const QFileInfo fi(m_linkPath);
        if (fi.isSymLink())
            QFile::remove(m_linkPath);
        m_ownLink = false;
    }
}

bool SimPty::pause(int ms)
{
    QElapsedTimer t;
    t.start();
    while (!m_stop.load() && t.elapsed() < ms)
        ::usleep(5000);
    return !m_stop.load();
}

bool SimPty::writeAll(const QByteArray& bytes)
{
    int done = 0;
    QElapsedTimer t;
    t.start();
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += int(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (m_stop.load() || t.elapsed() > 5000) {
            log(QStringLiteral("nobody reads the line; %1 bytes not sent").arg(bytes.size() - done));
            return false;
        }
        pollfd p{m_master, POLLOUT, 0};
        ::poll(&p, 1, 20);
    }
    return true;
}

void SimPty::run(int reopenAfterMs, int growEveryMs)
{
    QElapsedTimer grow;
    grow.start();
    char buf[4096];
    while (!m_stop.load()) {
        if (growEveryMs > 0 && grow.elapsed() >= growEveryMs) {
            m_sim.addGenerated(1);
            grow.restart();
        }
        if (m_master < 0)
            return;
        pollfd p{m_master, POLLIN, 0};
        const int r = ::poll(&p, 1, 20);
        if (r <= 0 || !(p.revents & POLLIN))
            continue;
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n <= 0)
            continue;
        const QVector<SimAction> actions = m_sim.receive(QByteArray(buf, int(n)));
        for (const SimAction& a : actions) {
            if (a.type == SimAction::Write) {
                writeAll(a.bytes);
            } else if (a.type == SimAction::Pause) {
                if (!pause(a.ms))
                    return;
            } else {
                ++m_hangups;
                closePty();
                if (reopenAfterMs < 0) {
                    log(QStringLiteral("line hung up"));
                    return;
                }
                if (!pause(reopenAfterMs))
                    return;
                QString err;
                if (!openPty(&err)) {
                    log(QStringLiteral("cannot reopen: %1").arg(err));
                    return;
                }
                QFile::remove(m_linkPath);
                ::symlink(QFile::encodeName(m_slavePath).constData(), QFile::encodeName(m_linkPath).constData());
                log(QStringLiteral("line open again: %1 -> %2").arg(m_linkPath, m_slavePath));
                break; // the rest of this exchange went with the old line
            }
        }
    }
}

void SimPty::start(int reopenAfterMs, int growEveryMs)
{
    m_stop = false;
    m_running = true;
    m_thread = std::thread([this, reopenAfterMs, growEveryMs] {
        run(reopenAfterMs, growEveryMs);
        m_running = false;
    });
}

void SimPty::stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}
