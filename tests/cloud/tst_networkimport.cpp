#include <QtTest>

#include "CloudConfig.h"
#include "FileUtils.h"
#include "Indexdb.h"
#include "LocalCloud.h"
#include "MysqlDatadb.h"
#include "NetworkImport.h"
#include "TestSupport.h"
#include "Userdb.h"
#include "configAccess.h"
#include "dbHelper.h"
#include "httpBusiness.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <signal.h>

namespace {

bool openNetworkDatabase()
{
    QDir().mkpath("saveFile");
    {
        QSettings mode("./saveFile/database.ini", QSettings::IniFormat);
        mode.setValue("systemCfg/get", 3);
    }
    copyFileIfMissing(":/DB/Chinese/database.db3", "database.db3");
    if (!dbHelper::upgradeSchema("database.db3"))
        return false;
    dbHelper::getInstance()->close();
    return dbHelper::getInstance()->openDatabase();
}

// The cloud report database as the test reads it, apart from the program's connection.
QSqlDatabase cloudDb()
{
    QSqlDatabase db = QSqlDatabase::database("cloudcheck", false);
    if (!db.isValid()) {
        const CloudConfig cfg = CloudConfig::current();
        db = QSqlDatabase::addDatabase("QMYSQL", "cloudcheck");
        db.setHostName(cfg.mysqlHost);
        db.setPort(cfg.mysqlPort);
        db.setDatabaseName(cfg.mysqlDatabase);
        db.setUserName(cfg.mysqlUser);
        db.setPassword(cfg.mysqlPassword);
    }
    // Opened afresh: the server may have been restarted since the last check.
    db.close();
    if (!db.open())
        qWarning() << "cloud check connection:" << db.lastError().text();
    return db;
}

QString rowKey(const QString& table, const QString& patientinfo)
{
    return table + "|" + QJsonDocument::fromJson(patientinfo.toUtf8()).object().value("id").toString();
}

// "S|<patient id>" per sample report, "Q|<patient id>" per QC run of the device in the cloud.
QStringList cloudRows(const QString& device)
{
    QStringList rows;
    QSqlQuery q(cloudDb());
    q.prepare("select patientinfo, summary from report_card where BINARY machineid = ? and resultserr = 0 order by id");
    q.addBindValue(device);
    if (!q.exec())
        qWarning() << q.lastError().text();
    while (q.next()) {
        const bool qc = QJsonDocument::fromJson(q.value(0).toString().toUtf8()).object().value("Qc").toBool()
                        || q.value(1).toString().contains("(zk)");
        rows << rowKey(qc ? "Q" : "S", q.value(0).toString());
    }
    rows.sort();
    return rows;
}

QStringList localRows(const QString& device)
{
    QStringList rows;
    QSqlQuery q;
    q.prepare("select patientinfo from PanelChkResult where machineid = ?");
    q.addBindValue(device);
    q.exec();
    while (q.next())
        rows << rowKey("S", q.value(0).toString());
    QSqlQuery qc;
    qc.prepare("select patientinfo from PanelQcResult where machineid = ?");
    qc.addBindValue(device);
    qc.exec();
    while (qc.next())
        rows << rowKey("Q", qc.value(0).toString());
    rows.sort();
    return rows;
}

int cloudMaxId(const QString& device)
{
    QSqlQuery q(cloudDb());
    q.prepare("select max(id) from report_card where BINARY machineid = ?");
    q.addBindValue(device);
    return q.exec() && q.next() ? q.value(0).toInt() : -1;
}

void setAccounts(const QList<QPair<QString, QString>>& accounts)
{
    QSqlQuery q;
    QVERIFY(q.exec("delete from user"));
    Userdb users;
    for (const auto& a : accounts) {
        UserEntry e;
        e.devicename = a.first;
        e.devicepassword = a.second;
        QVERIFY(users.insertData(e));
    }
}

// Stops the cloud's database just before the report rows of one device are read.
class FailingCloud : public CloudReportSource
{
public:
    MysqlDatadb real;
    QString stopAt;
    bool updateDeviceInfo(QString h, QString p, QString a, QString d) override { return real.updateDeviceInfo(h, p, a, d); }
    bool findDevice(const QString& d, QVector<DeviceEntry>* out) override { return real.findDevice(d, out); }
    bool findReport(const QString& m, int offset, QVector<PanelChkRecord>* out) override
    {
        stopIfAsked(m);
        return real.findReport(m, offset, out);
    }
    bool findReportEx(const QString& m, int& maxId, QVector<PanelChkRecord>* out) override
    {
        stopIfAsked(m);
        return real.findReportEx(m, maxId, out);
    }
    void stopIfAsked(const QString& m)
    {
        if (m == stopAt)
            LocalCloud::run({"stop-part", "mariadb"});
    }
};

// The import of one device in a process of its own, for the kill test.
int runChild(const QString& device)
{
    if (!dbHelper::getInstance()->openDatabase())
        return 2;
    MysqlDatadb cloud;
    Indexdb indexdb;
    Userdb userdb;
    NetworkImport import(cloud, indexdb, userdb);
    int stored = 0;
    return import.importDevice(device, &stored) == NetworkImport::Status::Done ? 0 : 1;
}

}

// The network import against the local cloud: every report once, QC runs apart, one
// checkpoint per device committed with the rows, whatever fails in between.
class tst_networkimport : public QObject
{
    Q_OBJECT

    TempWorkDir m_work;
    MysqlDatadb m_cloud;
    Indexdb m_indexdb;
    Userdb m_userdb;

private slots:
    void initTestCase()
    {
        if (!LocalCloud::available())
            QSKIP("the local cloud is not running (run the whole suite through ctest)");
        QVERIFY(LocalCloud::installIni());
        QVERIFY(openNetworkDatabase());
    }

    void manualImportStoresEveryReportOnce()
    {
        QVERIFY(LocalCloud::addDevice("NI-A", "pa"));
        QVERIFY(LocalCloud::addDevice("NI-B", "pb"));
        QVERIFY(LocalCloud::addReports("NI-A", 12, {"--no-notice"}));
        QVERIFY(LocalCloud::addReports("NI-B", 7, {"--no-notice", "--qc-every", "3"}));
        setAccounts({{"NI-A", "pa"}, {"NI-B", "pb"}});

        NetworkImport import(m_cloud, m_indexdb, m_userdb);
        QStringList registered;
        const auto reg = [&registered](const QString& d) { registered << d; };
        NetworkImport::Outcome out = import.importAll({QString::fromUtf8("安心动物医院"), "Road 1", "0571"}, reg);
        QCOMPARE(out.status, NetworkImport::Status::Done);
        QCOMPARE(out.stored, 19);
        QCOMPARE(registered, QStringList({"NI-A", "NI-B"}));
        QCOMPARE(localRows("NI-A"), cloudRows("NI-A"));
        QCOMPARE(localRows("NI-B"), cloudRows("NI-B"));
        QCOMPARE(NetworkImport::readCheckpoint("NI-A"), cloudMaxId("NI-A"));
        QCOMPARE(NetworkImport::readCheckpoint("NI-B"), cloudMaxId("NI-B"));
        QCOMPARE(LocalCloud::sql("select hospital from deviceinfomation where devicename = 'NI-A'"),
                 QStringList{QString::fromUtf8("安心动物医院")});

        // A QC run lands in the QC table as the first material with its lot as text.
        QSqlQuery qc;
        QVERIFY(qc.exec("select QcProduct, panellot, Errcode, QcLot, show from PanelQcResult where machineid = 'NI-B'"));
        QVERIFY(qc.next());
        QCOMPARE(qc.value(0).toInt(), 0);
        QVERIFY(qc.value(1).toString().startsWith("240"));
        QCOMPARE(qc.value(2).toString(), QString());
        QVERIFY(qc.value(3).toString().startsWith("QC"));

        // Nothing new: nothing stored, still registered.
        registered.clear();
        out = import.importAll({}, reg);
        QCOMPARE(out.status, NetworkImport::Status::Done);
        QCOMPARE(out.stored, 0);
        QCOMPARE(registered.size(), 2);

        // What the notice import takes, the manual import never takes again.
        QVERIFY(LocalCloud::addReports("NI-A", 5, {"--no-notice"}));
        out = import.importNotified();
        QCOMPARE(out.status, NetworkImport::Status::Done);
        QCOMPARE(out.stored, 5);
        QCOMPARE(import.importAll({}, reg).stored, 0);
        QCOMPARE(localRows("NI-A"), cloudRows("NI-A"));
        QCOMPARE(localRows("NI-A").size(), 17);
    }

    void checkpointThatIsNoNumberCountsAsMissing_data()
    {
        QTest::addColumn<QString>("checkpoint");
        QTest::newRow("text") << "12abc";
        QTest::newRow("negative") << "-1";
        QTest::newRow("empty") << "";
    }
    void checkpointThatIsNoNumberCountsAsMissing()
    {
        QFETCH(QString, checkpoint);
        const QString device = "NI-C-" + QString(QTest::currentDataTag());
        QVERIFY(LocalCloud::addDevice(device, "pc"));
        QVERIFY(LocalCloud::addReports(device, 6, {"--no-notice"}));
        setAccounts({{device, "pc"}});
        NetworkImport import(m_cloud, m_indexdb, m_userdb);
        QCOMPARE(import.importAll({}, {}).stored, 6);

        // The rows already here are skipped by count; the rest come once.
        QVERIFY(configAccess::getInstance()->setConfig(NetworkImport::checkpointKey(device), checkpoint));
        QCOMPARE(NetworkImport::readCheckpoint(device), -1);
        QVERIFY(LocalCloud::addReports(device, 3, {"--no-notice"}));
        QCOMPARE(import.importAll({}, {}).stored, 3);
        QCOMPARE(localRows(device), cloudRows(device));
        QCOMPARE(NetworkImport::readCheckpoint(device), cloudMaxId(device));
    }

    void failingLocalInsertKeepsNothingAndTheCheckpoint()
    {
        QVERIFY(LocalCloud::addDevice("NI-D", "pd"));
        QVERIFY(LocalCloud::addReports("NI-D", 4, {"--no-notice"}));
        setAccounts({{"NI-D", "pd"}});
        NetworkImport import(m_cloud, m_indexdb, m_userdb);
        QCOMPARE(import.importAll({}, {}).stored, 4);
        const int checkpoint = NetworkImport::readCheckpoint("NI-D");

        // The QC run S/QC0005 is stored before the sixth report fails.
        QVERIFY(LocalCloud::addReports("NI-D", 4, {"--no-notice"}));
        QSqlQuery q;
        QVERIFY2(q.exec("CREATE TRIGGER fail_insert BEFORE INSERT ON PanelChkResult "
                        "WHEN json_extract(NEW.patientinfo, '$.id') = 'S00006' "
                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END"),
                 qPrintable(q.lastError().text()));
        QStringList registered;
        const NetworkImport::Outcome out = import.importAll({}, [&](const QString& d) { registered << d; });
        QCOMPARE(out.status, NetworkImport::Status::StoreFailed);
        QCOMPARE(out.device, QString("NI-D"));
        QCOMPARE(out.stored, 0);
        QVERIFY(registered.isEmpty());
        QCOMPARE(localRows("NI-D").size(), 4);
        QVERIFY(!localRows("NI-D").contains("Q|QC0005"));
        QCOMPARE(NetworkImport::readCheckpoint("NI-D"), checkpoint);

        QVERIFY(q.exec("DROP TRIGGER fail_insert"));
        QCOMPARE(import.importAll({}, {}).stored, 4);
        QCOMPARE(localRows("NI-D"), cloudRows("NI-D"));
    }

    void cloudDatabaseStoppedMidImport()
    {
        QVERIFY(LocalCloud::addDevice("NI-E1", "p1"));
        QVERIFY(LocalCloud::addDevice("NI-E2", "p2"));
        QVERIFY(LocalCloud::addReports("NI-E1", 5, {"--no-notice"}));
        QVERIFY(LocalCloud::addReports("NI-E2", 5, {"--no-notice"}));
        setAccounts({{"NI-E1", "p1"}, {"NI-E2", "p2"}});
        FailingCloud cloud;
        cloud.stopAt = "NI-E2";
        NetworkImport import(cloud, m_indexdb, m_userdb);
        NetworkImport::Outcome out = import.importAll({}, {});
        QCOMPARE(out.status, NetworkImport::Status::Offline);
        QCOMPARE(out.device, QString("NI-E2"));
        QCOMPARE(out.stored, 5);
        QCOMPARE(localRows("NI-E2").size(), 0);
        QCOMPARE(NetworkImport::readCheckpoint("NI-E2"), -1);

        QVERIFY(LocalCloud::run({"start-part", "mariadb"}));
        cloud.stopAt.clear();
        out = import.importAll({}, {});
        QCOMPARE(out.status, NetworkImport::Status::Done);
        QCOMPARE(out.stored, 5);
        QCOMPARE(localRows("NI-E1"), cloudRows("NI-E1"));
        QCOMPARE(localRows("NI-E2"), cloudRows("NI-E2"));
    }

    // A refused account stores nothing and leaves its device's clinic details in the cloud as
    // they were; accounts before it import, those after it are not reached.
    void rejectedAccountsStoreNothing_data()
    {
        QTest::addColumn<QStringList>("accounts"); // "<device>/<password>"
        QTest::addColumn<QString>("refused");
        QTest::newRow("wrong password") << QStringList{"NI-F/wrong"} << "NI-F";
        QTest::newRow("unknown device") << QStringList{"NI-NOBODY/pf"} << "NI-NOBODY";
        QTest::newRow("name in other case") << QStringList{"ni-f/pf"} << "ni-f";
        QTest::newRow("password in other case") << QStringList{"NI-F/PF"} << "NI-F";
        QTest::newRow("second of three") << QStringList{"NI-G/pg", "NI-F/wrong", "NI-G2/pg2"} << "NI-F";
    }
    void rejectedAccountsStoreNothing()
    {
        QFETCH(QStringList, accounts);
        QFETCH(QString, refused);
        QList<QPair<QString, QString>> users;
        for (const QString& a : accounts)
            users.append({a.section('/', 0, 0), a.section('/', 1)});
        for (const char* d : {"NI-F", "NI-G", "NI-G2"}) {
            QVERIFY(LocalCloud::addDevice(d, QString(d).mid(3).toLower().prepend('p')));
            if (cloudRows(d).isEmpty())
                QVERIFY(LocalCloud::addReports(d, 2, {"--no-notice"}));
        }
        const QString details = "select ifnull(hospital, '-') from deviceinfomation where devicename = '%1'";
        setAccounts(users);
        NetworkImport import(m_cloud, m_indexdb, m_userdb);
        QStringList registered;
        const NetworkImport::Outcome out =
            import.importAll({"Clinic of this PC", "0571", "Road 1"}, [&](const QString& d) { registered << d; });
        QCOMPARE(out.status, NetworkImport::Status::AccountRejected);
        QCOMPARE(out.device, refused);
        const bool first = users.size() > 1;
        QCOMPARE(registered, first ? QStringList{"NI-G"} : QStringList{});
        QCOMPARE(localRows("NI-G"), first ? cloudRows("NI-G") : QStringList{});
        QCOMPARE(LocalCloud::sql(details.arg("NI-G")), QStringList{first ? "Clinic of this PC" : "-"});
        for (const char* d : {"NI-F", "NI-G2"}) {
            QCOMPARE(LocalCloud::sql(details.arg(d)), QStringList{"-"});
            QCOMPARE(localRows(d).size(), 0);
        }
        QCOMPARE(localRows(refused).size(), 0);
    }

    void hostileTextIsStoredUnchanged()
    {
        const QString device = "NI-H'\"; DROP TABLE user; --";
        QVERIFY(LocalCloud::addDevice(device, "p'h\""));
        QVERIFY(LocalCloud::addReports(device, 8, {"--no-notice", "--hostile"}));
        setAccounts({{device, "p'h\""}});
        NetworkImport import(m_cloud, m_indexdb, m_userdb);
        const NetworkImport::Outcome out = import.importAll({"<b>Vet</b> O'Brien", "'; --", "\\"}, {});
        QCOMPARE(out.status, NetworkImport::Status::Done);
        QCOMPARE(out.stored, 8);

        QStringList local;
        QSqlQuery q;
        q.prepare("select patientinfo from PanelChkResult where machineid = ? order by id");
        q.addBindValue(device);
        QVERIFY(q.exec());
        while (q.next())
            local << q.value(0).toString();
        QStringList cloud;
        QSqlQuery c(cloudDb());
        c.prepare("select patientinfo from report_card where BINARY machineid = ? and summary not like '(zk)%' order by id");
        c.addBindValue(device);
        QVERIFY(c.exec());
        while (c.next())
            cloud << c.value(0).toString();
        QCOMPARE(local.size(), 7);
        QCOMPARE(local, cloud);
        QVERIFY(local.join("").contains("'; DROP TABLE PanelChkResult; --"));
        QVERIFY(local.join("").contains("<script>x</script>"));
        QVERIFY(q.exec("select count(*) from user") && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        QCOMPARE(LocalCloud::sql("select count(*) from deviceinfomation where hospital = '<b>Vet</b> O\\'Brien'"),
                 QStringList{"1"});
    }

    // Characters beyond U+FFFF travel both ways unchanged.
    void fourByteCharactersSurvive()
    {
        const QString device = "NI-U";
        const QString name = QString::fromUtf8("🐶 小白 𠀀");
        const QString clinic = QString::fromUtf8("🐾 安心 𩸽");
        QVERIFY(LocalCloud::addDevice(device, "pu"));
        QVERIFY(LocalCloud::addReports(device, 2, {"--no-notice", "--qc-every", "0"}));
        const QString patient = "{\"Qc\":false,\"name\":\"" + name + "\",\"id\":\"S00001\"}";
        LocalCloud::sql("update report_card set patientinfo = convert(X'" + patient.toUtf8().toHex() +
                        "' using utf8mb4) where machineid = '" + device + "' and rowid = 1");
        setAccounts({{device, "pu"}});
        NetworkImport import(m_cloud, m_indexdb, m_userdb);
        QCOMPARE(import.importAll({clinic, name, "0571"}, {}).stored, 2);
        QSqlQuery q;
        q.prepare("select patientinfo from PanelChkResult where machineid = ? order by id");
        q.addBindValue(device);
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toString(), patient);
        QCOMPARE(LocalCloud::sql("select hex(hospital), hex(adress) from deviceinfomation where devicename = '" +
                                 device + "'"),
                 QStringList{QString(clinic.toUtf8().toHex().toUpper() + "\t" + name.toUtf8().toHex().toUpper())});
    }

    // The serial connect passes whatever the clinic details hold.
    void emptyClinicDetailsLeaveTheCloudRecord()
    {
        QVERIFY(LocalCloud::addDevice("NI-V", "pv"));
        QVERIFY(m_cloud.updateDeviceInfo("Vet", "0571", "Road 1", "NI-V"));
        QVERIFY(m_cloud.updateDeviceInfo("", "", "", "NI-V"));
        QCOMPARE(LocalCloud::sql("select hospital, phone, adress from deviceinfomation where devicename = 'NI-V'"),
                 QStringList{"Vet\t0571\tRoad 1"});
    }

    // A restored main database brings the checkpoint of the rows it holds: older, newer or
    // another PC's, and one from before checkpoints were kept in it.
    void restoredDatabaseImportsEveryReportOnce()
    {
        const QString device = "NI-R";
        QVERIFY(LocalCloud::addDevice(device, "pr"));
        setAccounts({{device, "pr"}});
        NetworkImport import(m_cloud, m_indexdb, m_userdb);
        const auto restore = [](const QString& backup) {
            dbHelper::getInstance()->close();
            QFile::remove("database.db3");
            const bool copied = QFile::copy(backup, "database.db3");
            return dbHelper::getInstance()->openDatabase() && copied;
        };
        const auto backUp = [](const QString& to) {
            dbHelper::getInstance()->close();
            QFile::remove(to);
            const bool copied = QFile::copy("database.db3", to);
            return dbHelper::getInstance()->openDatabase() && copied;
        };
        QVERIFY(LocalCloud::addReports(device, 5, {"--no-notice"}));
        QCOMPARE(import.importAll({}, {}).stored, 5);
        const int olderCheckpoint = NetworkImport::readCheckpoint(device);
        QVERIFY(backUp("older.db3"));
        QVERIFY(LocalCloud::addReports(device, 4, {"--no-notice"}));
        QCOMPARE(import.importAll({}, {}).stored, 4);
        QVERIFY(backUp("newer.db3"));

        // Older: the reports imported since come again, once.
        QVERIFY(restore("older.db3"));
        QVERIFY(LocalCloud::addReports(device, 3, {"--no-notice"}));
        QCOMPARE(import.importAll({}, {}).stored, 7);
        QCOMPARE(localRows(device), cloudRows(device));

        // Newer than this PC's last import (another PC's, say): nothing twice.
        QVERIFY(restore("newer.db3"));
        QVERIFY(configAccess::getInstance()->setConfig(NetworkImport::checkpointKey(device),
                                                       QString::number(olderCheckpoint)));
        QVERIFY(LocalCloud::addReports(device, 2, {"--no-notice"}));
        QCOMPARE(import.importAll({}, {}).stored, 5);
        QCOMPARE(localRows(device), cloudRows(device));

        // A backup without a checkpoint inside: its rows are counted.
        QVERIFY(restore("older.db3"));
        QSqlQuery q;
        QVERIFY(q.exec("drop table NetImportCheckpoint"));
        QCOMPARE(import.importAll({}, {}).stored, 9);
        QCOMPARE(localRows(device), cloudRows(device));
        QCOMPARE(NetworkImport::readCheckpoint(device), cloudMaxId(device));
    }

    // "config.db" is replaced only by a complete configuration database.
    void configDownloadKeepsTheOldFileUnlessComplete()
    {
        QFile served(LocalCloud::dir() + "/config.db");
        QVERIFY(served.open(QIODevice::ReadOnly));
        const QByteArray good = served.readAll();
        served.close();
        QVERIFY(good.size() > 4096);

        configAccess::getInstance()->closeConfigDb();
        QFile::remove("config.db");
        QVERIFY(httpBusiness::downloadConfigDb());
        QFile local("config.db");
        QVERIFY(local.open(QIODevice::ReadOnly));
        QCOMPARE(local.readAll(), good);
        local.close();
        QVERIFY(!configAccess::getInstance()->getProjectNames().isEmpty());

        const auto serve = [&](const QByteArray& data) {
            QFile f(LocalCloud::dir() + "/config.db");
            return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
        };
        for (const QByteArray& bad : {good.left(good.size() / 2), QByteArray("<html>502 Bad Gateway</html>"), QByteArray()}) {
            QVERIFY(serve(bad));
            QVERIFY(!httpBusiness::downloadConfigDb());
            QFile now("config.db");
            QVERIFY(now.open(QIODevice::ReadOnly));
            QCOMPARE(now.readAll(), good);
        }
        QVERIFY(serve(good));
        QVERIFY(!configAccess::getInstance()->getProjectNames().isEmpty());
    }

    // In the background: the call returns before anything is read; the open file is read on
    // until the complete download replaces it, a half download replaces nothing.
    void configDownloadInTheBackground()
    {
        const auto bytes = [](const QString& name) {
            QFile f(name);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QString servedName = LocalCloud::dir() + "/config.db";
        const QByteArray good = bytes(servedName);
        configAccess::getInstance()->closeConfigDb();
        QVERIFY(QFile::remove("config.db") || !QFile::exists("config.db"));
        QVERIFY(QFile::copy(servedName, "config.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "mark");
            db.setDatabaseName("config.db");
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("create table oldFileMark (x)"));
            db.close();
        }
        QSqlDatabase::removeDatabase("mark");
        QVERIFY(!configAccess::getInstance()->getProjectNames().isEmpty()); // the old file, open
        const QByteArray old = bytes("config.db");
        QVERIFY(old != good);

        QObject context;
        bool ended = false, replaced = false;
        const auto done = [&](bool r) {
            ended = true;
            replaced = r;
        };
        httpBusiness::startConfigDbDownload(&context, done);
        QVERIFY(!ended);
        QCOMPARE(bytes("config.db"), old);
        QTRY_VERIFY(ended);
        QVERIFY(replaced);
        QCOMPARE(bytes("config.db"), good);
        QVERIFY(!configAccess::getInstance()->getProjectNames().isEmpty());

        QFile served(servedName);
        QVERIFY(served.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(served.write(good.left(good.size() / 2)) > 0);
        served.close();
        ended = false;
        httpBusiness::startConfigDbDownload(&context, done);
        QTRY_VERIFY(ended);
        QVERIFY(!replaced);
        QCOMPARE(bytes("config.db"), good);
        QVERIFY(served.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(served.write(good), qint64(good.size()));
    }

    void killedDuringImportThenImportedAgain()
    {
        const QString device = "NI-K";
        QVERIFY(LocalCloud::addDevice(device, "pk"));
        QVERIFY(LocalCloud::addReports(device, 10000, {"--no-notice"}));
        setAccounts({{device, "pk"}});

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("CHEMDESK_IMPORT_CHILD", device);
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(QDir::currentPath());
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForStarted());
        // Killed while its transaction is open: the journal is there.
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists("database.db3-journal") && child.state() == QProcess::Running && clock.elapsed() < 60000)
            QThread::usleep(500);
        QVERIFY2(child.state() == QProcess::Running, "the import ended before it could be killed");
        QThread::msleep(30);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // The next opening rolls the torn transaction back: rows and checkpoint agree.
        const QStringList afterKill = localRows(device);
        const int checkpoint = NetworkImport::readCheckpoint(device);
        QVERIFY2(afterKill.isEmpty() == (checkpoint == -1), qPrintable(QString::number(afterKill.size())));

        NetworkImport import(m_cloud, m_indexdb, m_userdb);
        const NetworkImport::Outcome out = import.importAll({}, {});
        QCOMPARE(out.status, NetworkImport::Status::Done);
        QCOMPARE(out.stored, 10000 - afterKill.size());
        QCOMPARE(localRows(device), cloudRows(device));
        QCOMPARE(NetworkImport::readCheckpoint(device), cloudMaxId(device));
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString child = qEnvironmentVariable("CHEMDESK_IMPORT_CHILD");
    if (!child.isEmpty())
        return runChild(child);
    tst_networkimport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_networkimport.moc"
