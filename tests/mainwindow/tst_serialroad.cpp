// The serial road through the main window against the analyzer simulator on a pseudo-terminal.
#include "Index.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "ui_Index.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <csignal>

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

const QString kDisconnected = QStringLiteral("串口已断开连接,请重新连接！");
const QString kNoAnalyzer = QStringLiteral("所选串口上没有分析仪应答，请检查分析仪和串口后重新连接！");

// The port scanner fills the port list by itself; tests that feed the list stop it first.
void stopScanner()
{
    PcComData::getInstance()->stopScanPort();
    (void)QTest::qWaitFor([] { return !PcComData::getInstance()->isScanning(); }, 5000);
    QCoreApplication::sendPostedEvents();
}

// Whether the box shows this entry whole in its text field.
bool textFits(QComboBox* box, const QString& text)
{
    QStyleOptionComboBox opt;
    opt.initFrom(box);
    opt.currentText = text;
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, box);
    return field.width() >= box->fontMetrics().horizontalAdvance(text);
}

QStringList items(QComboBox* box)
{
    QStringList l;
    for (int i = 0; i < box->count(); ++i)
        l << box->itemText(i);
    return l;
}

// Whether the connect button reads `text` in English and again in Chinese after switching back.
// The program is in Chinese again whatever the outcome, so a failure stays in its own case.
bool linkButtonFollowsLanguage(Index& w, const char* text)
{
    const bool english = setLanguage(QStringLiteral("English"));
    QApplication::processEvents();
    const QString expected = QCoreApplication::translate("Index", text);
    const QString inEnglish = w.form()->okButton->text();
    const bool chinese = setLanguage(QStringLiteral("Chinese"));
    QApplication::processEvents();
    const QString inChinese = w.form()->okButton->text();
    const bool ok = english && chinese && expected != QString::fromUtf8(text) && inEnglish == expected
                    && inChinese == QString::fromUtf8(text);
    if (!ok)
        qWarning() << "connect button in English" << inEnglish << "expected" << expected << "; in Chinese" << inChinese;
    return ok;
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
        if (getLanguage() != QLatin1String("Chinese"))
            setLanguage(QStringLiteral("Chinese"));
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

        // Closed by the case's end also when a check fails, so that it cannot act in later cases.
        QScopedPointer<Index> w(new Index);
        speedUp(*w);
        connectTo(*w, sim.port());
        QVERIFY(w->m_isPortOpen);
        QCOMPARE(w->form()->okButton->text(), QStringLiteral("断开连接"));
        // A language switch keeps the button on the open link's state.
        QVERIFY(linkButtonFollowsLanguage(*w, "断开连接"));
        QVERIFY(w->m_isPortOpen);
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
            QVERIFY(QTest::qWaitForWindowExposed(w.data()));
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
        w.reset();
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
        QVERIFY(linkButtonFollowsLanguage(w, "重新连接"));
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

    // An analyzer that falls silent while only polled: the warning within the reply time-out
    // plus one poll, the link closed; a reconnect fetches what was added meanwhile, once each.
    void silentAnalyzerWhilePollingWarns()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        SimProcess sim;
        QVERIFY(sim.start({"--count", "4", "--seed", "6", "--write", dir.file("s.json")}));
        Index w;
        speedUp(w);
        connectTo(w, sim.port());
        QVERIFY(waitStored(4));
        QTRY_VERIFY_WITH_TIMEOUT(w.m_resultSizeTimer->isActive(), 3000);
        QCOMPARE(storedRows(), expectedRows(readJsonArray(dir.file("s.json"))));

        ::kill(pid_t(sim.processId()), SIGUSR2); // silent from now on
        QElapsedTimer t;
        t.start();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 1, 10000);
        QVERIFY2(t.elapsed() <= w.m_replyInterval + w.m_resultSizeInterval + 800, qPrintable(QString::number(t.elapsed())));
        QVERIFY(boxes.texts.first().contains(kDisconnected));
        QVERIFY(!w.m_isPortOpen);
        QCOMPARE(w.form()->okButton->text(), QStringLiteral("重新连接"));
        QVERIFY(!w.form()->dataButton->isHidden());
        QVERIFY(!w.m_cmdTimer->isActive() && !w.m_resultSizeTimer->isActive());
        QCOMPARE(w.m_machineId, kMachine);
        QVERIFY(QTest::qWaitFor([] { return !PcComData::getInstance()->isPortInUse(); }, 2000));

        // Three more results, and it answers again.
        for (int n = 5; n <= 7; ++n) { // one at a time: signals of one kind do not queue
            ::kill(pid_t(sim.processId()), SIGUSR1);
            QTRY_VERIFY_WITH_TIMEOUT(sim.log().contains(QStringLiteral("now %1 results").arg(n)), 3000);
        }
        ::kill(pid_t(sim.processId()), SIGUSR2);
        QTRY_VERIFY_WITH_TIMEOUT(sim.log().contains(QStringLiteral("answering again")), 3000);
        connectTo(w, sim.port());
        QVERIFY(waitStored(7));
        QTRY_VERIFY_WITH_TIMEOUT(w.m_resultSizeTimer->isActive(), 3000);
        QCOMPARE(sim.servedRowids(), range(1, 7));
        const QStringList rows = storedRows();
        QCOMPARE(rows.size(), 7);
        QCOMPARE(QSet<QString>(rows.begin(), rows.end()).size(), 7);
        QCOMPARE(boxes.texts.size(), 1);
        disconnectFrom(w);
    }

    // A machine id with a quote, a backslash and CJK text: every result is fetched under it.
    void machineIdWithQuoteBackslashAndCjk()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        const QString id = QStringLiteral("QV\"7\\x\\\"生化仪-甲");
        SimProcess sim;
        QVERIFY(sim.start({"--count", "8", "--seed", "7", "--machine-id", id, "--write", dir.file("s.json")}));
        Index w;
        speedUp(w);
        connectTo(w, sim.port());
        QVERIFY(QTest::qWaitFor([&] { return storedCount(id) >= 8; }, 20000));
        QCOMPARE(w.m_machineId, id);
        QCOMPARE(storedRows(), expectedRows(readJsonArray(dir.file("s.json"))));
        QCOMPARE(sim.servedRowids(), range(1, 8));
        QVERIFY(sim.log().filter(QStringLiteral("not my machine id")).isEmpty());
        QVERIFY(boxes.texts.isEmpty());
        disconnectFrom(w);
    }

    // The line hangs up in the middle of a transfer: the warning at once (the watchdog would
    // take 20 s here), the button shows the closed link; a reconnect goes on from there.
    void hangUpMidTransferWarnsAtOnce()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        SimProcess sim;
        QVERIFY(sim.start({"--count", "6", "--seed", "9", "--write", dir.file("s.json"), "--hangup", "rowid=3"}));
        Index w;
        speedUp(w);
        w.m_replyInterval = 20000;
        connectTo(w, sim.port());
        QVERIFY(waitStored(2));
        QElapsedTimer t;
        t.start();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 1, 10000);
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
        QVERIFY(boxes.texts.first().contains(kDisconnected));
        QVERIFY(!w.m_isPortOpen);
        QCOMPARE(w.form()->okButton->text(), QStringLiteral("重新连接"));
        QVERIFY(!w.form()->dataButton->isHidden());
        QVERIFY(!w.m_cmdTimer->isActive() && !w.m_resultSizeTimer->isActive());
        QCOMPARE(storedCount(kMachine), 2);
        QVERIFY(QTest::qWaitFor([] { return !PcComData::getInstance()->isPortInUse(); }, 2000));

        // The analyzer's line comes back behind the same name.
        QVERIFY(QTest::qWaitFor([&] { return sim.log().filter(QStringLiteral("line open again")).size() == 1; }, 10000));
        connectTo(w, sim.port());
        QVERIFY(waitStored(6));
        QTRY_VERIFY_WITH_TIMEOUT(w.m_resultSizeTimer->isActive(), 3000);
        QCOMPARE(sim.servedRowids(), QList<int>({1, 2, 3, 4, 5, 6}));
        QCOMPARE(storedRows(), expectedRows(readJsonArray(dir.file("s.json"))));
        QCOMPARE(boxes.texts.size(), 1);
        disconnectFrom(w);
    }

    // A port where no analyzer answers says so, rather than that the link broke.
    void noAnalyzerOnThePortSaysSo()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        SimProcess sim;
        QVERIFY(sim.start({"--count", "2", "--drop", "ReMachineID"}));
        Index w;
        connectTo(w, sim.port());
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 1, 5000);
        QVERIFY2(boxes.texts.first().contains(kNoAnalyzer), qPrintable(boxes.texts.first()));
        QVERIFY(!boxes.texts.first().contains(kDisconnected));
        QVERIFY(!w.m_isPortOpen);
        QVERIFY(!w.form()->dataButton->isHidden());
        QVERIFY(w.m_machineId.isEmpty());
    }

    // A port that does not open: the user is told, and the link stays closed.
    void portThatDoesNotOpenIsReported()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        Index w;
        connectTo(w, dir.file("ttyNONE"));
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().contains(QStringLiteral("串口打开失败")));
        QVERIFY(!w.m_isPortOpen);
        QCOMPARE(w.form()->okButton->text(), QStringLiteral("串口连接"));
        QVERIFY(!PcComData::getInstance()->isPortInUse());
    }

    // Scans that bring the same ports leave the list alone: entries, selection and the
    // highlight of an open list; the chosen port is selected again when it comes back.
    void portListKeepsEntriesAndSelection()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        Index w;
        stopScanner();
        w.setWindowState(Qt::WindowNoState);
        w.resize(1411, 825);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QComboBox* box = w.form()->cmbPortName;
        const QStringList ports{"/tmp/ttyCDSIM0", "ttyS0", "ttyUSB0"};
        box->clear();
        w.slotUpdateComItem(ports);
        QCOMPARE(items(box), ports);
        QCOMPARE(box->currentIndex(), 0);
        // Wide enough for the simulator's name.
        QTRY_VERIFY2(textFits(box, ports.first()), qPrintable(QString::number(box->width())));

        // The user picks the adapter with the keyboard and opens the list.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("ttyUSB0"));
        box->showPopup();
        QTRY_VERIFY(box->view()->isVisible());
        box->view()->setCurrentIndex(box->model()->index(1, 0));
        for (int scan = 0; scan < 3; ++scan) {
            w.slotUpdateComItem(scan == 1 ? QStringList{"ttyUSB0", "/tmp/ttyCDSIM0", "ttyS0"} : ports);
            QCOMPARE(items(box), ports);
            QCOMPARE(box->currentText(), QStringLiteral("ttyUSB0"));
            QVERIFY(box->view()->isVisible());
            QCOMPARE(box->view()->currentIndex().row(), 1);
        }
        box->hidePopup();

        // The adapter is pulled out and plugged in again: chosen again.
        w.slotUpdateComItem({"/tmp/ttyCDSIM0", "ttyS0"});
        QCOMPARE(box->currentText(), QStringLiteral("/tmp/ttyCDSIM0"));
        w.slotUpdateComItem(ports);
        QCOMPARE(box->currentText(), QStringLiteral("ttyUSB0"));
    }

    // The scanner lists a running simulator first; its port stays chosen while it restarts.
    void portListWithTheSimulator()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const QString bin = buildDir() + "/tools/analyzer-sim/analyzer-sim";
        auto startListed = [&](QProcess& p, const QString& link) {
            QStringList args{"--count", "1", "--exit-with-parent", "-q"};
            if (!link.isEmpty())
                args << "--link" << link;
            p.start(bin, args);
            QString port;
            (void)QTest::qWaitFor([&] {
                while (p.canReadLine()) {
                    const QString line = QString::fromLocal8Bit(p.readLine()).trimmed();
                    if (line.startsWith("port: "))
                        port = line.mid(6);
                }
                return !port.isEmpty();
            }, 5000);
            return port;
        };
        // The program's own style sheet, which pads the field.
        QFile qss(QStringLiteral(":/qss/chemdesk.qss"));
        QVERIFY(qss.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(qss.readAll()));
        struct Unstyle { ~Unstyle() { qApp->setStyleSheet(QString()); } } unstyle;
        QProcess sim;
        const QString port = startListed(sim, QString());
        QVERIFY(port.startsWith(QStringLiteral("/tmp/ttyCDSIM")));
        Index w;
        w.setWindowState(Qt::WindowNoState);
        w.resize(1411, 825);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        PcComData::getInstance()->startScanPort();
        QComboBox* box = w.form()->cmbPortName;
        QTRY_VERIFY_WITH_TIMEOUT(items(box).contains(port), 5000);
        QVERIFY(box->itemText(0).startsWith(QStringLiteral("/tmp/ttyCDSIM"))); // no system port first
        // The user picks it in the open list.
        box->showPopup();
        QTRY_VERIFY(box->view()->isVisible());
        const QModelIndex pick = box->model()->index(box->findText(port), 0);
        QTest::mouseClick(box->view()->viewport(), Qt::LeftButton, {}, box->view()->visualRect(pick).center());
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(box->currentText(), port);
        QTRY_VERIFY2(textFits(box, port), qPrintable(QString::number(box->width())));
        if (qEnvironmentVariableIsSet("CHEMDESK_SHOT_PORTS")) {
            box->showPopup();
            QTest::qWait(200);
            const QString base = qEnvironmentVariable("CHEMDESK_SHOT_PORTS");
            w.grab(QRect(0, 0, w.width(), 160)).save(base + "-bar.png");
            box->view()->window()->grab().save(base + "-list.png");
            box->hidePopup();
        }

        // The simulator restarts under the same name: gone from the list, then chosen again.
        sim.terminate();
        QVERIFY(sim.waitForFinished(3000));
        QTRY_VERIFY_WITH_TIMEOUT(!items(box).contains(port), 5000);
        QProcess again;
        QCOMPARE(startListed(again, port), port);
        QTRY_VERIFY_WITH_TIMEOUT(items(box).contains(port), 5000);
        QCOMPARE(box->currentText(), port);
        stopScanner();
        again.terminate();
        again.waitForFinished(3000);
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
