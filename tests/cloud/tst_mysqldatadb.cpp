#include <QtTest>

#include "CloudConfig.h"
#include "MariaDbServer.h"
#include "MysqlDatadb.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// Collects what is logged while it lives.
struct MessageLog
{
    static QStringList* s_lines;
    QStringList lines;
    QtMessageHandler previous;
    MessageLog() : previous(qInstallMessageHandler(&MessageLog::handle)) { s_lines = &lines; }
    ~MessageLog()
    {
        qInstallMessageHandler(previous);
        s_lines = nullptr;
    }
    static void handle(QtMsgType, const QMessageLogContext&, const QString& text)
    {
        if (s_lines)
            s_lines->append(text);
    }
};
QStringList* MessageLog::s_lines = nullptr;

// The clinic details reach the cloud's device table through a real MySQL-protocol server.
class tst_mysqldatadb : public QObject
{
    Q_OBJECT

    TempWorkDir m_work;
    MariaDbServer m_server;
    bool m_running = false;

    static void setCloud(const QString& section, int port, const QString& database)
    {
        QDir().mkpath("saveFile");
        QSettings ini(CloudConfig::fileName(), QSettings::IniFormat);
        ini.setIniCodec("UTF8");
        ini.beginGroup(section);
        ini.setValue("mysqlHost", "127.0.0.1");
        ini.setValue("mysqlPort", port);
        ini.setValue("mysqlDatabase", database);
        ini.setValue("mysqlUser", "root");
        ini.setValue("mysqlPassword", "");
    }

    static void setRegion(const QString& region)
    {
        QSettings ini("./saveFile/systemsetting.ini", QSettings::IniFormat);
        ini.setValue("ChangeLanguage/Dbsource", region);
    }

    QSqlDatabase admin()
    {
        QSqlDatabase db = QSqlDatabase::database("admin", false);
        if (!db.isValid()) {
            db = QSqlDatabase::addDatabase("QMYSQL", "admin");
            db.setHostName("127.0.0.1");
            db.setPort(m_server.port());
            db.setUserName("root");
        }
        if (!db.isOpen() && !db.open())
            qWarning() << "admin connection:" << db.lastError().text();
        return db;
    }

    QStringList deviceRow(const QString& name)
    {
        QSqlQuery q(admin());
        q.prepare("SELECT hospital, phone, adress FROM cloudtest.deviceinfomation WHERE devicename = ?");
        q.addBindValue(name);
        if (!q.exec() || !q.next())
            return {};
        return {q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QSqlDatabase::isDriverAvailable("QMYSQL"));
        if (!MariaDbServer::available())
            return;
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
        m_running = true;

        QSqlQuery q(admin());
        QVERIFY2(q.exec("CREATE DATABASE cloudtest CHARACTER SET utf8mb4"), qPrintable(q.lastError().text()));
        QVERIFY(q.exec("CREATE TABLE cloudtest.deviceinfomation (id INT AUTO_INCREMENT PRIMARY KEY, "
                       "devicename VARCHAR(64), hospital VARCHAR(255), phone VARCHAR(64), "
                       "adress VARCHAR(255)) CHARACTER SET utf8mb4"));
        QVERIFY(q.exec("INSERT INTO cloudtest.deviceinfomation (devicename, hospital, phone, adress) "
                       "VALUES ('QV100', 'old', '1', 'a'), ('QV200', 'other', '2', 'b'), "
                       "('qv100', 'lower', '3', 'c')"));
        setCloud("cn", m_server.port(), "cloudtest");
    }

    void cleanupTestCase()
    {
        QSqlDatabase::database("admin", false).close();
        m_server.stop();
    }

    void storesClinicDetailsOfOneDevice()
    {
        if (!m_running)
            QSKIP("mariadbd is not installed");
        MysqlDatadb db;
        // Quotes and a statement separator stay data.
        const QString hospital = QString::fromUtf8("安心动物医院 O'Brien \"Vet\"; DROP TABLE deviceinfomation; --");
        QVERIFY(db.updateDeviceInfo(hospital, "0571-8888 6666", QString::fromUtf8("杭州市西湖路 1 号"), "QV100"));
        QCOMPARE(deviceRow("QV100"),
                 (QStringList{hospital, "0571-8888 6666", QString::fromUtf8("杭州市西湖路 1 号")}));
        QCOMPARE(deviceRow("QV200"), (QStringList{"other", "2", "b"}));

        // A device the cloud does not know: the statement still runs, nothing changes.
        QVERIFY(db.updateDeviceInfo("x", "y", "z", "NOPE"));
        QCOMPARE(deviceRow("QV200"), (QStringList{"other", "2", "b"}));
    }

    void unknownDatabaseOrTableFails()
    {
        if (!m_running)
            QSKIP("mariadbd is not installed");
        MysqlDatadb db;
        setCloud("cn", m_server.port(), "nosuchdb");
        QVERIFY(!db.updateDeviceInfo("h", "p", "a", "QV100"));
        setCloud("cn", m_server.port(), "mysql");  // reachable, but has no device table
        QVERIFY(!db.updateDeviceInfo("h", "p", "a", "QV100"));
        {
            // The failing statement itself writes nothing to the log.
            MessageLog log;
            QVERIFY(!db.updateDeviceInfo("h", "p", "a", "QV100"));
            QCOMPARE(log.lines, QStringList());
        }
        setCloud("cn", m_server.port(), "cloudtest");
        QVERIFY(db.updateDeviceInfo("again", "p", "a", "QV100"));
        QCOMPARE(deviceRow("QV100").value(0), QString("again"));
    }

    void followsTheRegion()
    {
        if (!m_running)
            QSKIP("mariadbd is not installed");
        MysqlDatadb db;
        setCloud("overseas", MariaDbServer::freePort(), "cloudtest");
        setRegion("en");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("MysqlConnect::open"));
        QVERIFY(!db.updateDeviceInfo("eu", "p", "a", "QV100"));
        QCOMPARE(deviceRow("QV100").value(0), QString("again"));

        setRegion("cn");
        QVERIFY(db.updateDeviceInfo("back", "p", "a", "QV100"));
        QCOMPARE(deviceRow("QV100").value(0), QString("back"));
    }

    void serverRestartIsSurvived()
    {
        if (!m_running)
            QSKIP("mariadbd is not installed");
        MysqlDatadb db;
        QVERIFY(db.updateDeviceInfo("first", "p", "a", "QV100"));
        QSqlDatabase::database("admin", false).close();
        QVERIFY2(m_server.restart(), qPrintable(m_server.error()));
        // The held connection is dead now; the next call must get through all the same.
        QVERIFY(db.updateDeviceInfo("second", "p", "a", "QV100"));
        QCOMPARE(deviceRow("QV100").value(0), QString("second"));
    }

    void lostServerFailsQuickly()
    {
        if (!m_running)
            QSKIP("mariadbd is not installed");
        MysqlDatadb db;
        QVERIFY(db.updateDeviceInfo("before", "p", "a", "QV100"));
        QSqlDatabase::database("admin", false).close();
        m_server.stop();
        m_running = false;

        QElapsedTimer clock;
        clock.start();
        QVERIFY(!db.updateDeviceInfo("after", "p", "a", "QV100"));
        QVERIFY(!db.updateDeviceInfo("after", "p", "a", "QV100"));
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    }

    // Needs no server: nothing listens on the port.
    void unreachableServerFailsQuickly()
    {
        TempWorkDir dir;
        setCloud("cn", MariaDbServer::freePort(), "cloudtest");
        MysqlDatadb db;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!db.updateDeviceInfo("h", "p", "a", "QV100"));
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(tst_mysqldatadb)
#include "tst_mysqldatadb.moc"
