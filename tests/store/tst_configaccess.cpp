#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "configAccess.h"

#include <QFile>
#include <QDir>
#include <QtTest>

// Key/value settings, the administrator password and the QC limits of the configuration files.
class tst_configaccess : public QObject
{
    Q_OBJECT
private:
    TempWorkDir* m_dir = nullptr;
    configAccess* cfg() { return configAccess::getInstance(); }

private slots:
    void init() { m_dir = new TempWorkDir; }
    void cleanup()
    {
        closeStoreConnections();
        delete m_dir;
        m_dir = nullptr;
    }

    void seedsConfigRwOnFirstUse()
    {
        QVERIFY(!QFile::exists("config_rw.db"));
        QCOMPARE(cfg()->getConfig("islogin"), QString("0"));
        QVERIFY(QFile::exists("config_rw.db"));
        QVERIFY(!cfg()->getPasswd("admin").isEmpty());
        QCOMPARE(cfg()->getPasswd("nobody"), QString());
        QCOMPARE(cfg()->getConfig("no such key"), QString());
    }

    void setConfigUpsertsAndKeepsNote()
    {
        QVERIFY(cfg()->setConfig("QV1001_NETMAXID", "17"));
        QCOMPARE(cfg()->getConfig("QV1001_NETMAXID"), QString("17"));
        QVERIFY(cfg()->setConfig("QV1001_NETMAXID", "-1"));
        QCOMPARE(cfg()->getConfig("QV1001_NETMAXID"), QString("-1"));
        QCOMPARE(sqlValue("config_rw.db", "select count(*) from config where keyName='QV1001_NETMAXID'").toInt(), 1);
        // An existing key keeps its note.
        const QString note = sqlValue("config_rw.db", "select notes from config where keyName='islogin'").toString();
        QVERIFY(!note.isEmpty());
        QVERIFY(cfg()->setConfig("islogin", "1"));
        QCOMPARE(cfg()->getConfig("islogin"), QString("1"));
        QCOMPARE(sqlValue("config_rw.db", "select notes from config where keyName='islogin'").toString(), note);
    }

    void quotesInKeyAndValue()
    {
        const QString key = QStringLiteral("dev'ice\"1_NETMAXID");
        const QString value = QStringLiteral("it's \"quoted\"'); DROP TABLE config; --");
        QVERIFY(cfg()->setConfig(key, value));
        QCOMPARE(cfg()->getConfig(key), value);
        QVERIFY(cfg()->setConfig("plain", "x"));
        QCOMPARE(cfg()->getConfig("plain"), QString("x"));
        QVERIFY(cfg()->setPasswd("admin", "pa'ss\"word"));
        QCOMPARE(cfg()->getPasswd("admin"), QString("pa'ss\"word"));
        QCOMPARE(cfg()->getPasswd("admin' or '1'='1"), QString());
    }

    void clearRecordConfigRemovesOnlyCheckpoints()
    {
        QVERIFY(cfg()->setConfig("QV1001_NETMAXID", "5"));
        QVERIFY(cfg()->setConfig("QV2002_NETMAXID", "9"));
        QVERIFY(cfg()->setConfig("_NETMAXID_backup", "keep"));
        QVERIFY(cfg()->setConfig("QV3003_netmaxid", "keep"));
        QVERIFY(cfg()->setConfig("QV3003XNETMAXID", "keep"));
        QVERIFY(cfg()->clearRecordConfig());
        QCOMPARE(cfg()->getConfig("QV1001_NETMAXID"), QString());
        QCOMPARE(cfg()->getConfig("QV2002_NETMAXID"), QString());
        QCOMPARE(cfg()->getConfig("_NETMAXID_backup"), QString("keep"));
        QCOMPARE(cfg()->getConfig("QV3003_netmaxid"), QString("keep"));
        QCOMPARE(cfg()->getConfig("QV3003XNETMAXID"), QString("keep"));
        QCOMPARE(cfg()->getConfig("islogin"), QString("0"));
    }

    void qcLimitsAndReferenceRanges()
    {
        const QVector<double> tp = cfg()->getQcLimits("TP");
        QCOMPARE(tp.size(), 2);
        QVERIFY(tp[0] < tp[1]);
        QCOMPARE(cfg()->getQcLimits("ALT").size(), 2);
        QVERIFY(cfg()->getQcLimits("NOPE").isEmpty());
        QVERIFY(cfg()->getQcLimits("tp").isEmpty()); // exact code only

        // Limits come from the file on first use and are kept.
        QCOMPARE(sqlValue("config.db", "update QC set downLimit = 1, upLimit = 2 where projectName='TP'").isValid(),
                 false);
        QCOMPARE(cfg()->getQcLimits("TP"), tp);
        cfg()->closeConfigDb();
        QCOMPARE(cfg()->getQcLimits("TP"), (QVector<double>{1.0, 2.0}));

        QVector<ReferenceRange> ranges;
        QVERIFY(cfg()->getReferenceRanges("CRE", &ranges));
        QVERIFY(ranges.size() >= 2);
        for (const ReferenceRange& r : ranges) {
            QCOMPARE(r.indicators, QString("CRE"));
            QVERIFY(r.down < r.up);
            QCOMPARE(r.unit, QString("umol/L"));
        }
        const QStringList codes = cfg()->getProjectNames();
        for (const char* code : {"TP", "ALB", "GLOB", "ALT", "AST", "ALP", "GGT", "TBIL", "DBIL", "BUN", "CRE",
                                 "GLU", "CHOL", "TG", "Ca", "P", "AMY", "CK", "LDH"})
            QVERIFY2(codes.contains(code), code);
    }

    void unopenableConfigRwGivesEmptyAndLog()
    {
        QVERIFY(QDir().mkdir("config_rw.db"));
        LogCapture log;
        QCOMPARE(cfg()->getConfig("islogin"), QString());
        QVERIFY(log.contains("configAccess::getConfig DB_CONFIG_RW.open"));
        QVERIFY(!cfg()->setConfig("a", "b"));
        QVERIFY(log.contains("configAccess::setConfig DB_CONFIG_RW.open"));
        QCOMPARE(cfg()->getPasswd("admin"), QString());
        QVERIFY(log.contains("configAccess::getPasswd DB_CONFIG_RW.open"));
    }

    void damagedConfigFilesGiveEmptyAndLog()
    {
        for (const char* name : {"config.db", "config_rw.db"}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(2048, '\x7f'));
        }
        LogCapture log;
        QVERIFY(cfg()->getQcLimits("TP").isEmpty());
        QVERIFY(log.contains("configAccess::getQcLimits"));
        QCOMPARE(cfg()->getConfig("islogin"), QString());
        QVERIFY(log.contains("configAccess::getConfig sql:"));
        QVERIFY(!cfg()->setConfig("a", "b"));
        QVERIFY(log.contains("configAccess::setConfig sql:"));
        QCOMPARE(cfg()->getPasswd("admin"), QString());
        QVERIFY(!cfg()->clearRecordConfig());
        QVector<ReferenceRange> ranges;
        QVERIFY(!cfg()->getReferenceRanges("TP", &ranges));
        // The damaged files are left for the user to inspect.
        QCOMPARE(QFileInfo("config_rw.db").size(), qint64(2048));
    }
};

QTEST_GUILESS_MAIN(tst_configaccess)
#include "tst_configaccess.moc"
