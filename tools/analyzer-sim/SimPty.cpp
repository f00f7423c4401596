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
#include <sys/file.h>
#include <sys/stat.h>
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

namespace {

QString lockPathOf(const QString& linkPath)
{
    const QFileInfo fi(linkPath);
    return fi.absolutePath() + QStringLiteral("/.") + fi.fileName() + QStringLiteral(".lock");
}

bool isDangling(const QString& path)
{
    const QFileInfo fi(path);
    return fi.isSymLink() && !QFileInfo::exists(fi.symLinkTarget());
}

QString errnoText() { return QString::fromLocal8Bit(strerror(errno)); }

// Locks a name's lock file, creating it when missing. -1 when another process holds it (error
// left empty) or when it cannot be made (error set).
int lockFile(const QString& lockPath, QString* error)
{
    const QByteArray lp = QFile::encodeName(lockPath);
    for (;;) {
        const int fd = ::open(lp.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(lockPath, errnoText());
            return -1;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return -1;
        }
        // The holder before us may have removed the file between our open and our lock; then
        // this lock guards nothing and we try again on the file that is there now.
        struct stat held, now;
        if (::fstat(fd, &held) == 0 && ::stat(lp.constData(), &now) == 0 && held.st_dev == now.st_dev
            && held.st_ino == now.st_ino)
            return fd;
        ::close(fd);
    }
}

// Removes a lock file while still holding it, then lets go of it.
void unlockFile(const QString& lockPath, int fd)
{
    ::unlink(QFile::encodeName(lockPath).constData());
    ::close(fd);
}

} // namespace

bool SimPty::claimName(const QString& linkPath, QString* error)
{
    const QString lockPath = lockPathOf(linkPath);
    const int fd = lockFile(lockPath, error);
    if (fd < 0) {
        if (error && error->isEmpty())
            *error = QStringLiteral("%1 is held by another simulator").arg(linkPath);
        return false;
    }
    m_lockFd = fd;
    m_lockPath = lockPath;
    return true;
}

void SimPty::releaseName()
{
    if (m_lockFd < 0)
        return;
    unlockFile(m_lockPath, m_lockFd);
    m_lockFd = -1;
    m_lockPath.clear();
}

bool SimPty::placeLink(QString* error)
{
    const QByteArray target = QFile::encodeName(m_slavePath);
    const QByteArray link = QFile::encodeName(m_linkPath);
    // Made under a hidden name, which no scanner lists, then moved over the link.
    const QFileInfo fi(m_linkPath);
    const QByteArray tmp = QFile::encodeName(fi.absolutePath() + QStringLiteral("/.") + fi.fileName()
                                             + QStringLiteral(".new%1").arg(qint64(::getpid())));
    ::unlink(tmp.constData());
    if (::symlink(target.constData(), tmp.constData()) != 0 || ::rename(tmp.constData(), link.constData()) != 0) {
        if (error)
            *error = QStringLiteral("symlink %1: %2").arg(m_linkPath, errnoText());
        ::unlink(tmp.constData());
        return false;
    }
    return true;
}

void SimPty::removeLeftoverLinks()
{
    // Leftovers of killed simulators: a link beside a lock file that nobody holds (a simulator
    // that ends removes both), or a link that points nowhere.
    QDir dir(QString::fromLatin1(kLinkDir));
    const QFileInfoList links = dir.entryInfoList({QString::fromLatin1(kLinkPrefix) + QLatin1Char('*')},
                                                  QDir::System | QDir::Files | QDir::Hidden);
    for (const QFileInfo& fi : links) {
        const QString path = fi.absoluteFilePath();
        if (!fi.isSymLink())
            continue;
        const QString lockPath = lockPathOf(path);
        const bool hadLock = QFileInfo::exists(lockPath);
        if (!hadLock && !isDangling(path))
            continue; // perhaps a simulator of an older build, which takes no lock
        const int fd = lockFile(lockPath, nullptr);
        if (fd < 0)
            continue; // held: a running simulator (between two lines after a hang-up)
        if (hadLock || isDangling(path))
            QFile::remove(path);
        unlockFile(lockPath, fd);
    }
}

bool SimPty::open(const QString& linkPath, QString* error)
{
    removeLeftoverLinks();
    if (!openPty(error))
        return false;

    if (!linkPath.isEmpty()) {
        // Another simulator's clean-up may hold the lock for a moment.
        QElapsedTimer t;
        t.start();
        while (!claimName(linkPath, error)) {
            if (t.elapsed() > 500) {
                closePty();
                return false;
            }
            ::usleep(10000);
        }
        m_linkPath = linkPath;
    } else {
        for (int k = 0; k < 1000 && m_linkPath.isEmpty(); ++k) {
            const QString p = QStringLiteral("%1/%2%3").arg(QLatin1String(kLinkDir), QLatin1String(kLinkPrefix)).arg(k);
            if (!claimName(p, nullptr))
                continue;
            // Something else of that name that is not a leftover link, e.g. a running
            // simulator of an older build, which takes no lock: go on to the next number.
            const QFileInfo fi(p);
            if (fi.isSymLink() ? !isDangling(p) : fi.exists()) {
                releaseName();
                continue;
            }
            m_linkPath = p;
        }
        if (m_linkPath.isEmpty()) {
            if (error)
                *error = QStringLiteral("no free %1/%2<k> link").arg(QLatin1String(kLinkDir), QLatin1String(kLinkPrefix));
            closePty();
            return false;
        }
    }
    if (!placeLink(error)) {
        m_linkPath.clear();
        releaseName();
        closePty();
        return false;
    }
    return true;
}

void SimPty::close()
{
    closePty();
    if (m_lockFd >= 0) {
        // The name is ours: whatever the link points at, it is our (old) line.
        QFile::remove(m_linkPath);
        releaseName();
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
                // Take the link down with the line: its device number may go to another
                // line meanwhile. The name stays ours (we keep its lock).
                QFile::remove(m_linkPath);
                closePty();
                ++m_hangups;
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
                if (!placeLink(&err)) {
                    log(QStringLiteral("cannot reopen: %1").arg(err));
                    return;
                }
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
