#include <QtTest>

#include "CloudConfig.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "UuidHolder.h"

#include <QDir>
#include <QSettings>
#include <QUuid>

// Where the cloud lives comes from "./saveFile/cloud.ini", by the stored region.
class tst_cloudconfig : public QObject
{
    Q_OBJECT

    static void writeIni(const QString& file, const QString& group, const QVariantMap& values)
    {
        QDir().mkpath("saveFile");
        QSettings ini(file, QSettings::IniFormat);
        ini.setIniCodec("UTF8");
        ini.beginGroup(group);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            ini.setValue(it.key(), it.value());
    }

private slots:
    void missingFileGivesLocalDefaults()
    {
        TempWorkDir dir;
        const CloudConfig c = CloudConfig::current();
        QVERIFY(c.domestic);
        QCOMPARE(c.httpHost, QString("127.0.0.1"));
        QCOMPARE(c.mysqlHost, QString("127.0.0.1"));
        QCOMPARE(c.mysqlPort, 3306);
        QCOMPARE(c.amqpHost, QString("127.0.0.1"));
        QCOMPARE(c.amqpPort, 5672);
        QCOMPARE(getDbsource(), QString("cn"));
    }

    void regionPicksItsSection()
    {
        TempWorkDir dir;
        writeIni(CloudConfig::fileName(), "cn",
                 {{"mysqlHost", "db.cn.example"}, {"mysqlPort", 3307}, {"httpHost", "h.cn.example"}});
        writeIni(CloudConfig::fileName(), "overseas",
                 {{"mysqlHost", "db.eu.example"}, {"mysqlDatabase", "reports"},
                  {"mysqlUser", "clinic"}, {"mysqlPassword", "s3cr=t;x"}, {"amqpVhost", "/vet"}});

        CloudConfig cn = CloudConfig::current();
        QVERIFY(cn.domestic);
        QCOMPARE(cn.mysqlHost, QString("db.cn.example"));
        QCOMPARE(cn.mysqlPort, 3307);
        QCOMPARE(cn.httpHost, QString("h.cn.example"));

        writeIni("./saveFile/systemsetting.ini", "ChangeLanguage", {{"Dbsource", "en"}});
        CloudConfig eu = CloudConfig::current();
        QVERIFY(!eu.domestic);
        QCOMPARE(eu.mysqlHost, QString("db.eu.example"));
        QCOMPARE(eu.mysqlPort, 3306);  // not in the section: default
        QCOMPARE(eu.mysqlDatabase, QString("reports"));
        QCOMPARE(eu.mysqlUser, QString("clinic"));
        QCOMPARE(eu.mysqlPassword, QString("s3cr=t;x"));
        QCOMPARE(eu.amqpVhost, QString("/vet"));
        QCOMPARE(eu.httpHost, QString("127.0.0.1"));

        // Only the exact key "cn" is domestic.
        QVERIFY(!CloudConfig::forRegion("CN").domestic);
        QCOMPARE(CloudConfig::sectionOf("CN"), QString("overseas"));
        QCOMPARE(CloudConfig::sectionOf("cn"), QString("cn"));
    }

    void badPortFallsBack()
    {
        TempWorkDir dir;
        writeIni(CloudConfig::fileName(), "cn", {{"mysqlPort", "abc"}, {"amqpPort", 70000}});
        const CloudConfig c = CloudConfig::current();
        QCOMPARE(c.mysqlPort, 3306);
        QCOMPARE(c.amqpPort, 5672);
    }

    void uuidIsMadeOncePerProcess()
    {
        UuidHolder* holder = UuidHolder::getInstance();
        QCOMPARE(UuidHolder::getInstance(), holder);
        const QString id = holder->uuid();
        QCOMPARE(id.size(), 38);
        QVERIFY(id.startsWith('{') && id.endsWith('}'));
        QVERIFY(!QUuid(id).isNull());
        QCOMPARE(UuidHolder::getInstance()->uuid(), id);
    }
};

QTEST_MAIN(tst_cloudconfig)
#include "tst_cloudconfig.moc"
