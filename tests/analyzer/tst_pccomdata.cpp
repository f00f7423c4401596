#include <QtTest>

#include "AnalyzerSimulator.h"
#include "PcComData.h"
#include "PortScanner.h"
#include "SimPty.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <atomic>
#include <memory>

namespace {

const QByteArray kMachineId = R"({"CMD":"MachineID"})";
const QByteArray kSize = R"({"CMD":"ResultSize","MachineID":"CDSIM0001"})";

QByteArray query(int from, int to)
{
    return QString(R"({"CMD":"ResultQuery","MachineID":"CDSIM0001","StartID":%1,"EndID":%2})").arg(from).arg(to).toUtf8();
}

// An analyzer simulator on a pseudo-terminal, served from a thread of this process. Its link
// lies in a folder of its own, where no port scanner looks, so that no other program on this
// machine (tests run side by side) lists it and connects to it; a listed one takes the first
// free /tmp/ttyCDSIM<k>.
struct Analyzer
{
    enum Naming { Private, Listed };
    explicit Analyzer(AnalyzerSimulator::Options o, int reopenAfterMs = 500, Naming naming = Private)
        : sim(o), pty(sim)
    {
        QString err;
        ok = pty.open(naming == Listed ? QString() : dir.filePath("ttySIM"), &err);
        if (!ok)
            qWarning() << err;
        else
            pty.start(reopenAfterMs);
    }
    QString port() const { return pty.linkPath(); }
    QTemporaryDir dir;
    AnalyzerSimulator sim;
    SimPty pty;
    bool ok = false;
};

AnalyzerSimulator::Options options(int count)
{
    AnalyzerSimulator::Options o;
    o.count = count;
    o.splitPauseMs = 300; // longer than a reading pass: the link sees the frame in pieces
    return o;
}

bool openLink(const QString& port)
{
    ComPortSettings s;
    s.portName = port;
    s.queryMode = 0;
    s.baudRate = 115200;
    s.dataBits = 8;
    s.timeout = -1;
    PcComData* link = PcComData::getInstance();
    if (!link->openPort(s))
        return false;
    link->clearRemainData();
    link->startComm();
    return true;
}

// Closes the link and waits until the reading thread has let the port go.
bool closeLink()
{
    PcComData* link = PcComData::getInstance();
    link->stopComm();
    return QTest::qWaitFor([&] { return !link->isPortOpen() && !link->isPortInUse(); }, 10000);
}

// The link's replies as a window receives them: queued into this (the GUI) thread. (A signal
// spy would record them on the reading thread, where one may come before the spy waits.)
struct Replies : QObject
{
    Replies()
    {
        PcComData* link = PcComData::getInstance();
        connect(link, &PcComData::sendmachineid, this, [this](const QString& id) { ids << id; });
        connect(link, &PcComData::sendresultSize, this, [this](int n) { sizes << n; });
    }
    bool waitIds(int n) { return QTest::qWaitFor([&] { return ids.size() >= n; }, 10000); }
    bool waitSizes(int n) { return QTest::qWaitFor([&] { return sizes.size() >= n; }, 10000); }
    QStringList ids;
    QList<int> sizes;
};

// Plays the main window's part of the record run: ask for the next record until the last.
struct RecordCollector : QObject
{
    RecordCollector(int last) : last(last)
    {
        // Emitted on a thread of the link, so that a window's slot runs queued.
        connect(PcComData::getInstance(), &PcComData::sendresultQuery, this, [this](const QJsonObject&) {
            if (QThread::currentThread() == qApp->thread())
                emittedOnGuiThread = true;
        }, Qt::DirectConnection);
        connect(PcComData::getInstance(), &PcComData::sendresultQuery, this, [this](const QJsonObject& r) {
            records.append(r);
            if (r.value("rowid").toInt() < this->last)
                PcComData::getInstance()->sendData("**AA##");
        });
    }
    QList<int> rowids() const
    {
        QList<int> ids;
        for (const QJsonObject& r : records)
            ids << r.value("rowid").toInt();
        return ids;
    }
    int last;
    QList<QJsonObject> records;
    std::atomic<bool> emittedOnGuiThread{false};
};

QList<int> range(int a, int b)
{
    QList<int> l;
    for (int i = a; i <= b; ++i)
        l << i;
    return l;
}

} // namespace

class tst_pccomdata : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(closeLink()); }

    void machineIdAndResultSize()
    {
        Analyzer a(options(7));
        QVERIFY(a.ok);
        PcComData* link = PcComData::getInstance();
        Replies r;
        std::atomic<bool> emittedOnGui{false};
        QObject ctx;
        auto onGui = [&] {
            if (QThread::currentThread() == qApp->thread())
                emittedOnGui = true;
        };
        connect(link, &PcComData::sendmachineid, &ctx, onGui, Qt::DirectConnection);
        connect(link, &PcComData::sendresultSize, &ctx, onGui, Qt::DirectConnection);

        QVERIFY(openLink(a.port()));
        QVERIFY(link->isPortOpen());
        link->sendData(kMachineId);
        QVERIFY(r.waitIds(1));
        QCOMPARE(r.ids.at(0), QString("CDSIM0001"));
        link->sendData(kSize);
        QVERIFY(r.waitSizes(1));
        QCOMPARE(r.sizes.at(0), 7);
        QCOMPARE(r.ids.size(), 1);
        QVERIFY(!emittedOnGui); // on the reading thread, so a window's slots run queued
    }

    void runOfRecordsArrivesWholeAndInOrder()
    {
        auto o = options(8);
        QVERIFY(o.faults.add(FaultPlan::Split, "ReResultQuery@2"));
        QVERIFY(o.faults.add(FaultPlan::Noise, "ReResultQuery@3"));
        QVERIFY(o.faults.add(FaultPlan::Delay, "400:ReResultQuery@5"));
        Analyzer a(o);
        QVERIFY(a.ok);
        RecordCollector c(8);
        QVERIFY(openLink(a.port()));
        PcComData::getInstance()->sendData(query(1, 8));
        QVERIFY(QTest::qWaitFor([&] { return c.records.size() >= 8; }, 10000));
        QTest::qWait(300);
        QCOMPARE(c.rowids(), range(1, 8));
        QVERIFY(!c.emittedOnGuiThread);
        for (const QJsonObject& r : c.records)
            QCOMPARE(r, a.sim.result(r.value("rowid").toInt()));
    }

    void badCheckByteDropsOnlyThatRecord()
    {
        auto o = options(4);
        QVERIFY(o.faults.add(FaultPlan::Corrupt, "rowid=2"));
        Analyzer a(o);
        QVERIFY(a.ok);
        RecordCollector c(4);
        QVERIFY(openLink(a.port()));
        PcComData::getInstance()->sendData(query(1, 4));
        QVERIFY(QTest::qWaitFor([&] { return c.records.size() >= 1; }, 10000));
        QTest::qWait(800); // record 2 came with a bad check byte: nothing is handed on
        QCOMPARE(c.rowids(), QList<int>{1});
        // Asking again (as the main window does after its watchdog) gets the rest.
        PcComData::getInstance()->sendData(query(2, 4));
        QVERIFY(QTest::qWaitFor([&] { return c.records.size() >= 4; }, 10000));
        QCOMPARE(c.rowids(), range(1, 4));
        QCOMPARE(c.records.at(1), a.sim.result(2));
    }

    void stopCommClosesThePortWithinAPass()
    {
        Analyzer a(options(1));
        QVERIFY(a.ok);
        PcComData* link = PcComData::getInstance();
        QVERIFY(openLink(a.port()));
        QTest::qWait(100);
        QElapsedTimer t;
        t.start();
        link->stopComm();
        QVERIFY(QTest::qWaitFor([&] { return !link->isPortOpen(); }, 10000));
        const qint64 took = t.elapsed();
        QVERIFY2(took <= PcComData::ReadIntervalMs + 250, qPrintable(QString::number(took)));
        QVERIFY(!link->isPortInUse());
        // A closed port takes no frames and emits nothing.
        Replies r;
        link->sendData(kMachineId);
        QTest::qWait(400);
        QCOMPARE(r.ids.size(), 0);
    }

    void reconnectRightAfterStopKeepsTheNewConnection()
    {
        Analyzer a(options(2));
        QVERIFY(a.ok);
        PcComData* link = PcComData::getInstance();
        QVERIFY(openLink(a.port()));
        link->stopComm();
        QVERIFY(openLink(a.port())); // before the reading thread's next pass
        QVERIFY(link->isPortInUse()); // the scanner stays paused
        QTest::qWait(2 * PcComData::ReadIntervalMs + 100);
        QVERIFY(link->isPortOpen());
        QVERIFY(link->isPortInUse());
        Replies r;
        link->sendData(kSize);
        QVERIFY(r.waitSizes(1));
        QCOMPARE(r.sizes.at(0), 2);
    }

    void staleRepliesOfAnEarlierConnectionAreDiscarded()
    {
        auto o = options(2);
        QVERIFY(o.faults.add(FaultPlan::Delay, "500:ReMachineID@1"));
        Analyzer a(o);
        QVERIFY(a.ok);
        PcComData* link = PcComData::getInstance();
        Replies r;
        QVERIFY(openLink(a.port()));
        link->sendData(kMachineId);
        QVERIFY(closeLink());
        QTest::qWait(700); // the late reply lands while the port is closed
        QVERIFY(openLink(a.port()));
        QTest::qWait(700);
        QCOMPARE(r.ids.size(), 0);
        link->sendData(kMachineId);
        QVERIFY(r.waitIds(1));
    }

    void openFailuresLeaveThePortFree()
    {
        PcComData* link = PcComData::getInstance();
        ComPortSettings s;
        s.portName = "/tmp/ttyCDSIM-none-such";
        QVERIFY(!link->openPort(s));
        QVERIFY(!link->isPortInUse());
        QVERIFY(!link->isPortOpen());
        Analyzer a(options(1));
        QVERIFY(a.ok);
        s.portName = a.port();
        s.parity = 7; // no such parity
        QVERIFY(!link->openPort(s));
        QVERIFY(!link->isPortInUse());
        link->sendData(kMachineId); // no effect on a closed port

        // Opened, never read from, then stopped: the port is let go all the same.
        s.parity = 0;
        QVERIFY(link->openPort(s));
        QVERIFY(link->isPortInUse());
        link->stopComm();
        QVERIFY(QTest::qWaitFor([&] { return !link->isPortOpen() && !link->isPortInUse(); }, 10000));
    }

    void hangUpClosesTheLinkAndTheLineComesBack()
    {
        auto o = options(3);
        QVERIFY(o.faults.add(FaultPlan::Hangup, "ReResultSize@1"));
        Analyzer a(o, 300);
        QVERIFY(a.ok);
        PcComData* link = PcComData::getInstance();
        QVERIFY(openLink(a.port()));
        link->sendData(kSize);
        QVERIFY(QTest::qWaitFor([&] { return a.pty.hangups() == 1; }, 10000));
        QVERIFY(QTest::qWaitFor([&] { return !link->isPortOpen() && !link->isPortInUse(); }, 10000));
        // The analyzer is back behind the same name.
        QVERIFY(QTest::qWaitFor([&] { return PortScanner::canOpen(a.port()); }, 10000));
        Replies r;
        QVERIFY(openLink(a.port()));
        link->sendData(kSize);
        QVERIFY(r.waitSizes(1));
        QCOMPARE(r.sizes.at(0), 3);
    }

    void scannerListsTheSimulatorAndPausesWhileAPortIsOpen()
    {
        // One simulator for the list, another (that nobody else sees) to connect to.
        Analyzer listed(options(1), 500, Analyzer::Listed);
        QVERIFY(listed.ok);
        QVERIFY(listed.port().startsWith(QString("/tmp/%1").arg(PortScanner::SimLinkPrefix)));
        Analyzer mine(options(1));
        QVERIFY(mine.ok);
        PcComData* link = PcComData::getInstance();
        QList<QStringList> lists;
        QObject ctx;
        connect(link, &PcComData::slgnalUpdateComItem, &ctx, [&](const QStringList& l) { lists << l; });
        // When each pass reported, seen on the scanner's own thread.
        QMutex passMutex;
        QList<qint64> passes;
        QElapsedTimer clock;
        clock.start();
        std::atomic<bool> scanOnGui{false};
        connect(link, &PcComData::slgnalUpdateComItem, &ctx, [&](const QStringList&) {
            if (QThread::currentThread() == qApp->thread())
                scanOnGui = true;
            QMutexLocker lock(&passMutex);
            passes << clock.elapsed();
        }, Qt::DirectConnection);
        auto passCount = [&] {
            QMutexLocker lock(&passMutex);
            return passes.size();
        };
        auto lastListHas = [&](const QString& port) { return !lists.isEmpty() && lists.last().contains(port); };
        // Reports already queued before a change of state are not the scanner's answer to it.
        auto dropQueued = [&] {
            QCoreApplication::sendPostedEvents();
            lists.clear();
        };

        link->startScanPort();
        QVERIFY(link->isScanning());
        QVERIFY(QTest::qWaitFor([&] { return lastListHas(listed.port()); }, 15000));
        QVERIFY(!lists.last().contains(mine.port())); // not a name the scanner looks at
        QVERIFY(QTest::qWaitFor([&] { return passCount() >= 2; }, 15000));

        QVERIFY(openLink(mine.port()));
        const int passesWhenOpened = passCount();
        dropQueued();
        QTest::qWait(2 * PcComData::ScanIntervalMs + 300);
        QCOMPARE(passCount(), passesWhenOpened);
        QCOMPARE(lists.size(), 0);

        QVERIFY(closeLink());
        QVERIFY(QTest::qWaitFor([&] { return lastListHas(listed.port()); }, 15000));

        // A simulator that has gone is no longer listed.
        listed.pty.stop();
        listed.pty.close();
        QVERIFY(QTest::qWaitFor([&] { return !lists.isEmpty() && !lastListHas(listed.port()); }, 15000));

        link->stopScanPort();
        QVERIFY(QTest::qWaitFor([&] { return !link->isScanning(); }, 10000));
        const int passesWhenStopped = passCount();
        dropQueued();
        QTest::qWait(PcComData::ScanIntervalMs + 300);
        QCOMPARE(passCount(), passesWhenStopped);
        QCOMPARE(lists.size(), 0);

        QVERIFY(!scanOnGui); // the scanner's own thread
        // Passes came no more often than once a second (however late they were delivered).
        QMutexLocker lock(&passMutex);
        for (int i = 1; i < passes.size(); ++i)
            QVERIFY2(passes.at(i) - passes.at(i - 1) >= PcComData::ScanIntervalMs - 50,
                     qPrintable(QString("pass %1 after %2 ms").arg(i).arg(passes.at(i) - passes.at(i - 1))));
    }

    void simulatorProgramServesItsResults()
    {
        TempWorkDir dir;
        const QString bin = buildDir() + "/tools/analyzer-sim/analyzer-sim";
        QVERIFY2(QFile::exists(bin), qPrintable(bin));
        QProcess sim;
        const QString wanted = dir.file("ttySIM");
        sim.start(bin, {"--count", "3", "--seed", "11", "--write", dir.file("served.json"), "--split", "ReResultQuery@2",
                        "--link", wanted, "--exit-with-parent"});
        QVERIFY(sim.waitForStarted());
        QString port;
        QVERIFY(QTest::qWaitFor([&] {
            while (sim.canReadLine()) {
                const QString line = QString::fromLocal8Bit(sim.readLine()).trimmed();
                if (line.startsWith("port: "))
                    port = line.mid(6);
            }
            return !port.isEmpty();
        }, 15000));
        QCOMPARE(port, wanted);
        QVERIFY(QFileInfo(port).isSymLink());

        QFile f(dir.file("served.json"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QJsonArray served = QJsonDocument::fromJson(f.readAll()).array();
        QCOMPARE(served.size(), 3);

        RecordCollector c(3);
        QVERIFY(openLink(port));
        PcComData::getInstance()->sendData(query(1, 3));
        QVERIFY(QTest::qWaitFor([&] { return c.records.size() >= 3; }, 10000));
        QCOMPARE(c.rowids(), range(1, 3));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(c.records.at(i), served.at(i).toObject());

        QVERIFY(closeLink());
        sim.terminate();
        QVERIFY(sim.waitForFinished(3000));
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFileInfo(port).isSymLink()); // the program removed its port link
        QVERIFY(!QFile::exists(dir.file(".ttySIM.lock")));
    }
};

QTEST_GUILESS_MAIN(tst_pccomdata)
#include "tst_pccomdata.moc"
