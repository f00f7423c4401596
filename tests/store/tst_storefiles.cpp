#include "FileUtils.h"
#include "Indexdb.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "Userdb.h"
#include "dbHelper.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QtTest>

// Seed files, the start-up schema upgrade and opening the main database by acquisition mode.
class tst_storefiles : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { closeStoreConnections(); }

    void seedsWhenMissingAndKeepsExistingFile()
    {
        TempWorkDir dir;
        QVERIFY(dir.isValid());
        {
            // The seeds already have the schema that the upgrade brings.
            LogCapture log;
            QVERIFY(dbHelper::prepareMainDatabases());
            QVERIFY2(!log.contains("create table") && !log.contains("add column"),
                     qPrintable(log.lines().join('\n')));
        }
        for (const char* name : {"database.db2", "database.db3"}) {
            QVERIFY2(QFile::exists(name), name);
            QVERIFY(QFileInfo(name).isWritable());
            QVERIFY(sqlValue(name, "select count(*) from species").toInt() > 0);
        }
        // A user's own database is left alone.
        QVERIFY(QFile::remove("database.db2"));
        QVERIFY(runSqlScript(testDataDir() + "/store/old_database.sql", "database.db2"));
        copyFileIfMissing(":/DB/Chinese/database.db2", "database.db2");
        QCOMPARE(sqlValue("database.db2", "select count(*) from species").toInt(), 1);
        QCOMPARE(sqlValue("database.db2", "select count(*) from PanelChkResult").toInt(), 2);
    }

    void copiedSeedIsWritableEvenFromResource()
    {
        TempWorkDir dir;
        copyFileIfMissing(":/DB/Chinese/config.db", "config.db");
        QVERIFY(QFile::exists("config.db"));
        QVERIFY(QFile::permissions("config.db") & QFileDevice::WriteOwner);
    }

    void copyOverwriteReplacesAndKeepsTargetOnFailure()
    {
        TempWorkDir dir;
        QFile a("a.db");
        QVERIFY(a.open(QIODevice::WriteOnly));
        a.write("new contents");
        a.close();
        QFile b("b.db");
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.write("old");
        b.close();
        copyFileOverwrite("a.db", "b.db");
        QVERIFY(b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), QByteArray("new contents"));
        b.close();
        // A missing source must not cost the existing target.
        copyFileOverwrite("missing.db", "b.db");
        QVERIFY(b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), QByteArray("new contents"));
        b.close();
        QVERIFY(!QFile::exists("b.db.part"));
    }

    void upgradeAddsColumnsAndKeepsRows()
    {
        TempWorkDir dir;
        QVERIFY(runSqlScript(testDataDir() + "/store/old_database.sql", "database.db2"));
        QVERIFY(dbHelper::upgradeSchema("database.db2"));
        QVERIFY(!QSqlDatabase::contains("init"));
        QCOMPARE(sqlValue("database.db2", "select count(*) from PanelChkResult").toInt(), 2);
        QCOMPARE(sqlValue("database.db2", "select count(*) from PanelQcResult").toInt(), 1);
        QCOMPARE(sqlValue("database.db2", "select count(*) from user").toInt(), 1);
        QCOMPARE(sqlValue("database.db2", "select count(*) from species").toInt(), 1);
        // New columns carry their defaults on old rows: QC rows stay shown.
        QCOMPARE(sqlValue("database.db2", "select \"show\" from PanelQcResult").toInt(), 1);
        QCOMPARE(sqlValue("database.db2", "select testType from PanelChkResult where id=1").toInt(), 0);
        QCOMPARE(sqlValue("database.db2", "select aiResult from PanelChkResult where id=1").toString(), QString(""));
        QCOMPARE(sqlValue("database.db2", "select count(*) from referencevalue").toInt(), 0);
        // A second run changes nothing.
        QVERIFY(dbHelper::upgradeSchema("database.db2"));
        QCOMPARE(sqlValue("database.db2", "select count(*) from PanelChkResult").toInt(), 2);

        // The upgraded file reads and writes through the store.
        QVERIFY(dbHelper::getInstance()->openDatabase());
        Indexdb db;
        QVector<PanelChkRecord> live;
        QVERIFY(db.queryLive(&live));
        QCOMPARE(live.size(), 1);
        QCOMPARE(live[0].name, QString("旺财"));
        QCOMPARE(live[0].age, QString("730"));
        QCOMPARE(live[0].sampleid, QString("S-001"));
        QCOMPARE(live[0].chkdatetime, QDateTime(QDate(2023, 5, 1), QTime(9, 30)));
        live[0].aiResult = "ok";
        QVERIFY(db.updateData(live[0]));
        QVector<PanelQcResult> qc;
        QVERIFY(db.queryQc(QcQueryFilter(), &qc));
        QCOMPARE(qc.size(), 1);
        QCOMPARE(qc[0].QcLot, QString("L2023"));
    }

    void upgradeMovesLiveQcRunsToQcTableOnce()
    {
        TempWorkDir dir;
        QVERIFY(dbHelper::prepareMainDatabases());
        QVERIFY(dbHelper::getInstance()->openDatabase());
        Indexdb db;
        PanelChkRecord r;
        r.chkdatetime = QDateTime(QDate(2024, 6, 1), QTime(9, 0));
        r.machineid = "QV9";
        r.panelid = 7;
        r.panelindex = 21;
        r.panellot = 2401;
        r.patientinfo = R"({"name":"质控","division":2})";
        r.testresults = R"([{"N":"TP","I":[60,0,0,58,0,"g/L"]}])";
        r.speciesname = "2";
        r.Errcode = "0004";
        r.QcLot = "QC-L1";
        QVERIFY(db.insertData(r)); // a sample
        r.testType = 1;
        QVERIFY(db.insertData(r)); // a live QC run left among the samples
        r.state = 0;
        QVERIFY(db.insertData(r)); // a deleted QC run stays where it is
        r.state = 1;
        r.status = 0;
        r.testresults.clear();
        QVERIFY(db.insertData(r)); // an unlisted QC run without results stays too
        QCOMPARE(db.countByMachine("QV9"), 4);
        dbHelper::getInstance()->close();

        for (int pass = 0; pass < 2; ++pass) {
            QVERIFY(dbHelper::upgradeSchema("database.db2"));
            QCOMPARE(sqlValue("database.db2", "select count(*) from PanelQcResult").toInt(), 1);
        }
        QCOMPARE(sqlValue("database.db2", "select status from PanelChkResult where id=2").toInt(), 0);

        QVERIFY(dbHelper::getInstance()->openDatabase());
        QVector<PanelQcResult> qc;
        QVERIFY(db.queryQc(QcQueryFilter(), &qc));
        QCOMPARE(qc.size(), 1);
        QCOMPARE(qc[0].QcProduct, 0);
        QCOMPARE(qc[0].QcLot, QString("QC-L1"));
        QCOMPARE(qc[0].division, QString("2"));
        QCOMPARE(qc[0].panelid, 7);
        QCOMPARE(qc[0].panelindex, 21);
        QCOMPARE(qc[0].panellot, QString("2401"));
        QCOMPARE(qc[0].machineid, QString("QV9"));
        QCOMPARE(qc[0].chkdatetime, r.chkdatetime);
        QCOMPARE(qc[0].result, QString(R"([{"N":"TP","I":[60,0,0,58,0,"g/L"]}])"));
        QCOMPARE(qc[0].Errcode, QString("0004"));
        QCOMPARE(qc[0].patientinfo, r.patientinfo);
        // The result list no longer shows it; every row still counts once.
        QVector<PanelChkRecord> live;
        QVERIFY(db.queryLive(&live));
        QCOMPARE(live.size(), 1);
        QCOMPARE(live[0].testType, 0);
        QCOMPARE(db.countByMachine("QV9"), 4);
        QVector<PanelChkRecord> all;
        QVERIFY(db.queryAllByMachine(QueryFilter{QDateTime(), QDateTime(), {}, {}, {}, {}, {}, "QV9"}, &all));
        QCOMPARE(all.size(), 4);
    }

    void damagedFilesFailWithLogLine()
    {
        TempWorkDir dir;
        QFile f("database.db2");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        LogCapture log;
        QVERIFY(!dbHelper::upgradeSchema("database.db2"));
        QVERIFY(log.contains("dbHelper::upgradeSchema"));
        QVERIFY(!QSqlDatabase::contains("init"));
        QVERIFY(!dbHelper::getInstance()->openDatabase());
        QVERIFY(log.contains("m_sqlDatabase open ERR:"));
        // The damaged file is not replaced by a seed behind the user's back.
        QCOMPARE(QFileInfo("database.db2").size(), qint64(4096));
        // Data classes on a closed database answer false, not crash.
        Indexdb idx;
        PanelChkRecord r;
        QVERIFY(!idx.insertData(r));
        QVector<PanelChkRecord> out;
        QVERIFY(!idx.queryLive(&out));
        QCOMPARE(idx.countByMachine("x"), -1);
        Userdb users;
        QVERIFY(!users.insertData(UserEntry()));
    }

    void openDatabaseFollowsAcquisitionMode()
    {
        TempWorkDir dir;
        QVERIFY(dbHelper::prepareMainDatabases());
        {
            LogCapture log;
            QVERIFY(dbHelper::getInstance()->openDatabase());
            QVERIFY(log.contains("start") && log.contains("database.db2"));
        }
        QCOMPARE(QFileInfo(QSqlDatabase::database().databaseName()).fileName(), QString("database.db2"));
        {
            QDir().mkpath("saveFile");
            QSettings s("./saveFile/database.ini", QSettings::IniFormat);
            s.setValue("systemCfg/get", 3);
        }
        dbHelper::getInstance()->close();
        QVERIFY(!QSqlDatabase::database(QSqlDatabase::defaultConnection, false).isOpen());
        QVERIFY(dbHelper::getInstance()->openDatabase());
        QCOMPARE(QFileInfo(QSqlDatabase::database().databaseName()).fileName(), QString("database.db3"));
        PanelChkRecord r;
        r.machineid = "NET1";
        QVERIFY(Indexdb().insertData(r));
        QCOMPARE(sqlValue("database.db3", "select count(*) from PanelChkResult").toInt(), 1);
        QCOMPARE(sqlValue("database.db2", "select count(*) from PanelChkResult").toInt(), 0);

        // A main database removed while the program runs comes back from the seed, not as an
        // empty file that cannot store a result.
        dbHelper::getInstance()->close();
        QVERIFY(QFile::remove("database.db3"));
        QVERIFY(dbHelper::getInstance()->openDatabase());
        QVERIFY(Indexdb().insertData(r));
        QCOMPARE(sqlValue("database.db3", "select count(*) from PanelChkResult").toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_storefiles)
#include "tst_storefiles.moc"
