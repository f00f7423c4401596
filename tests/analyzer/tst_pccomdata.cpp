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
#include <memory>

namespace {

const QByteArray kMachineId = R"({"CMD":"MachineID"})";
const QByteArray kSize = R"({"CMD":"ResultSize","MachineID":"CDSIM0001"})";

QByteArray query(int from, int to)
{
    return QString(R"({"CMD":"ResultQuery","MachineID":"CDSIM0001","StartID":%1,"EndID":%2})").arg(from).arg(to).toUtf8();
}

// An analyzer simulator on a pseudo-terminal, served from a thread of this process.
struct Analyzer
{
    explicit Analyzer(AnalyzerSimulator::Options o, int reopenAfterMs = 500) : sim(o), pty(sim)
    {
        // A name of its own: other programs on this machine may run simulators too and take
        // the first free /tmp/ttyCDSIM<k> as soon as ours is gone.
        static int serial = 0;
        const QString name = QString("/tmp/%1-t%2-%3").arg(PortScanner::SimLinkPrefix).arg(QCoreApplication::applicationPid()).arg(++serial);
        QString err;
        ok = pty.open(name, &err);
        if (!ok)
            qWarning() << err;
        else
            pty.start(reopenAfterMs);
    }
    QString port() const { return pty.linkPath(); }
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
    return QTest::qWaitFor([&] { return !link->isPortOpen() && !link->isPortInUse(); }, 2000);
}

// Plays the main window's part of the record run: ask for the next record until the last.
struct RecordCollector : QObject
{
    RecordCollector(int last) : last(last)
    {
        connect(PcComData::getInstance(), &PcComData::sendresultQuery, this, [this](const QJsonObject& r) {
            onGuiThread = onGuiThread && QThread::currentThread() == qApp->thread();
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
    bool onGuiThread = true;
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
        QSignalSpy ids(link, &PcComData::sendmachineid);
        QSignalSpy sizes(link, &PcComData::sendresultSize);
        bool onGui = true;
        QObject ctx;
        connect(link, &PcComData::sendmachineid, &ctx,
                [&] { onGui = onGui && QThread::currentThread() == qApp->thread(); });

        QVERIFY(openLink(a.port()));
        QVERIFY(link->isPortOpen());
        link->sendData(kMachineId);
        QVERIFY(ids.wait(2000));
        QCOMPARE(ids.at(0).at(0).toString(), QString("CDSIM0001"));
        QVERIFY(onGui); // queued into the GUI thread
        link->sendData(kSize);
        QVERIFY(sizes.wait(2000));
        QCOMPARE(sizes.at(0).at(0).toInt(), 7);
        QCOMPARE(ids.size(), 1);
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
        QVERIFY(QTest::qWaitFor([&] { return c.records.size() >= 8; }, 8000));
        QTest::qWait(300);
        QCOMPARE(c.rowids(), range(1, 8));
        QVERIFY(c.onGuiThread);
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
        QVERIFY(QTest::qWaitFor([&] { return c.records.size() >= 1; }, 3000));
        QTest::qWait(800); // record 2 came with a bad check byte: nothing is handed on
        QCOMPARE(c.rowids(), QList<int>{1});
        // Asking again (as the main window does after its watchdog) gets the rest.
        PcComData::getInstance()->sendData(query(2, 4));
        QVERIFY(QTest::qWaitFor([&] { return c.records.size() >= 4; }, 4000));
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
        QVERIFY(QTest::qWaitFor([&] { return !link->isPortOpen(); }, 2000));
        const qint64 took = t.elapsed();
        QVERIFY2(took <= PcComData::ReadIntervalMs + 250, qPrintable(QString::number(took)));
        QVERIFY(!link->isPortInUse());
        // A closed port takes no frames and emits nothing.
        QSignalSpy ids(link, &PcComData::sendmachineid);
        link->sendData(kMachineId);
        QTest::qWait(400);
        QCOMPARE(ids.size(), 0);
    }

    void reconnectRightAfterStopKeepsTheNewConnection()
    {
        Analyzer a(options(2));
        QVERIFY(a.ok);
        PcComData* link = PcComData::getInstance();
        QVERIFY(openLink(a.port()));
        link->stopComm();
        QVERIFY(openLink(a.port())); // before the reading thread's next pass
        QTest::qWait(2 * PcComData::ReadIntervalMs + 100);
        QVERIFY(link->isPortOpen());
        QSignalSpy sizes(link, &PcComData::sendresultSize);
        link->sendData(kSize);
        QVERIFY(sizes.wait(2000));
        QCOMPARE(sizes.at(0).at(0).toInt(), 2);
    }

    void staleRepliesOfAnEarlierConnectionAreDiscarded()
    {
        auto o = options(2);
        QVERIFY(o.faults.add(FaultPlan::Delay, "500:ReMachineID@1"));
        Analyzer a(o);
        QVERIFY(a.ok);
        PcComData* link = PcComData::getInstance();
        QSignalSpy ids(link, &PcComData::sendmachineid);
        QVERIFY(openLink(a.port()));
        link->sendData(kMachineId);
        QVERIFY(closeLink());
        QTest::qWait(700); // the late reply lands while the port is closed
        QVERIFY(openLink(a.port()));
        QTest::qWait(700);
        QCOMPARE(ids.size(), 0);
        link->sendData(kMachineId);
        QVERIFY(ids.wait(2000));
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
        QVERIFY(QTest::qWaitFor([&] { return !link->isPortOpen() && !link->isPortInUse(); }, 1000));
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
        QVERIFY(QTest::qWaitFor([&] { return a.pty.hangups() == 1; }, 2000));
        QVERIFY(QTest::qWaitFor([&] { return !link->isPortOpen() && !link->isPortInUse(); }, 2000));
        // The analyzer is back behind the same name.
        QVERIFY(QTest::qWaitFor([&] { return PortScanner::canOpen(a.port()); }, 2000));
        QSignalSpy sizes(link, &PcComData::sendresultSize);
        QVERIFY(openLink(a.port()));
        link->sendData(kSize);
        QVERIFY(sizes.wait(2000));
        QCOMPARE(sizes.at(0).at(0).toInt(), 3);
    }

    void scannerListsTheSimulatorAndPausesWhileAPortIsOpen()
    {
        Analyzer a(options(1));
        QVERIFY(a.ok);
        PcComData* link = PcComData::getInstance();
        QList<QStringList> lists;
        QObject ctx;
        connect(link, &PcComData::slgnalUpdateComItem, &ctx, [&](const QStringList& l) { lists << l; });
        link->startScanPort();
        QVERIFY(link->isScanning());
        QVERIFY(QTest::qWaitFor([&] { return !lists.isEmpty() && lists.last().contains(a.port()); }, 3000));

        QVERIFY(openLink(a.port()));
        QTest::qWait(200); // a pass that had started before the opening may still report
        lists.clear();
        QTest::qWait(2 * PcComData::ScanIntervalMs + 300);
        QCOMPARE(lists.size(), 0);

        QVERIFY(closeLink());
        QVERIFY(QTest::qWaitFor([&] { return !lists.isEmpty() && lists.last().contains(a.port()); }, 3000));

        // A simulator that has gone is no longer listed.
        a.pty.stop();
        a.pty.close();
        QVERIFY(QTest::qWaitFor([&] { return !lists.last().contains(a.port()); }, 3000));

        link->stopScanPort();
        QVERIFY(QTest::qWaitFor([&] { return !link->isScanning(); }, 2000));
        lists.clear();
        QTest::qWait(PcComData::ScanIntervalMs + 300);
        QCOMPARE(lists.size(), 0);
    }

    void simulatorProgramServesItsResults()
    {
        TempWorkDir dir;
        const QString bin = buildDir() + "/tools/analyzer-sim/analyzer-sim";
        QVERIFY2(QFile::exists(bin), qPrintable(bin));
        QProcess sim;
        const QString wanted = QString("/tmp/%1-c%2").arg(PortScanner::SimLinkPrefix).arg(QCoreApplication::applicationPid());
        sim.start(bin, {"--count", "3", "--seed", "11", "--write", dir.file("served.json"), "--split", "ReResultQuery@2",
                        "--link", wanted});
        QVERIFY(sim.waitForStarted());
        QString port;
        QVERIFY(QTest::qWaitFor([&] {
            while (sim.canReadLine()) {
                const QString line = QString::fromLocal8Bit(sim.readLine()).trimmed();
                if (line.startsWith("port: "))
                    port = line.mid(6);
            }
            return !port.isEmpty();
        }, 5000));
        QCOMPARE(port, wanted);
        QVERIFY(QFileInfo(port).isSymLink());

        QFile f(dir.file("served.json"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QJsonArray served = QJsonDocument::fromJson(f.readAll()).array();
        QCOMPARE(served.size(), 3);

        RecordCollector c(3);
        QVERIFY(openLink(port));
        PcComData::getInstance()->sendData(query(1, 3));
        QVERIFY(QTest::qWaitFor([&] { return c.records.size() >= 3; }, 5000));
        QCOMPARE(c.rowids(), range(1, 3));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(c.records.at(i), served.at(i).toObject());

        QVERIFY(closeLink());
        sim.terminate();
        QVERIFY(sim.waitForFinished(3000));
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFileInfo(port).isSymLink()); // the program removed its port link
    }
};

QTEST_GUILESS_MAIN(tst_pccomdata)
#include "tst_pccomdata.moc"
