// The analyzer conversation without a window: AnalyzerConversation over the real link against
// the analyzer simulator on a pseudo-terminal, storing into a real main database.
#include <QtTest>

#include "AnalyzerCommand.h"
#include "AnalyzerConversation.h"
#include "AnalyzerSimulator.h"
#include "PcComData.h"
#include "PortChoice.h"
#include "PortScanner.h"
#include "SimPty.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "dbHelper.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMutex>
#include <QRegularExpression>
#include <QSqlQuery>
#include <atomic>

using Reason = AnalyzerConversation::EndReason;

namespace {

const QString kCdsim = QStringLiteral("CDSIM0001");
// A machine id that breaks any command built by pasting text: quote, backslash, CJK.
const QString kOddId = QStringLiteral("QV\"7\\x\\\"生化仪-甲");

QElapsedTimer& testClock()
{
    static QElapsedTimer c;
    if (!c.isValid())
        c.start();
    return c;
}

// The simulator on a pseudo-terminal served from a thread of this process; its link lies in a
// folder of its own, where no port scanner looks. Keeps its log for the test.
struct Analyzer
{
    explicit Analyzer(AnalyzerSimulator::Options o, int reopenAfterMs = 500) : sim(o), pty(sim)
    {
        auto keep = [this](const QString& line) {
            QMutexLocker lock(&mutex);
            lines << line;
            if (line.startsWith(QLatin1String("-> HANG UP")))
                hangupAt = testClock().elapsed();
        };
        sim.setLogger(keep);
        pty.setLogger(keep);
        QString err;
        ok = pty.open(dir.filePath("ttySIM"), &err);
        if (!ok)
            qWarning() << err;
        else
            pty.start(reopenAfterMs);
    }
    QString port() const { return pty.linkPath(); }
    // Result numbers of the records sent since the log was last cleared.
    QList<int> served()
    {
        static const QRegularExpression sent(QStringLiteral("^-> ReResultQuery rowid=(\\d+)"));
        QMutexLocker lock(&mutex);
        QList<int> ids;
        for (const QString& line : qAsConst(lines)) {
            const auto m = sent.match(line);
            if (m.hasMatch())
                ids << m.captured(1).toInt();
        }
        return ids;
    }
    int count(const QString& text)
    {
        QMutexLocker lock(&mutex);
        return lines.filter(text).size();
    }
    bool logged(const QString& text) { return count(text) > 0; }
    void clearLog()
    {
        QMutexLocker lock(&mutex);
        lines.clear();
    }
    QTemporaryDir dir;
    AnalyzerSimulator sim;
    SimPty pty;
    bool ok = false;
    QMutex mutex;
    QStringList lines;
    std::atomic<qint64> hangupAt{-1};
};

AnalyzerSimulator::Options options(int count, const QString& machineId = kCdsim)
{
    AnalyzerSimulator::Options o;
    o.count = count;
    o.seed = 21;
    o.machineId = machineId;
    return o;
}

ComPortSettings portSettings(const QString& port)
{
    ComPortSettings s;
    s.portName = port;
    return s;
}

// What the conversation told its owner.
struct Owner : QObject
{
    explicit Owner(AnalyzerConversation& c)
    {
        connect(&c, &AnalyzerConversation::ended, this, [this](Reason r) {
            reasons << r;
            endedAt = testClock().elapsed();
        });
        connect(&c, &AnalyzerConversation::resultStored, this, [this](int rowid, bool) { stored << rowid; });
    }
    QList<Reason> reasons;
    QList<int> stored;
    qint64 endedAt = -1;
};

// Rows of both result tables as "<table>|<machine id>|<check time>|<patient id>", in id order.
QStringList storedRows()
{
    QStringList rows;
    for (const char* table : {"PanelChkResult", "PanelQcResult"}) {
        QSqlQuery q(QStringLiteral("select machineid, chkdatetime, patientinfo from %1 order by id").arg(table));
        while (q.next()) {
            const QJsonObject p = QJsonDocument::fromJson(q.value(2).toString().toUtf8()).object();
            rows << QStringLiteral("%1|%2|%3|%4")
                        .arg(QLatin1String(table[5] == 'C' ? "S" : "Q"), q.value(0).toString(),
                             q.value(1).toDateTime().toString(Qt::ISODate), p.value("id").toString());
        }
    }
    return rows;
}

// The served results as storedRows() should show them: samples first, then QC runs.
QStringList expectedRows(const QJsonArray& served, const QString& machineId)
{
    QStringList samples, qcs;
    for (const QJsonValue& v : served) {
        const QJsonObject r = v.toObject();
        const QJsonObject p = QJsonDocument::fromJson(r.value("patientinfo").toString().toUtf8()).object();
        const QString when = QDateTime::fromString(r.value("chkdatetime").toString(), "yyyy-MM-dd hh:mm:ss").toString(Qt::ISODate);
        const QString row = QStringLiteral("%1|%2|%3").arg(machineId, when, p.value("id").toString());
        (p.value("Qc").toBool() ? qcs : samples) << row;
    }
    for (QString& s : samples)
        s.prepend("S|");
    for (QString& q : qcs)
        q.prepend("Q|");
    return samples + qcs;
}

QList<int> range(int from, int to)
{
    QList<int> r;
    for (int i = from; i <= to; ++i)
        r << i;
    return r;
}

bool linkLetGo()
{
    PcComData* link = PcComData::getInstance();
    return QTest::qWaitFor([&] { return !link->isPortOpen() && !link->isPortInUse(); }, 5000);
}

} // namespace

class tst_analyzerconversation : public QObject
{
    Q_OBJECT
    TempWorkDir* m_dir = nullptr;

private slots:
    void init()
    {
        m_dir = new TempWorkDir;
        QVERIFY(openFreshMainDatabase());
    }
    void cleanup()
    {
        PcComData::getInstance()->stopComm();
        QVERIFY(linkLetGo());
        dbHelper::getInstance()->close();
        delete m_dir;
        m_dir = nullptr;
    }

    // Every command is a JSON object that gives any machine id back exactly.
    void commandsCarryTheMachineIdExactly_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("plain") << kCdsim;
        QTest::newRow("quote, backslash, CJK") << kOddId;
        QTest::newRow("JSON text") << QStringLiteral("\",\"StartID\":1,\"x\":\"");
        QTest::newRow("control characters") << QStringLiteral("a\tb\nc\x01");
    }
    void commandsCarryTheMachineIdExactly()
    {
        QFETCH(QString, id);
        QCOMPARE(AnalyzerCommand::machineId(), QByteArray(R"({"CMD":"MachineID"})"));
        QJsonParseError err;
        const QJsonObject size = QJsonDocument::fromJson(AnalyzerCommand::resultSize(id), &err).object();
        QCOMPARE(err.error, QJsonParseError::NoError);
        QCOMPARE(size, (QJsonObject{{"CMD", "ResultSize"}, {"MachineID", id}}));
        const QJsonObject query = QJsonDocument::fromJson(AnalyzerCommand::resultQuery(id, 4, 9), &err).object();
        QCOMPARE(err.error, QJsonParseError::NoError);
        QCOMPARE(query, (QJsonObject{{"CMD", "ResultQuery"}, {"MachineID", id}, {"StartID", 4}, {"EndID", 9}}));
    }

    // Every result is stored once, in order, QC runs apart, under the analyzer's own id,
    // whatever characters that id holds.
    void fetchesEveryResultOnce_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("plain") << kCdsim;
        QTest::newRow("quote, backslash, CJK") << kOddId;
    }
    void fetchesEveryResultOnce()
    {
        QFETCH(QString, id);
        Analyzer a(options(9, id));
        QVERIFY(a.ok);
        AnalyzerConversation c(PcComData::getInstance());
        c.setTimings(3000, 3000, 300);
        Owner owner(c);
        QVERIFY(c.open(portSettings(a.port())));
        QCOMPARE(c.phase(), AnalyzerConversation::Phase::AwaitingMachineId);
        QVERIFY(c.watchdogTimer()->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(owner.stored.size(), 9, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(c.phase(), AnalyzerConversation::Phase::Polling, 3000);
        QCOMPARE(c.machineId(), id);
        QCOMPARE(owner.stored, range(1, 9));
        QCOMPARE(a.served(), range(1, 9));
        QCOMPARE(storedRows(), expectedRows(a.sim.results(), id));
        QVERIFY(storedRows().filter(QRegularExpression("^Q\\|")).size() == 1); // result 7 is a QC run
        QVERIFY(!a.logged("not my machine id"));
        QVERIFY(owner.reasons.isEmpty());

        // Polls go on; nothing is fetched twice.
        const int polls = a.count("-> ReResultSize 9");
        QTRY_VERIFY_WITH_TIMEOUT(a.count("-> ReResultSize 9") >= polls + 2, 5000);
        QCOMPARE(owner.stored.size(), 9);
        c.close();
        QVERIFY(!c.isOpen() && c.machineId().isEmpty());
        QVERIFY(!c.watchdogTimer()->isActive() && !c.pollTimer()->isActive());
    }

    // An analyzer that stops answering while only polled is given up within the reply
    // time-out plus one poll, and the link closes; a reconnect fetches what was added
    // meanwhile, once each.
    void silentAnalyzerWhilePollingIsReported()
    {
        const int replyMs = 1500, pollMs = 400;
        Analyzer a(options(3));
        QVERIFY(a.ok);
        AnalyzerConversation c(PcComData::getInstance());
        c.setTimings(3000, replyMs, pollMs);
        Owner owner(c);
        QVERIFY(c.open(portSettings(a.port())));
        QTRY_COMPARE_WITH_TIMEOUT(owner.stored.size(), 3, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(c.phase(), AnalyzerConversation::Phase::Polling, 3000);
        // Polled and answered a few times.
        QTRY_VERIFY_WITH_TIMEOUT(a.count("-> ReResultSize 3") >= 3, 5000);

        a.sim.setSilent(true);
        const qint64 silentAt = testClock().elapsed();
        QTRY_COMPARE_WITH_TIMEOUT(owner.reasons.size(), 1, 3 * (replyMs + pollMs));
        const qint64 took = owner.endedAt - silentAt;
        QCOMPARE(owner.reasons.first(), Reason::AnalyzerSilent);
        // Not before the time-out; within it plus one poll (and a reading pass for the last
        // answer given before the silence).
        QVERIFY2(took >= replyMs - 150, qPrintable(QString::number(took)));
        QVERIFY2(took <= replyMs + pollMs + PcComData::ReadIntervalMs + 300, qPrintable(QString::number(took)));
        QVERIFY(!c.isOpen());
        QCOMPARE(c.machineId(), kCdsim); // kept for the reconnect
        QVERIFY(!c.watchdogTimer()->isActive() && !c.pollTimer()->isActive());
        QVERIFY(linkLetGo());
        QTest::qWait(2 * pollMs);
        QCOMPARE(owner.reasons.size(), 1);

        // Back, with four more results.
        a.sim.addGenerated(4);
        a.sim.setSilent(false);
        a.clearLog();
        QVERIFY(c.open(portSettings(a.port())));
        QTRY_COMPARE_WITH_TIMEOUT(owner.stored.size(), 7, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(c.phase(), AnalyzerConversation::Phase::Polling, 3000);
        QCOMPARE(owner.stored, range(1, 7));
        QCOMPARE(a.served(), range(4, 7));
        QCOMPARE(storedRows(), expectedRows(a.sim.results(), kCdsim));
        QCOMPARE(owner.reasons.size(), 1);
    }

    // A hang-up in the middle of a transfer ends the conversation at once, not after the
    // reply time-out; the stored results stay, and a reconnect goes on from there.
    void hangUpMidTransferIsReportedAtOnce()
    {
        auto o = options(6);
        QVERIFY(o.faults.add(FaultPlan::Hangup, "rowid=3"));
        Analyzer a(o, 800);
        QVERIFY(a.ok);
        AnalyzerConversation c(PcComData::getInstance());
        c.setTimings(3000, 20000, 300);
        Owner owner(c);
        QVERIFY(c.open(portSettings(a.port())));
        QTRY_COMPARE_WITH_TIMEOUT(owner.reasons.size(), 1, 15000);
        QCOMPARE(owner.reasons.first(), Reason::PortFailed);
        QVERIFY(a.hangupAt >= 0);
        const qint64 took = owner.endedAt - a.hangupAt;
        QVERIFY2(took < 1000, qPrintable(QString::number(took)));
        QCOMPARE(owner.stored, range(1, 2));
        QVERIFY(!c.isOpen());
        QVERIFY(!c.watchdogTimer()->isActive() && !c.pollTimer()->isActive());
        QVERIFY(linkLetGo());

        // The line comes back behind the same name.
        QVERIFY(QTest::qWaitFor([&] { return PortScanner::canOpen(a.port()); }, 10000));
        a.clearLog();
        QVERIFY(c.open(portSettings(a.port())));
        QTRY_COMPARE_WITH_TIMEOUT(owner.stored.size(), 6, 15000);
        QCOMPARE(a.served(), range(3, 6));
        QCOMPARE(storedRows(), expectedRows(a.sim.results(), kCdsim));
        QCOMPARE(owner.reasons.size(), 1);
    }

    // A record lost on a live port is asked for again, without ending the conversation.
    void lostRecordIsAskedAgain()
    {
        auto o = options(5);
        QVERIFY(o.faults.add(FaultPlan::Drop, "rowid=2"));
        QVERIFY(o.faults.add(FaultPlan::Corrupt, "rowid=4"));
        Analyzer a(o);
        QVERIFY(a.ok);
        AnalyzerConversation c(PcComData::getInstance());
        c.setTimings(3000, 700, 300);
        Owner owner(c);
        QVERIFY(c.open(portSettings(a.port())));
        QTRY_COMPARE_WITH_TIMEOUT(owner.stored.size(), 5, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(c.phase(), AnalyzerConversation::Phase::Polling, 3000);
        QCOMPARE(owner.stored, range(1, 5));
        QCOMPARE(a.served(), QList<int>({1, 2, 2, 3, 4, 4, 5}));
        QCOMPARE(storedRows(), expectedRows(a.sim.results(), kCdsim));
        QVERIFY(owner.reasons.isEmpty());
        QVERIFY(c.isOpen());
    }

    // A port where nothing answers the machine-id command: "no analyzer", not "disconnected".
    void noAnalyzerAnswers()
    {
        auto o = options(2);
        QVERIFY(o.faults.add(FaultPlan::Drop, "ReMachineID"));
        Analyzer a(o);
        QVERIFY(a.ok);
        AnalyzerConversation c(PcComData::getInstance());
        c.setTimings(500, 5000, 300);
        Owner owner(c);
        QVERIFY(c.open(portSettings(a.port())));
        QTRY_COMPARE_WITH_TIMEOUT(owner.reasons.size(), 1, 5000);
        QCOMPARE(owner.reasons.first(), Reason::NoAnalyzer);
        QVERIFY(!c.isOpen());
        QVERIFY(linkLetGo());
        QVERIFY(!a.logged("ResultSize"));
        QVERIFY(owner.stored.isEmpty());
    }

    // Replies and ticks that come when no conversation runs change nothing.
    void repliesOutsideAConversationAreIgnored()
    {
        AnalyzerConversation c(PcComData::getInstance());
        Owner owner(c);
        c.handleMachineId(QStringLiteral("LATE01"));
        QVERIFY(c.machineId().isEmpty());
        c.handleResultSize(4);
        QCOMPARE(c.resultTotal(), 0);
        c.handleRecord(QJsonObject{{"rowid", 1}, {"chkdatetime", "2024-05-02 08:00:00"}, {"patientinfo", "{}"},
                                   {"testresults", "[]"}});
        c.poll();
        c.watchdogExpired();
        c.handlePortError(QStringLiteral("late"));
        QVERIFY(!c.watchdogTimer()->isActive() && !c.pollTimer()->isActive());
        QVERIFY(storedRows().isEmpty());
        QVERIFY(owner.reasons.isEmpty());
    }

    // The port list changes only when its ports change, and the chosen port comes back.
    void portListKeepsItsEntriesAndChoice()
    {
        PortChoice choice;
        const QStringList ports{"/tmp/ttyCDSIM0", "ttyUSB0", "ttyS0"};
        PortChoice::Refill r = choice.refill({}, QString(), ports);
        QVERIFY(r.changed);
        QCOMPARE(r.ports, ports);
        QCOMPARE(r.current, 0);

        // The same ports, even in another order: nothing to do, the selection stays.
        r = choice.refill(ports, "ttyUSB0", ports);
        QVERIFY(!r.changed);
        QCOMPARE(r.current, 1);
        r = choice.refill(ports, "ttyUSB0", {"ttyS0", "ttyUSB0", "/tmp/ttyCDSIM0"});
        QVERIFY(!r.changed);
        QCOMPARE(r.ports, ports);

        // A new port: the selection stays where it was.
        r = choice.refill(ports, "ttyUSB0", QStringList(ports) << "ttyUSB1");
        QVERIFY(r.changed);
        QCOMPARE(r.ports.at(r.current), QStringLiteral("ttyUSB0"));

        // The chosen simulator goes away while it restarts and comes back: chosen again.
        choice.choose("/tmp/ttyCDSIM0");
        r = choice.refill(ports, "/tmp/ttyCDSIM0", {"ttyUSB0", "ttyS0"});
        QVERIFY(r.changed);
        QCOMPARE(r.current, 0);
        r = choice.refill(r.ports, r.ports.at(r.current), ports);
        QVERIFY(r.changed);
        QCOMPARE(r.ports.at(r.current), QStringLiteral("/tmp/ttyCDSIM0"));

        // Every port gone.
        r = choice.refill(ports, "ttyS0", {});
        QVERIFY(r.changed);
        QCOMPARE(r.current, -1);
    }

    // A real scan lists a simulator before the system's ports, and repeated scans change
    // nothing while no port comes or goes.
    void scansOfUnchangedPortsChangeNothing()
    {
        AnalyzerSimulator sim(options(1));
        SimPty pty(sim);
        QString err;
        QVERIFY2(pty.open(QString(), &err), qPrintable(err)); // a listed /tmp/ttyCDSIM<k>
        pty.start();
        const QStringList first = PortScanner::openablePorts();
        QVERIFY(first.contains(pty.linkPath()));
        for (int i = 0; i < first.indexOf(pty.linkPath()); ++i)
            QVERIFY2(first.at(i).startsWith(QLatin1String("/tmp/")), qPrintable(first.join(' ')));

        PortChoice choice;
        PortChoice::Refill r = choice.refill({}, QString(), first);
        QStringList shown = r.ports;
        const QString current = pty.linkPath();
        int unchanged = 0;
        for (int scan = 0; scan < 10 && unchanged < 3; ++scan) {
            r = choice.refill(shown, current, PortScanner::openablePorts());
            if (r.changed) { // another simulator on this machine came or went meanwhile
                shown = r.ports;
                continue;
            }
            ++unchanged;
            QCOMPARE(r.ports, shown);
            QCOMPARE(r.ports.at(r.current), current);
        }
        QCOMPARE(unchanged, 3);
        pty.stop();
        pty.close();
        QVERIFY(!PortScanner::openablePorts().contains(current));
    }
};

QTEST_GUILESS_MAIN(tst_analyzerconversation)
#include "tst_analyzerconversation.moc"
