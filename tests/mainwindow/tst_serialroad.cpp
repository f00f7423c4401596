// The serial road through the main window against the analyzer simulator on a pseudo-terminal.
#include "Index.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "TestSupport.h"
#include "ui_Index.h"

#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {
const QString kMachine = QStringLiteral("CDSIM0001");

QList<int> range(int from, int to)
{
    QList<int> r;
    for (int i = from; i <= to; ++i)
        r << i;
    return r;
}

// Fast polling; the analyzer answers within a few reading passes.
void speedUp(Index& w)
{
    w.m_resultSizeInterval = 400;
    w.m_replyInterval = 1500;
}

bool waitStored(int n, int timeoutMs = 20000)
{
    return QTest::qWaitFor([&] { return storedCount(kMachine) >= n; }, timeoutMs);
}

void disconnectFrom(Index& w)
{
    QTest::mouseClick(w.form()->okButton, Qt::LeftButton);
    // The reading thread closes the port within one pass.
    (void)QTest::qWaitFor([] { return !PcComData::getInstance()->isPortInUse(); }, 2000);
}
}

class tst_serialroad : public QObject
{
    Q_OBJECT
private slots:
    void init() { PcComData::getInstance()->stopScanPort(); }
    void cleanup()
    {
        PcComData::getInstance()->stopComm();
        (void)QTest::qWaitFor([] { return !PcComData::getInstance()->isPortInUse(); }, 2000);
    }

    // Every result is stored once, in order, QC runs apart; a reconnect and a restart fetch
    // only what is new.
    void transferReconnectAndRestart()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;

        SimProcess sim;
        QVERIFY(sim.start({"--count", "9", "--seed", "5", "--write", dir.file("s1.json")}));
        const QJsonArray served9 = readJsonArray(dir.file("s1.json"));
        QCOMPARE(served9.size(), 9);

        auto* w = new Index;
        speedUp(*w);
        connectTo(*w, sim.port());
        QVERIFY(w->m_isPortOpen);
        QCOMPARE(w->form()->okButton->text(), QStringLiteral("断开连接"));
        QVERIFY(w->form()->dataButton->isHidden());
        QCOMPARE(w->form()->modelabel->text(), QStringLiteral("当前获取数据模式为 串口模式..."));
        QVERIFY(waitStored(9));
        QCOMPARE(w->m_machineId, kMachine);
        QTRY_VERIFY_WITH_TIMEOUT(w->m_resultSizeTimer->isActive(), 3000);
        QCOMPARE(storedRows(), expectedRows(served9));
        if (sim.servedRowids() != range(1, 9))
            qWarning() << sim.log();
        QCOMPARE(sim.servedRowids(), range(1, 9));

        // The list shows the sample runs, newest first.
        const QStringList expected = expectedRows(served9).filter(QStringLiteral("S|"));
        QTableView* table = w->form()->tableWidget;
        auto text = [table](int row, int column) { return table->model()->index(row, column).data().toString(); };
        QCOMPARE(table->model()->rowCount(), expected.size());
        QVERIFY(expected.size() >= 2 && expected.size() < 9);
        QCOMPARE("S|" + QDateTime::fromString(text(0, 8), "yyyy-MM-dd hh:mm:ss").toString(Qt::ISODate) + "|" + text(0, 3),
                 expected.last());
        for (int row = 1; row < table->model()->rowCount(); ++row)
            QVERIFY(text(row - 1, 8) > text(row, 8));
        QCOMPARE(text(0, 9), kMachine);
        // CHEMDESK_SHOT=<file.png> keeps a picture of the connected window.
        if (qEnvironmentVariableIsSet("CHEMDESK_SHOT")) {
            w->setWindowState(Qt::WindowNoState);
            w->resize(1411, 825);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            table->selectRow(0);
            w->grab().save(qEnvironmentVariable("CHEMDESK_SHOT"));
        }

        disconnectFrom(*w);
        QVERIFY(!w->m_isPortOpen);
        QVERIFY(w->m_machineId.isEmpty());
        QCOMPARE(w->form()->okButton->text(), QStringLiteral("串口连接"));
        QVERIFY(!w->form()->dataButton->isHidden());
        QVERIFY(!w->m_resultSizeTimer->isActive() && !w->m_cmdTimer->isActive());
        sim.stop();

        // The analyzer now holds four more: only those are fetched.
        SimProcess sim2;
        QVERIFY(sim2.start({"--count", "13", "--seed", "5", "--write", dir.file("s2.json")}));
        const QJsonArray served13 = readJsonArray(dir.file("s2.json"));
        connectTo(*w, sim2.port());
        QVERIFY(waitStored(13));
        QTRY_VERIFY_WITH_TIMEOUT(w->m_resultSizeTimer->isActive(), 3000);
        QCOMPARE(sim2.servedRowids(), range(10, 13));
        QCOMPARE(storedRows(), expectedRows(served13));
        disconnectFrom(*w);
        sim2.stop();

        // A new start of the program on the same database resumes at the next result.
        delete w;
        SimProcess sim3;
        QVERIFY(sim3.start({"--count", "15", "--seed", "5", "--write", dir.file("s3.json")}));
        Index w2;
        speedUp(w2);
        QCOMPARE(w2.form()->tableWidget->model()->rowCount(), expectedRows(served13).filter("S|").size());
        connectTo(w2, sim3.port());
        QVERIFY(waitStored(15));
        QTRY_VERIFY_WITH_TIMEOUT(w2.m_resultSizeTimer->isActive(), 3000);
        QCOMPARE(sim3.servedRowids(), range(14, 15));
        QCOMPARE(storedRows(), expectedRows(readJsonArray(dir.file("s3.json"))));
        disconnectFrom(w2);
        QVERIFY(boxes.texts.isEmpty());
    }

    // Lost replies: the watchdog closes the link and warns; a reconnect completes the transfer.
    void watchdogClosesLinkAndReconnectCompletes()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        SimProcess sim;
        // Result 3 is lost three times running: the first ask and both asks again.
        QVERIFY(sim.start({"--count", "6", "--seed", "8", "--write", dir.file("s.json"),
                           "--drop", "ReResultQuery@3", "--drop", "ReResultQuery@4", "--drop", "ReResultQuery@5"}));
        Index w;
        speedUp(w);
        w.m_replyInterval = 700;
        connectTo(w, sim.port());
        QTRY_VERIFY_WITH_TIMEOUT(!w.m_isPortOpen, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 1, 3000);
        QVERIFY(boxes.texts.first().contains(QStringLiteral("串口已断开连接,请重新连接！")));
        QCOMPARE(w.form()->okButton->text(), QStringLiteral("重新连接"));
        QCOMPARE(w.m_machineId, kMachine); // kept by the watchdog
        QVERIFY(!w.m_cmdTimer->isActive() && !w.m_resultSizeTimer->isActive());
        QVERIFY(!w.form()->dataButton->isHidden());
        QCOMPARE(storedCount(kMachine), 2);
        QTest::qWait(300);
        QCOMPARE(boxes.texts.size(), 1); // no second warning from a late tick

        QVERIFY(QTest::qWaitFor([] { return !PcComData::getInstance()->isPortInUse(); }, 2000));
        connectTo(w, sim.port());
        QVERIFY(waitStored(6));
        QTRY_VERIFY_WITH_TIMEOUT(w.m_resultSizeTimer->isActive(), 3000);
        QCOMPARE(storedRows(), expectedRows(readJsonArray(dir.file("s.json"))));
        QCOMPARE(boxes.texts.size(), 1);
        disconnectFrom(w);
    }

    // A frame spoilt in the middle of a transfer is asked for again, without a warning.
    void corruptedFrameIsAskedAgain()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        SimProcess sim;
        QVERIFY(sim.start({"--count", "6", "--seed", "9", "--write", dir.file("s.json"), "--corrupt", "rowid=4",
                           "--split", "rowid=2"}));
        Index w;
        speedUp(w);
        w.m_replyInterval = 800;
        connectTo(w, sim.port());
        QVERIFY(waitStored(6));
        QTRY_VERIFY_WITH_TIMEOUT(w.m_resultSizeTimer->isActive(), 3000);
        QVERIFY(w.m_isPortOpen);
        QCOMPARE(storedRows(), expectedRows(readJsonArray(dir.file("s.json"))));
        QVERIFY(boxes.texts.isEmpty());
        disconnectFrom(w);
    }

    // A result that fails to store is not counted: it is asked for again, and nothing doubles.
    void failedStoreIsAskedAgain()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        QSqlQuery q;
        QVERIFY(q.exec("CREATE TABLE failonce(n)"));
        QVERIFY(q.exec("INSERT INTO failonce VALUES(1)"));
        QVERIFY(q.exec("CREATE TRIGGER failsecond BEFORE INSERT ON PanelChkResult "
                       "WHEN (SELECT n FROM failonce) = 1 AND (SELECT count(*) FROM PanelChkResult) = 1 "
                       "BEGIN UPDATE failonce SET n = 0; SELECT RAISE(FAIL, 'disk full'); END"));
        SimProcess sim;
        QVERIFY(sim.start({"--count", "5", "--seed", "12", "--write", dir.file("s.json")}));
        Index w;
        speedUp(w);
        connectTo(w, sim.port());
        QVERIFY(waitStored(5));
        QTRY_VERIFY_WITH_TIMEOUT(w.m_resultSizeTimer->isActive(), 3000);
        QSqlQuery check("SELECT n FROM failonce");
        QVERIFY(check.next());
        QCOMPARE(check.value(0).toInt(), 0); // the fault did strike
        QCOMPARE(storedRows(), expectedRows(readJsonArray(dir.file("s.json"))));
        QVERIFY(boxes.texts.isEmpty());
        disconnectFrom(w);
    }

    // Signals and ticks that arrive after the link was closed change nothing.
    void lateSignalsAfterCloseAreIgnored()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        Index w;
        QVERIFY(!w.m_isPortOpen);
        w.receivemachineid(QStringLiteral("LATE01"));
        QVERIFY(w.m_machineId.isEmpty());
        QVERIFY(!w.m_resultSizeTimer->isActive());

        w.m_resultSizeTimer->start(100000);
        w.ResultSizeHandleTimeout();
        QVERIFY(!w.m_resultSizeTimer->isActive());
        QVERIFY(!w.m_cmdTimer->isActive());

        w.m_cmdTimer->start(100000);
        w.CmdHandleTimeout();
        QVERIFY(!w.m_cmdTimer->isActive());
        QTest::qWait(150);
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(w.form()->okButton->text(), QStringLiteral("串口连接"));

        w.receiveresultSize(4);
        QCOMPARE(w.m_resultTotal, 0);
        QJsonObject record{{"rowid", 1}, {"machineid", "LATE01"}, {"chkdatetime", "2024-05-02 08:00:00"},
                           {"patientinfo", "{}"}, {"testresults", "[]"}};
        w.receiveresultQuery(record);
        QCOMPARE(storedCount(QStringLiteral("LATE01")), 0);
        QCOMPARE(storedCount(QString()), 0);
    }

    // Connect with no port listed: the warning, but the serial mode and its database are set.
    void connectWithoutPortWarns()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        {
            QSettings mode(QStringLiteral("./saveFile/database.ini"), QSettings::IniFormat);
            mode.setValue(QStringLiteral("systemCfg/get"), 3);
        }
        MessageBoxCloser boxes;
        Index w;
        w.form()->cmbPortName->clear();
        QTest::mouseClick(w.form()->okButton, Qt::LeftButton);
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().contains(QStringLiteral("没有可用串口，请重新尝试扫描串口！")));
        QVERIFY(!w.m_isPortOpen);
        QSettings mode(QStringLiteral("./saveFile/database.ini"), QSettings::IniFormat);
        QCOMPARE(mode.value(QStringLiteral("systemCfg/get")).toInt(), 2);
        QVERIFY(QSqlDatabase::database().databaseName().endsWith(QLatin1String("database.db2")));
        QCOMPARE(w.form()->modelabel->text(), QStringLiteral("当前获取数据模式为 串口模式..."));
    }
};

QTEST_MAIN(tst_serialroad)
#include "tst_serialroad.moc"
