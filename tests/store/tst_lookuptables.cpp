#include "Animalsexdb.h"
#include "Clinicaldb.h"
#include "Clinicaldiagnosisdb.h"
#include "Divisiondb.h"
#include "Inspectdb.h"
#include "Inspectordb.h"
#include "Projectnamedb.h"
#include "Referencevaluedb.h"
#include "Reviewerdb.h"
#include "Sampletypedb.h"
#include "Sendinspectordb.h"
#include "Speciesdb.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "Userdb.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <memory>

namespace {

template <class T>
bool dictQuery(QVector<DictEntry>* out)
{
    T t;
    return t.queryAll(out);
}

} // namespace

// Lookup lists and device accounts of the main database.
class tst_lookuptables : public QObject
{
    Q_OBJECT
private:
    TempWorkDir* m_dir = nullptr;

private slots:
    void init()
    {
        m_dir = new TempWorkDir;
        QVERIFY(openFreshMainDatabase());
    }
    void cleanup()
    {
        closeStoreConnections();
        delete m_dir;
        m_dir = nullptr;
    }

    void everyListIsSeededAndStaysOpen_data()
    {
        QTest::addColumn<QString>("table");
        for (const char* t : {"animalsex", "clinicaldiagnosis", "division", "inspectremark", "inspector",
                              "projectname", "reviewer", "sampletype", "sendinspector", "species"})
            QTest::newRow(t) << QString(t);
    }
    void everyListIsSeededAndStaysOpen()
    {
        QFETCH(QString, table);
        using Query = bool (*)(QVector<DictEntry>*);
        const QMap<QString, Query> queries{
            {"animalsex", &dictQuery<Animalsexdb>},        {"clinicaldiagnosis", &dictQuery<Clinicaldiagnosisdb>},
            {"division", &dictQuery<Divisiondb>},          {"inspectremark", &dictQuery<Inspectdb>},
            {"inspector", &dictQuery<Inspectordb>},        {"projectname", &dictQuery<Projectnamedb>},
            {"reviewer", &dictQuery<Reviewerdb>},          {"sampletype", &dictQuery<Sampletypedb>},
            {"sendinspector", &dictQuery<Sendinspectordb>}, {"species", &dictQuery<Speciesdb>}};
        QVector<DictEntry> entries{DictEntry{-5, "kept"}};
        QVERIFY(queries.value(table)(&entries));
        QCOMPARE(entries[0].name, QString("kept")); // appended, not emptied
        QCOMPARE(entries.size() - 1, sqlValue("database.db2", "select count(*) from " + table).toInt());
        QVERIFY(entries.size() > 2);
        for (int i = 2; i < entries.size(); ++i)
            QVERIFY(entries[i - 1].id < entries[i].id);
        // The shared main connection is still open afterwards.
        QVERIFY(QSqlDatabase::database(QSqlDatabase::defaultConnection, false).isOpen());
        QVERIFY(queries.value(table)(&entries));
    }

    void replaceRowsRoundTrip()
    {
        Speciesdb species;
        QCOMPARE(species.tableName(), QString("species"));
        QCOMPARE(species.columns(), QStringList{"name"});
        const QVector<QStringList> rows{{"内科"}, {"O'Neil \"; DROP TABLE species; --"}, {""}};
        QVERIFY(species.replaceRows(rows));
        QVector<QStringList> back;
        QVERIFY(species.queryRows(&back));
        QCOMPARE(back, rows);
        QVector<DictEntry> entries;
        QVERIFY(species.queryAll(&entries));
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[1].name, rows[1][0]);
        QVERIFY(species.replaceRows({}));
        back.clear();
        QVERIFY(species.queryRows(&back));
        QVERIFY(back.isEmpty());
    }

    void failedReplaceKeepsOldContents()
    {
        Inspectordb inspectors;
        QVector<QStringList> before;
        QVERIFY(inspectors.queryRows(&before));
        QVERIFY(!before.isEmpty());
        LogCapture log;
        // A row with the wrong number of values fails the whole replacement.
        QVERIFY(!inspectors.replaceRows({{"新人"}, {"a", "b"}}));
        QVERIFY(log.contains("LookupTabledb::replaceRows"));
        QVector<QStringList> after;
        QVERIFY(inspectors.queryRows(&after));
        QCOMPARE(after, before);
        // A statement failing half-way does too.
        QSqlQuery q(QSqlDatabase::database());
        QVERIFY(q.exec("CREATE TRIGGER stop BEFORE INSERT ON inspector WHEN new.name = 'bad' "
                       "BEGIN SELECT RAISE(ABORT, 'blocked'); END"));
        QVERIFY(!inspectors.replaceRows({{"甲"}, {"bad"}}));
        after.clear();
        QVERIFY(inspectors.queryRows(&after));
        QCOMPARE(after, before);
    }

    void clinicalAndReferenceValues()
    {
        Clinicaldb clinical;
        QVector<ClinicalEntry> c;
        QVERIFY(clinical.queryAll(&c));
        QVERIFY(!c.isEmpty());
        QCOMPARE(c[0].projectname, QString("TP"));
        QVERIFY(!c[0].projectvalue.isEmpty());
        QVERIFY(clinical.replaceRows({{"ALT", "肝细胞损伤", "备注'1"}}));
        c.clear();
        QVERIFY(clinical.queryAll(&c));
        QCOMPARE(c.size(), 1);
        QCOMPARE(c[0].remark, QString("备注'1"));

        Referencevaluedb ref;
        QVector<ReferencevalueEntry> r;
        QVERIFY(ref.queryAll(&r));
        QVERIFY(r.size() >= 19);
        QCOMPARE(r[0].projectid, 1);
        QCOMPARE(r[0].projectname, QString("TP"));
        QCOMPARE(r[0].projectchnname, QString("总蛋白"));
        QVERIFY(ref.replaceRows({{"7", "CRE", "肌酐"}, {"3", "ALB", "白蛋白"}}));
        r.clear();
        QVERIFY(ref.queryAll(&r));
        QCOMPARE(r.size(), 2);
        QCOMPARE(r[0].projectid, 3);
        QCOMPARE(r[1].projectname, QString("CRE"));
        // Two rows with one key: nothing is replaced.
        QVERIFY(!ref.replaceRows({{"1", "TP", "总蛋白"}, {"1", "TP", "总蛋白"}}));
        r.clear();
        QVERIFY(ref.queryAll(&r));
        QCOMPARE(r.size(), 2);
    }

    void deviceAccounts()
    {
        Userdb users;
        QVector<UserEntry> list;
        QVERIFY(users.queryAll(&list));
        QVERIFY(list.isEmpty());
        QVERIFY(users.insertData(UserEntry{77, "QV1001", "p'w\"; DROP TABLE user;"}));
        QVERIFY(users.insertData(UserEntry{0, "QV2002", "x"}));
        QVERIFY(users.queryAll(&list));
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].devicename, QString("QV1001"));
        QCOMPARE(list[0].devicepassword, QString("p'w\"; DROP TABLE user;"));
        QVERIFY(list[0].id != 77);
        QVERIFY(users.deleteById(list[0].id));
        list.clear();
        QVERIFY(users.queryAll(&list));
        QCOMPARE(list.size(), 1);

        QSqlQuery q(QSqlDatabase::database());
        QVERIFY(q.exec("DROP TABLE user"));
        LogCapture log;
        QVERIFY(!users.insertData(UserEntry{0, "QV3003", "y"}));
        QVERIFY(log.contains("Userdb::insertData sql:"));
        QVERIFY(!users.queryAll(&list));
        QVector<DictEntry> d;
        QVERIFY(q.exec("DROP TABLE reviewer"));
        QVERIFY(!Reviewerdb().queryAll(&d));
        QVERIFY(d.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_lookuptables)
#include "tst_lookuptables.moc"
