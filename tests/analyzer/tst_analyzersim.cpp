#include <QtTest>

#include "AnalyzerSimulator.h"
#include "FaultPlan.h"
#include "FrameCodec.h"
#include "PortScanner.h"
#include "ResultGenerator.h"
#include "SimPty.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <atomic>
#include <fcntl.h>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {
QByteArray cmd(const QByteArray& json) { return FrameCodec::encode(json); }

// The replies the simulator would put on the line, unframed, plus what else it would do.
struct Outcome
{
    QList<QByteArray> payloads;
    QStringList steps; // "write", "pause 300", "hangup"
    QByteArray bytes;  // everything written
};

Outcome run(AnalyzerSimulator& sim, const QByteArray& bytes)
{
    Outcome o;
    FrameCodec d;
    for (const SimAction& a : sim.receive(bytes)) {
        if (a.type == SimAction::Write) {
            o.steps << "write";
            o.bytes += a.bytes;
            o.payloads += d.decode(a.bytes);
        } else if (a.type == SimAction::Pause) {
            o.steps << QString("pause %1").arg(a.ms);
        } else {
            o.steps << "hangup";
        }
    }
    return o;
}

QJsonObject json(const QByteArray& payload) { return QJsonDocument::fromJson(payload).object(); }

const QByteArray kQuery1to3 = R"({"CMD":"ResultQuery","MachineID":"CDSIM0001","StartID":1,"EndID":3})";

QString lockOf(const QString& link)
{
    const QFileInfo fi(link);
    return fi.absolutePath() + "/." + fi.fileName() + ".lock";
}

// Starts the simulator program and reads its port line.
QString startProgram(QProcess& p, const QStringList& args)
{
    p.start(buildDir() + "/tools/analyzer-sim/analyzer-sim", QStringList(args) << "--quiet" << "--exit-with-parent");
    if (!p.waitForStarted(10000))
        return QString();
    QString port;
    (void)QTest::qWaitFor([&] {
        while (p.canReadLine()) {
            const QString line = QString::fromLocal8Bit(p.readLine()).trimmed();
            if (line.startsWith("port: "))
                port = line.mid(6);
        }
        return !port.isEmpty() || p.state() == QProcess::NotRunning;
    }, 15000);
    return port;
}

bool stopProgram(QProcess& p)
{
    p.terminate();
    return p.waitForFinished(10000) && p.exitCode() == 0;
}
} // namespace

class tst_analyzersim : public QObject
{
    Q_OBJECT
private slots:
    void generatesRealisticResults()
    {
        QSet<QString> codes;
        int qc = 0, flagged = 0;
        for (int i = 1; i <= 70; ++i) {
            const QJsonObject r = ResultGenerator::make(7, i, i, "M1");
            for (const char* k : {"rowid", "KBWay", "chkdatetime", "errcode", "machineid", "panelid", "panelindex",
                                  "panellot", "patientinfo", "softversion", "summary", "testresults", "zipname"})
                QVERIFY2(r.contains(k), k);
            QCOMPARE(r.value("rowid").toInt(), i);
            QVERIFY(QDateTime::fromString(r.value("chkdatetime").toString(), "yyyy-MM-dd hh:mm:ss").isValid());
            const QJsonObject p = QJsonDocument::fromJson(r.value("patientinfo").toString().toUtf8()).object();
            QVERIFY(!p.isEmpty());
            for (const char* k : {"name", "age", "division", "sex", "id", "number"})
                QVERIFY2(p.value(k).isString(), k);
            const bool isQc = p.value("Qc").toBool();
            QCOMPARE(isQc, r.value("summary").toString().contains("(zk)"));
            QCOMPARE(isQc, ResultGenerator::isQcIndex(i));
            if (isQc) {
                ++qc;
                QVERIFY(!p.value("QcLot").toString().isEmpty());
            } else {
                bool ok = false;
                QVERIFY(p.value("age").toString().toInt(&ok) > 0 && ok);
                QVERIFY(p.value("division").toString().toInt() <= 5);
            }
            if (r.value("errcode").toInt() & 7)
                ++flagged;
            const QJsonArray tr = QJsonDocument::fromJson(r.value("testresults").toString().toUtf8()).array();
            QVERIFY(tr.size() >= 5);
            // The analyzer's panel numbers: 1 comprehensive, 2 liver, 3 kidney (as the word table).
            const int panel = r.value("panelid").toInt();
            QCOMPARE(tr.size(), panel == 1 ? 13 : panel == 2 ? 8 : panel == 3 ? 5 : -1);
            for (const QJsonValue& v : tr) {
                const QJsonArray i6 = v.toObject().value("I").toArray();
                QCOMPARE(i6.size(), 6);
                QVERIFY(i6.at(1).toDouble() < i6.at(2).toDouble());
                QVERIFY(i6.at(0).toDouble() >= 0);
                codes << v.toObject().value("N").toString();
                const QString unit = i6.at(5).toString();
                const QString n = v.toObject().value("N").toString();
                if (n == "TP" || n == "ALB" || n == "GLOB") QCOMPARE(unit, QString("g/L"));
                if (n == "ALT" || n == "GGT") QCOMPARE(unit, QString("U/L"));
                if (n == "GLU" || n == "BUN" || n == "Ca") QCOMPARE(unit, QString("mmol/L"));
                if (n == "CRE" || n == "TBIL") QCOMPARE(unit, QString::fromUtf8("μmol/L"));
            }
        }
        QCOMPARE(qc, 10);
        QVERIFY(flagged > 0);
        QCOMPARE(codes.size(), 13);
        // Same seed and position, same result; another seed, another result.
        QCOMPARE(ResultGenerator::make(7, 5, 5, "M1"), ResultGenerator::make(7, 5, 5, "M1"));
        QVERIFY(ResultGenerator::make(7, 5, 5, "M1") != ResultGenerator::make(8, 5, 5, "M1"));
    }

    void parsesFaultSelectors()
    {
        FaultPlan f;
        QVERIFY(f.add(FaultPlan::Drop, "ReResultQuery@2"));
        QVERIFY(f.add(FaultPlan::Corrupt, "rowid=5"));
        QVERIFY(f.add(FaultPlan::Delay, "700:ReMachineID"));
        QVERIFY(f.add(FaultPlan::Split, "@1"));
        QVERIFY(!f.add(FaultPlan::Drop, ""));
        QVERIFY(!f.add(FaultPlan::Drop, "bogus"));
        QVERIFY(!f.add(FaultPlan::Drop, "ReResultQuery@x"));
        QVERIFY(!f.add(FaultPlan::Delay, "soon"));

        auto kinds = [](const QVector<FaultPlan::Rule>& rules) {
            QStringList s;
            for (const auto& r : rules)
                s << FaultPlan::kindName(r.kind) + (r.kind == FaultPlan::Delay ? QString::number(r.delayMs) : QString());
            return s;
        };
        QCOMPARE(kinds(f.take("ReMachineID", 1, 1, 0)), QStringList({"delay700", "split"}));
        QCOMPARE(kinds(f.take("ReMachineID", 2, 2, 0)), QStringList({"delay700"})); // @1 struck once
        QCOMPARE(kinds(f.take("ReResultQuery", 1, 3, 4)), QStringList());
        QCOMPARE(kinds(f.take("ReResultQuery", 2, 4, 5)), QStringList({"drop", "corrupt"}));
        QCOMPARE(kinds(f.take("ReResultQuery", 3, 5, 5)), QStringList()); // both struck once
    }

    void answersTheConversation()
    {
        AnalyzerSimulator::Options o;
        o.count = 3;
        AnalyzerSimulator sim(o);
        Outcome r = run(sim, cmd(R"({"CMD":"MachineID"})"));
        QCOMPARE(r.payloads.size(), 1);
        QCOMPARE(json(r.payloads[0]).value("CMD").toString(), QString("ReMachineID"));
        QCOMPARE(json(r.payloads[0]).value("MachineID").toString(), QString("CDSIM0001"));

        r = run(sim, cmd(R"({"CMD":"ResultSize","MachineID":"CDSIM0001"})"));
        QCOMPARE(json(r.payloads.value(0)).value("ResultSize").toInt(), 3);

        // A command split over reads is answered once it is whole.
        const QByteArray q = cmd(kQuery1to3);
        QVERIFY(run(sim, q.left(9)).payloads.isEmpty());
        r = run(sim, q.mid(9));
        QCOMPARE(r.payloads.size(), 1);
        QJsonObject m = json(r.payloads[0]);
        QCOMPARE(m.value("CMD").toString(), QString("ReResultQuery"));
        QCOMPARE(m.value("Result").toObject().value("rowid").toInt(), 1);

        for (int next : {2, 3}) {
            r = run(sim, cmd("**AA##"));
            QCOMPARE(json(r.payloads.value(0)).value("Result").toObject().value("rowid").toInt(), next);
        }
        QVERIFY(run(sim, cmd("**AA##")).payloads.isEmpty()); // range done

        // Another machine's commands, ranges outside 1..N and unknown commands get no answer.
        QVERIFY(run(sim, cmd(R"({"CMD":"ResultSize","MachineID":"OTHER"})")).payloads.isEmpty());
        QVERIFY(run(sim, cmd(R"({"CMD":"ResultQuery","StartID":4,"EndID":9})")).payloads.isEmpty());
        QVERIFY(run(sim, cmd(R"({"CMD":"ResultQuery","StartID":0})")).payloads.isEmpty());
        QVERIFY(run(sim, cmd(R"({"CMD":"Reboot"})")).payloads.isEmpty());
        // A range asked beyond N is cut at N.
        r = run(sim, cmd(R"({"CMD":"ResultQuery","StartID":3,"EndID":50})"));
        QCOMPARE(json(r.payloads.value(0)).value("Result").toObject().value("rowid").toInt(), 3);
        QVERIFY(run(sim, cmd("**AA##")).payloads.isEmpty());
    }

    void injectsFaults()
    {
        AnalyzerSimulator::Options o;
        o.count = 4;
        o.splitPauseMs = 120;
        QVERIFY(o.faults.add(FaultPlan::Drop, "ReResultQuery@2"));
        QVERIFY(o.faults.add(FaultPlan::Corrupt, "rowid=3"));
        QVERIFY(o.faults.add(FaultPlan::Split, "ReMachineID"));
        QVERIFY(o.faults.add(FaultPlan::Noise, "ReResultSize"));
        QVERIFY(o.faults.add(FaultPlan::Delay, "250:rowid=4"));
        QVERIFY(o.faults.add(FaultPlan::Hangup, "ReResultSize@2"));
        AnalyzerSimulator sim(o);

        Outcome r = run(sim, cmd(R"({"CMD":"MachineID"})"));
        QCOMPARE(r.steps, QStringList({"write", "pause 120", "write", "pause 120", "write"}));
        QCOMPARE(r.payloads.size(), 1);

        r = run(sim, cmd(R"({"CMD":"ResultSize"})"));
        QCOMPARE(r.payloads.size(), 1); // noise in front, decodable
        QVERIFY(!r.bytes.startsWith(char(0xAD)));

        r = run(sim, cmd(R"({"CMD":"ResultQuery","StartID":1,"EndID":4})"));
        QCOMPARE(r.payloads.size(), 1);
        r = run(sim, cmd("**AA##")); // record 2: dropped
        QVERIFY(r.steps.isEmpty());
        r = run(sim, cmd("**AA##")); // record 3: bad check byte
        QCOMPARE(r.steps, QStringList({"write"}));
        QVERIFY(r.payloads.isEmpty());
        r = run(sim, cmd("**AA##")); // record 4: delayed
        QCOMPARE(r.steps, QStringList({"pause 250", "write"}));
        QCOMPARE(json(r.payloads.value(0)).value("Result").toObject().value("rowid").toInt(), 4);

        r = run(sim, cmd(R"({"CMD":"ResultSize"})"));
        QCOMPARE(r.steps, QStringList({"hangup"}));

        // Retrying after the faults gets every record whole.
        for (int id = 2; id <= 3; ++id) {
            r = run(sim, cmd(QString(R"({"CMD":"ResultQuery","StartID":%1,"EndID":4})").arg(id).toUtf8()));
            QCOMPARE(json(r.payloads.value(0)).value("Result").toObject().value("rowid").toInt(), id);
        }
    }

    // Simulators started at the same moment, in this process and as programs, each get a
    // name of their own among /tmp/ttyCDSIM<k>, and give it back when they end.
    void simultaneousSimulatorsGetDistinctNames()
    {
        const int n = 6;
        AnalyzerSimulator::Options o;
        o.count = 1;
        std::vector<std::unique_ptr<AnalyzerSimulator>> sims;
        std::vector<std::unique_ptr<SimPty>> ptys;
        for (int i = 0; i < n; ++i) {
            sims.emplace_back(new AnalyzerSimulator(o));
            ptys.emplace_back(new SimPty(*sims.back()));
        }
        QProcess progs[2];
        for (QProcess& p : progs)
            p.start(buildDir() + "/tools/analyzer-sim/analyzer-sim", {"--quiet", "--exit-with-parent"});
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        bool ok[n] = {};
        for (int i = 0; i < n; ++i)
            threads.emplace_back([&, i] {
                while (!go.load())
                    std::this_thread::yield();
                ok[i] = ptys[i]->open();
            });
        go = true;
        for (auto& t : threads)
            t.join();

        QSet<QString> names;
        for (int i = 0; i < n; ++i) {
            QVERIFY(ok[i]);
            const QString link = ptys[i]->linkPath();
            QVERIFY2(link.startsWith(QString("/tmp/%1").arg(PortScanner::SimLinkPrefix)), qPrintable(link));
            QCOMPARE(QFileInfo(link).symLinkTarget(), ptys[i]->slavePath());
            names << link;
        }
        for (QProcess& p : progs) {
            QString port;
            QVERIFY(QTest::qWaitFor([&] {
                while (p.canReadLine()) {
                    const QString line = QString::fromLocal8Bit(p.readLine()).trimmed();
                    if (line.startsWith("port: "))
                        port = line.mid(6);
                }
                return !port.isEmpty();
            }, 15000));
            names << port;
        }
        QCOMPARE(names.size(), n + 2);

        for (int i = 0; i < n; ++i) {
            const QString link = ptys[i]->linkPath();
            ptys[i]->close();
            QVERIFY(!QFileInfo(link).isSymLink());
            QVERIFY(!QFile::exists(lockOf(link)));
        }
        for (QProcess& p : progs)
            QVERIFY(stopProgram(p));
    }

    // What a killed simulator leaves (a link, perhaps to a device number that another line has
    // taken since, and a lock file nobody holds) never stands in a later simulator's way.
    void leftoversOfKilledSimulatorsAreTakenOver()
    {
        TempWorkDir dir;
        QProcess killed;
        const QString link = startProgram(killed, {"--link", dir.file("ttySIM")});
        QCOMPARE(link, dir.file("ttySIM"));
        killed.kill();
        QVERIFY(killed.waitForFinished(10000));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(QFile::exists(lockOf(link)));

        AnalyzerSimulator::Options o;
        o.count = 1;
        AnalyzerSimulator sim(o);
        SimPty pty(sim);
        QString err;
        QVERIFY2(pty.open(link, &err), qPrintable(err));
        QCOMPARE(QFileInfo(link).symLinkTarget(), pty.slavePath());
        pty.close();

        // In /tmp the next simulator clears them away: a link beside a free lock file even when
        // its device exists, and a link that points nowhere; a link without a lock file that
        // leads to a device may be a running simulator of an older build and stays.
        const QString stem = QString("/tmp/%1-left%2-").arg(PortScanner::SimLinkPrefix).arg(QCoreApplication::applicationPid());
        const QString reused = stem + "reused", gone = stem + "gone", older = stem + "older";
        QVERIFY(QFile::link("/dev/null", reused));
        QFile lock(lockOf(reused));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        QVERIFY(QFile::link("/dev/pts/ttyCDSIM-no-such", gone));
        QVERIFY(QFile::link("/dev/null", older));
        SimPty next(sim);
        QVERIFY(next.open());
        QVERIFY(!QFileInfo(reused).isSymLink());
        QVERIFY(!QFile::exists(lockOf(reused)));
        QVERIFY(!QFileInfo(gone).isSymLink());
        QVERIFY(QFileInfo(older).isSymLink());
        QVERIFY(next.linkPath() != older);
        QFile::remove(older);
    }

    // A name that a running simulator holds is not taken, not even while its line is down
    // after a hang-up; the line then comes back behind the same name.
    void aHeldNameIsNotTakenOver()
    {
        AnalyzerSimulator::Options o;
        o.count = 1;
        QVERIFY(o.faults.add(FaultPlan::Hangup, "ReMachineID@1"));
        AnalyzerSimulator sim(o);
        SimPty held(sim);
        const QString link = QString("/tmp/%1-held%2").arg(PortScanner::SimLinkPrefix).arg(QCoreApplication::applicationPid());
        QVERIFY(held.open(link));
        const QString firstSlave = held.slavePath();

        AnalyzerSimulator other(AnalyzerSimulator::Options{});
        SimPty rival(other);
        QString err;
        QVERIFY(!rival.open(link, &err));
        QVERIFY2(err.contains("held"), qPrintable(err));
        QCOMPARE(QFileInfo(link).symLinkTarget(), firstSlave);

        held.start(1500);
        {
            const int fd = ::open(QFile::encodeName(link).constData(), O_RDWR | O_NOCTTY);
            QVERIFY(fd >= 0);
            const QByteArray f = FrameCodec::encode(R"({"CMD":"MachineID"})");
            QCOMPARE(int(::write(fd, f.constData(), size_t(f.size()))), f.size());
            ::close(fd);
        }
        QVERIFY(QTest::qWaitFor([&] { return held.hangups() == 1; }, 10000));
        QVERIFY(!QFileInfo(link).isSymLink()); // the line is down, and its name with it
        QVERIFY(!rival.open(link, &err));
        QVERIFY(rival.open());
        QVERIFY(rival.linkPath() != link);
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo(link).isSymLink(); }, 10000)); // the line is back
        held.stop();
        QCOMPARE(QFileInfo(link).symLinkTarget(), held.slavePath());
        held.close();
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void servesAndRereadsAResultsFile()
    {
        TempWorkDir dir;
        const QString file = dir.file("results.json");
        QVERIFY(QFile::copy(testDataDir() + "/analyzer/results-two.json", file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);

        AnalyzerSimulator::Options o;
        o.count = 2;
        o.resultsFile = file;
        AnalyzerSimulator sim(o);
        QCOMPARE(sim.resultCount(), 4);
        // File results first, numbered by position; generated results follow.
        QCOMPARE(sim.result(1).value("rowid").toInt(), 1);
        QCOMPARE(sim.result(1).value("errcode").toInt(), 5);
        QCOMPARE(sim.result(2).value("machineid").toString(), QString("CDSIM0001"));
        QVERIFY(sim.result(2).value("summary").toString().contains("(zk)"));
        QCOMPARE(sim.result(3), ResultGenerator::make(1, 1, 3, "CDSIM0001"));
        QVERIFY(sim.result(5).isEmpty());

        // A record appended to the file while running is served at the next command.
        QJsonArray arr = QJsonDocument::fromJson([&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }()).array();
        QJsonObject extra = arr.at(0).toObject();
        extra.insert("zipname", "extra.zip");
        arr.append(extra);
        QTest::qWait(20);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QJsonDocument(arr).toJson());
        }
        Outcome r = run(sim, cmd(R"({"CMD":"ResultSize"})"));
        QCOMPARE(json(r.payloads.value(0)).value("ResultSize").toInt(), 5);
        QCOMPARE(sim.result(3).value("zipname").toString(), QString("extra.zip"));

        // A half-written file keeps the results that were there.
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("[{\"rowid\":");
        }
        QCOMPARE(sim.resultCount(), 5);

        sim.addGenerated(3);
        QCOMPARE(sim.resultCount(), 8);
        QCOMPARE(sim.results().size(), 8);
    }
};

QTEST_GUILESS_MAIN(tst_analyzersim)
#include "tst_analyzersim.moc"
