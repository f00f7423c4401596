// The network road through the main window against the local cloud: the manual import, the
// registration, the notice queue and its return after a broker restart.
#include "Index.h"
#include "LocalCloud.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "Rabbitmq.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "UserEntry.h"
#include "Userdb.h"
#include "UuidHolder.h"
#include "FileUtils.h"
#include "dbHelper.h"
#include "ui_Index.h"

#include <QApplication>
#include <QJsonArray>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <signal.h>

namespace {

int localCount(const QString& device)
{
    QSqlQuery q;
    q.prepare("select (select count(*) from PanelChkResult where machineid = ?) + "
              "(select count(*) from PanelQcResult where machineid = ?)");
    q.addBindValue(device);
    q.addBindValue(device);
    return q.exec() && q.next() ? q.value(0).toInt() : -1;
}

int cloudCount(const QString& device)
{
    const QStringList out = LocalCloud::sql("select count(*) from report_card where machineid = '" + device + "'");
    return out.isEmpty() ? -1 : out.first().toInt();
}

// Samples listed in the result table of the window.
int listedRows(Index& w)
{
    return w.form()->tableWidget->model()->rowCount();
}

int liveSamples()
{
    QSqlQuery q("select count(*) from PanelChkResult where state = 1 and status = 1");
    return q.next() ? q.value(0).toInt() : -1;
}

void saveShot(QWidget& w, const QString& name)
{
    const QString dir = buildDir() + "/screenshots";
    QDir().mkpath(dir);
    w.grab().save(dir + "/" + name + ".png");
}

}

class tst_networkroad : public QObject
{
    Q_OBJECT

    TempWorkDir m_work;

private slots:
    void initTestCase()
    {
        if (!LocalCloud::available())
            QSKIP("the local cloud is not running (run the whole suite through ctest)");
        PcComData::getInstance()->stopScanPort();
        QVERIFY(LocalCloud::installIni());
        QVERIFY(prepareMainDatabase());
        // The accounts live in the network database.
        copyFileIfMissing(":/DB/Chinese/database.db3", "database.db3");
        QVERIFY(dbHelper::upgradeSchema("database.db3"));
        {
            QSettings mode("./saveFile/database.ini", QSettings::IniFormat);
            mode.setValue("systemCfg/get", 3);
        }
        dbHelper::getInstance()->close();
        QVERIFY(dbHelper::getInstance()->openDatabase());
        Userdb users;
        for (const QString& d : {QString("NR-A"), QString("NR-B")}) {
            QVERIFY(LocalCloud::addDevice(d, "pw-" + d));
            UserEntry e;
            e.devicename = d;
            e.devicepassword = "pw-" + d;
            QVERIFY(users.insertData(e));
        }
        // Back to serial mode: the import switches.
        {
            QSettings mode("./saveFile/database.ini", QSettings::IniFormat);
            mode.setValue("systemCfg/get", 2);
        }
        dbHelper::getInstance()->close();
        QVERIFY(dbHelper::getInstance()->openDatabase());
        QVERIFY(LocalCloud::addReports("NR-A", 9, {"--no-notice"}));
        QVERIFY(LocalCloud::addReports("NR-B", 6, {"--no-notice", "--qc-every", "3"}));
    }

    void cleanupTestCase() { Rabbitmq::getInstance()->shutdown(); }

    void manualImportNoticesAndBrokerRestart()
    {
        Index w;
        w.showNormal();
        w.resize(1600, 900);
        MessageBoxCloser boxes;
        QTest::mouseClick(w.form()->dataButton, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 5000));
        QVERIFY2(boxes.texts.last().contains(QString::fromUtf8("数据已获取完毕！")), qPrintable(boxes.texts.join(';')));
        QCOMPARE(dbHelper::currentFileName(), QString("database.db3"));
        QCOMPARE(w.form()->modelabel->text(), QString::fromUtf8("当前获取数据模式为 网络模式..."));
        QCOMPARE(localCount("NR-A"), 9);
        QCOMPARE(localCount("NR-B"), 6);
        QCOMPARE(liveSamples(), 8 + 4);
        QCOMPARE(listedRows(w), 8 + 4);

        // Both devices registered, with the request the cloud expects.
        QTRY_COMPARE_WITH_TIMEOUT(LocalCloud::registeredQueues("NR-B").size(), 1, 5000);
        QJsonObject reg;
        for (const QJsonObject& r : LocalCloud::httpRequests())
            if (r.value("method").toString() == "POST" && r.value("body").toString().startsWith("machine_id=NR-A&"))
                reg = r;
        QCOMPARE(reg.value("path").toString(), QString("/qvtr/rabbit/syc"));
        QCOMPARE(reg.value("port").toInt(), 8080);
        QCOMPARE(reg.value("body").toString(), "machine_id=NR-A&uuid=" + UuidHolder::getInstance()->uuid());
        const QJsonObject headers = reg.value("headers").toObject();
        QCOMPARE(headers.value("User-Agent").toString(), QString("RT-Thread ART"));
        QCOMPARE(headers.value("Content-Type").toString(), QString("application/x-www-form-urlencoded"));
        QCOMPARE(headers.value("Content-Length").toString(), QString::number(reg.value("body").toString().toUtf8().size()));
        QTRY_VERIFY_WITH_TIMEOUT(Rabbitmq::getInstance()->isConsuming(), 15000);

        saveShot(w, "networkroad_Chinese");
        setLanguage("English");
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        saveShot(w, "networkroad_English");
        QCOMPARE(w.form()->modelabel->text(), QString("Data acquisition mode: network..."));
        setLanguage("Chinese");

        // Again: nothing new.
        QTest::mouseClick(w.form()->dataButton, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return boxes.texts.size() >= 2; }, 5000));
        QVERIFY2(boxes.texts.last().contains(QString::fromUtf8("暂无数据！")), qPrintable(boxes.texts.join(';')));

        // A notice brings the new reports once.
        QVERIFY(LocalCloud::addReports("NR-A", 4));
        QTRY_COMPARE_WITH_TIMEOUT(localCount("NR-A"), 13, 15000);
        QTest::qWait(500);
        QCOMPARE(localCount("NR-A"), cloudCount("NR-A"));
        QCOMPARE(liveSamples(), 11 + 4);
        QCOMPARE(listedRows(w), 11 + 4);

        // The broker goes away and comes back: the listener follows and takes the next notice.
        QVERIFY(LocalCloud::run({"stop-part", "rabbitmq"}));
        QTRY_VERIFY_WITH_TIMEOUT(!Rabbitmq::getInstance()->isConsuming(), 15000);
        QVERIFY(LocalCloud::run({"start-part", "rabbitmq"}));
        QTRY_VERIFY_WITH_TIMEOUT(Rabbitmq::getInstance()->isConsuming(), 30000);
        QVERIFY(LocalCloud::addReports("NR-B", 5));
        QTRY_COMPARE_WITH_TIMEOUT(localCount("NR-B"), 11, 15000);
        QTest::qWait(500);
        QCOMPARE(localCount("NR-A"), 13);
        QCOMPARE(localCount("NR-B"), cloudCount("NR-B"));
        QCOMPARE(boxes.texts.size(), 2);

        // In serial mode a notice changes nothing.
        {
            QSettings mode("./saveFile/database.ini", QSettings::IniFormat);
            mode.setValue("systemCfg/get", 2);
        }
        QSignalSpy notices(Rabbitmq::getInstance(), &Rabbitmq::reciveRabbit);
        QVERIFY(LocalCloud::addReports("NR-B", 2));
        QVERIFY(notices.wait(15000)); // the window has had the notice
        QCOMPARE(localCount("NR-B"), 11);
    }

    // Reports announced while the broker was away come in once the listener is back: after a
    // restart, and after the broker went silent without closing the link (a host gone).
    void noticesMissedWhileTheBrokerWasDown_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("restart") << false;
        QTest::newRow("silent") << true;
    }
    void noticesMissedWhileTheBrokerWasDown()
    {
        QFETCH(bool, silent);
        {
            QSettings mode("./saveFile/database.ini", QSettings::IniFormat);
            mode.setValue("systemCfg/get", 3);
        }
        Index w;
        QTRY_VERIFY_WITH_TIMEOUT(Rabbitmq::getInstance()->isConsuming(), 15000);
        const int before = localCount("NR-A");
        QFile pidFile(LocalCloud::dir() + "/rabbitmq.pid");
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const pid_t broker = pid_t(pidFile.readAll().trimmed().toLongLong());
        struct Resume
        {
            pid_t pid;
            ~Resume() { ::kill(pid, SIGCONT); }
        } resume{silent ? broker : 0};
        QVERIFY(silent ? ::kill(broker, SIGSTOP) == 0 : LocalCloud::run({"stop-part", "rabbitmq"}));
        QTRY_VERIFY_WITH_TIMEOUT(!Rabbitmq::getInstance()->isConsuming(), 15000);
        QVERIFY(LocalCloud::addReports("NR-A", 3));
        QCOMPARE(localCount("NR-A"), before);
        QVERIFY(silent ? ::kill(broker, SIGCONT) == 0 : LocalCloud::run({"start-part", "rabbitmq"}));
        QTRY_VERIFY_WITH_TIMEOUT(Rabbitmq::getInstance()->isConsuming(), 15000);
        QTRY_COMPARE_WITH_TIMEOUT(localCount("NR-A"), before + 3, 15000);
    }
};

QTEST_MAIN(tst_networkroad)
#include "tst_networkroad.moc"
