// Throughput of the analyzer link: the simulator serves realistic records over a
// pseudo-terminal and the link hands them on, driven the way the main window drives it.
//   bench_analyzer [records]   (default 1000)
#include "AnalyzerReply.h"
#include "AnalyzerSimulator.h"
#include "FrameCodec.h"
#include "PcComData.h"
#include "SimPty.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QThread>

#include <cstdio>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

bool openLink(const QString& port)
{
    ComPortSettings s;
    s.portName = port;
    PcComData* link = PcComData::getInstance();
    if (!link->openPort(s))
        return false;
    link->clearRemainData();
    link->startComm();
    return true;
}

void closeLink()
{
    PcComData* link = PcComData::getInstance();
    link->stopComm();
    QElapsedTimer t;
    t.start();
    while (link->isPortOpen() && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Runs the event loop until done() or the time runs out.
template <typename F>
bool waitFor(F done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const int n = argc > 1 ? qMax(1, atoi(argv[1])) : 1000;
    PcComData* link = PcComData::getInstance();

    // 1. The conversation: ResultQuery 1..N, then "**AA##" after each record.
    AnalyzerSimulator::Options o;
    o.count = n;
    AnalyzerSimulator sim(o);
    qint64 payloadBytes = 0;
    for (int i = 1; i <= n; ++i)
        payloadBytes += QJsonDocument(sim.result(i)).toJson(QJsonDocument::Compact).size();
    SimPty pty(sim);
    QString err;
    if (!pty.open(QString(), &err)) {
        std::fprintf(stderr, "cannot open a pseudo-terminal: %s\n", qPrintable(err));
        return 1;
    }
    pty.start();
    if (!openLink(pty.linkPath())) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(pty.linkPath()));
        return 1;
    }
    int received = 0, lastRowid = 0;
    bool inOrder = true;
    QObject ctx;
    QObject::connect(link, &PcComData::sendresultQuery, &ctx, [&](const QJsonObject& r) {
        const int id = r.value(QStringLiteral("rowid")).toInt();
        inOrder = inOrder && id == lastRowid + 1;
        lastRowid = id;
        ++received;
        if (id < n)
            link->sendData("**AA##");
    });
    std::printf("analyzer link benchmark: %d realistic records (%.1f KiB of JSON, %.2f KiB per record)\n", n,
                payloadBytes / 1024.0, payloadBytes / 1024.0 / n);
    std::printf("1. conversation over a pseudo-terminal (ResultQuery 1..%d, then **AA## per record)\n", n);
    std::fflush(stdout);
    QElapsedTimer t;
    t.start();
    link->sendData(QStringLiteral("{\"CMD\":\"ResultQuery\",\"MachineID\":\"%1\",\"StartID\":1,\"EndID\":%2}")
                       .arg(sim.machineId())
                       .arg(n)
                       .toUtf8());
    const bool complete = waitFor([&] { return received >= n; }, n * 2000);
    const double secs = t.elapsed() / 1000.0;
    QObject::disconnect(link, nullptr, &ctx, nullptr);
    closeLink();
    pty.stop();
    pty.close();
    const double floorMs = PcComData::ReadIntervalMs; // the reply to each send is read at the next pass
    std::printf("   %s: %d records in %.1f s, in order: %s\n", complete ? "complete" : "INCOMPLETE", received, secs,
                inOrder ? "yes" : "NO");
    std::printf("   %.2f records/s, %.1f ms per record\n", received / secs, secs * 1000.0 / qMax(1, received));
    std::printf("   floor set by the timings: %.0f ms per record (one %d ms reading pass per reply; the %d ms pause\n"
                "   after each send falls inside it) = %.2f records/s, %.0f s for %d records\n",
                floorMs, PcComData::ReadIntervalMs, PcComData::SendPauseMs, 1000.0 / floorMs, n * floorMs / 1000.0, n);

    // 2. The link's own work per record: unframing and parsing, no waiting.
    QByteArray stream;
    for (int i = 1; i <= n; ++i) {
        QJsonObject msg{{"CMD", "ReResultQuery"}, {"MachineID", sim.machineId()}, {"Result", sim.result(i)}};
        stream += FrameCodec::encode(QJsonDocument(msg).toJson(QJsonDocument::Compact));
    }
    const int rounds = 20;
    QElapsedTimer c;
    c.start();
    int parsed = 0;
    for (int r = 0; r < rounds; ++r) {
        FrameCodec d;
        for (int i = 0; i < stream.size(); i += 4096) {
            d.feed(stream.mid(i, 4096));
            QByteArray p;
            while (d.takeFrame(&p))
                parsed += AnalyzerReply::parse(p).kind == AnalyzerReply::ResultQuery;
        }
    }
    const double usPer = c.nsecsElapsed() / 1000.0 / parsed;
    std::printf("2. link's own time per record (unframe + parse, 4 KiB reads): %.1f us (%.0f records/s of CPU)\n", usPer,
                1e6 / usPer);

    // 3. Capacity of one connection when records arrive back to back (no request per record).
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(master);
    ::unlockpt(master);
    const QString slave = QString::fromLocal8Bit(ptsname(master));
    int held = ::open(ptsname(master), O_RDWR | O_NOCTTY);
    termios tio;
    ::tcgetattr(held, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(held, TCSANOW, &tio);
    received = 0;
    QObject::connect(link, &PcComData::sendresultQuery, &ctx, [&](const QJsonObject&) { ++received; });
    if (!openLink(slave)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(slave));
        return 1;
    }
    t.restart();
    std::thread writer([&] {
        for (int i = 0; i < stream.size();) {
            const ssize_t w = ::write(master, stream.constData() + i, size_t(qMin(4096, stream.size() - i)));
            if (w > 0)
                i += int(w);
        }
    });
    waitFor([&] { return received >= n; }, 120000);
    const double burst = t.elapsed() / 1000.0;
    writer.join();
    closeLink();
    ::close(held);
    ::close(master);
    std::printf("3. back-to-back records over the pseudo-terminal: %d in %.2f s = %.0f records/s\n", received, burst,
                received / burst);
    return complete && inOrder ? 0 : 1;
}
