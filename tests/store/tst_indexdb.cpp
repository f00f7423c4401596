#include "Indexdb.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "dbHelper.h"

#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

PanelChkRecord sample(const QString& machine, const QDateTime& when, const QString& name, const QString& code)
{
    PanelChkRecord r;
    r.chkdatetime = when;
    r.machineid = machine;
    r.panelid = 3;
    r.panelindex = 42;
    r.panellot = 2401;
    r.patientinfo = QString(R"({"name":"%1","age":1100,"division":1,"number":"N-%1","id":"SID-%1","birthday":"2021-03-04"})")
                        .arg(name);
    r.testresults = QString(R"([{"N":"%1","I":[61.5,52,82,0,0,"g/L"]}])").arg(code);
    r.mastername = "主人";
    r.speciesname = "内科";
    r.animalsexname = "0";
    r.sampletypename = "1";
    r.sendinspectorname = "赵医生";
    r.sendinspectordate = when.addSecs(-3600);
    r.sampletime = when.addSecs(-1800);
    r.inspectorname = "张敏";
    r.reviewername = "刘洋";
    r.clinicalinformation = "健康体检";
    r.remark = "无";
    r.Errcode = "001";
    return r;
}

QList<int> idsOf(const QVector<PanelChkRecord>& v)
{
    QList<int> ids;
    for (const PanelChkRecord& r : v)
        ids << r.id;
    return ids;
}

const QDateTime kDay(QDate(2024, 6, 10), QTime(8, 0));

// Every field of two read results, side by side, for the first that differs.
QString firstDifference(const PanelChkRecord& a, const PanelChkRecord& b)
{
    const QList<QPair<const char*, QPair<QVariant, QVariant>>> fields = {
        {"id", {a.id, b.id}}, {"chkdatetime", {a.chkdatetime, b.chkdatetime}},
        {"machineid", {a.machineid, b.machineid}}, {"panelid", {a.panelid, b.panelid}},
        {"panelindex", {a.panelindex, b.panelindex}}, {"panellot", {a.panellot, b.panellot}},
        {"patientinfo", {a.patientinfo, b.patientinfo}}, {"age", {a.age, b.age}}, {"name", {a.name, b.name}},
        {"division", {a.division, b.division}}, {"number", {a.number, b.number}},
        {"sampleid", {a.sampleid, b.sampleid}}, {"testresults", {a.testresults, b.testresults}},
        {"mastername", {a.mastername, b.mastername}}, {"speciesname", {a.speciesname, b.speciesname}},
        {"animalsexname", {a.animalsexname, b.animalsexname}},
        {"sampletypename", {a.sampletypename, b.sampletypename}},
        {"sendinspectorname", {a.sendinspectorname, b.sendinspectorname}},
        {"sendinspectordate", {a.sendinspectordate, b.sendinspectordate}},
        {"sampletime", {a.sampletime, b.sampletime}}, {"inspectorname", {a.inspectorname, b.inspectorname}},
        {"reviewername", {a.reviewername, b.reviewername}},
        {"clinicalinformation", {a.clinicalinformation, b.clinicalinformation}}, {"remark", {a.remark, b.remark}},
        {"state", {a.state, b.state}}, {"Errcode", {a.Errcode, b.Errcode}}, {"status", {a.status, b.status}},
        {"birthday", {a.birthday, b.birthday}}, {"testType", {a.testType, b.testType}},
        {"QcLot", {a.QcLot, b.QcLot}}, {"aiResult", {a.aiResult, b.aiResult}}};
    for (const auto& f : fields) {
        if (f.second.first != f.second.second || f.second.first.isNull() != f.second.second.isNull())
            return QStringLiteral("id %1 %2: %3 / %4")
                .arg(a.id)
                .arg(QLatin1String(f.first), f.second.first.toString(), f.second.second.toString());
    }
    return QString();
}

} // namespace

// The result store on a real main database in a temporary working directory.
class tst_indexdb : public QObject
{
    Q_OBJECT
private:
    TempWorkDir* m_dir = nullptr;
    Indexdb m_db;

    void fillFour()
    {
        PanelChkRecord a = sample("M1", kDay, "旺财", "TP");
        PanelChkRecord b = sample("M1", kDay.addDays(1), "咪咪", "ALB");
        PanelChkRecord c = sample("M2", kDay.addDays(2), "大黄", "TP");
        c.speciesname = "外科";
        PanelChkRecord d = sample("M2", kDay.addDays(3), "小白", "ALP");
        for (PanelChkRecord* r : {&a, &b, &c, &d})
            QVERIFY(m_db.insertData(*r));
    }

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

    void qcResultTravelsAsMetaType()
    {
        const int type = QMetaType::type("PanelQcResult");
        QVERIFY(type != QMetaType::UnknownType);
        PanelQcResult r;
        r.QcLot = "L1";
        const QVariant v(type, &r);
        QCOMPARE(v.value<PanelQcResult>().QcLot, QString("L1"));
        QCOMPARE(PanelQcResult().id, -1);
        QCOMPARE(QcQueryFilter().QcProduct, -1);
    }

    void insertAndReadBackEveryField()
    {
        PanelChkRecord in = sample("QV-1", kDay, "旺财", "TP");
        in.id = 999; // not stored
        in.testType = 1;
        in.QcLot = "LOT7";
        in.aiResult = "ignored on insert";
        QVERIFY(m_db.insertData(in));
        QVector<PanelChkRecord> out;
        QVERIFY(m_db.queryLive(&out));
        QCOMPARE(out.size(), 1);
        const PanelChkRecord& r = out[0];
        QVERIFY(r.id != 999);
        QCOMPARE(r.chkdatetime, in.chkdatetime);
        QCOMPARE(r.machineid, in.machineid);
        QCOMPARE(r.panelid, 3);
        QCOMPARE(r.panelindex, 42);
        QCOMPARE(r.panellot, 2401);
        QCOMPARE(r.patientinfo, in.patientinfo);
        QCOMPARE(r.testresults, in.testresults);
        QCOMPARE(r.mastername, in.mastername);
        QCOMPARE(r.speciesname, in.speciesname);
        QCOMPARE(r.animalsexname, in.animalsexname);
        QCOMPARE(r.sampletypename, in.sampletypename);
        QCOMPARE(r.sendinspectorname, in.sendinspectorname);
        QCOMPARE(r.sendinspectordate, in.sendinspectordate);
        QCOMPARE(r.sampletime, in.sampletime);
        QCOMPARE(r.inspectorname, in.inspectorname);
        QCOMPARE(r.reviewername, in.reviewername);
        QCOMPARE(r.clinicalinformation, in.clinicalinformation);
        QCOMPARE(r.remark, in.remark);
        QCOMPARE(r.state, 1);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.Errcode, QString("001"));
        QCOMPARE(r.testType, 1);
        QCOMPARE(r.QcLot, QString("LOT7"));
        QCOMPARE(r.aiResult, QString());
        // Patient fields come from the patient information.
        QCOMPARE(r.name, QString("旺财"));
        QCOMPARE(r.age, QString("1100"));
        QCOMPARE(r.division, QString("1"));
        QCOMPARE(r.number, QString("N-旺财"));
        QCOMPARE(r.sampleid, QString("SID-旺财"));
        QCOMPARE(r.birthday, QString("2021-03-04"));

        // queryById appends the same record; unknown or deleted ids give nothing.
        QVector<PanelChkRecord> byId{PanelChkRecord()};
        QVERIFY(m_db.queryById(QString::number(r.id), &byId));
        QCOMPARE(byId.size(), 2);
        QCOMPARE(byId[1].name, QString("旺财"));
        QVector<PanelChkRecord> none;
        QVERIFY(m_db.queryById("12345", &none));
        QVERIFY(none.isEmpty());
        QVERIFY(m_db.queryById("1' or '1'='1", &none));
        QVERIFY(none.isEmpty());
    }

    void updateDataWritesCaseFieldsAndReportsMissingRow()
    {
        PanelChkRecord in = sample("QV-1", kDay, "旺财", "TP");
        in.birthday = "2021-03-04";
        QVERIFY(m_db.insertData(in));
        QVector<PanelChkRecord> out;
        QVERIFY(m_db.queryLive(&out));
        PanelChkRecord r = out.value(0);
        r.mastername = "李女士";
        r.testresults = R"([{"N":"TP","I":[70,52,82,0,0,"g/L"],"addType":1}])";
        r.aiResult = "提示：肝功能正常";
        r.sampletime = QDateTime();
        r.remark = "复查";
        QVERIFY(m_db.updateData(r));
        out.clear();
        QVERIFY(m_db.queryById(QString::number(r.id), &out));
        QCOMPARE(out.size(), 1);
        QCOMPARE(out[0].mastername, QString("李女士"));
        QCOMPARE(out[0].testresults, r.testresults);
        QCOMPARE(out[0].aiResult, r.aiResult);
        QVERIFY(out[0].sampletime.isNull());
        QCOMPARE(out[0].remark, QString("复查"));

        // The birthday follows the patient information: a cleared birthday stays cleared.
        r.patientinfo = R"({"name":"旺财","age":1100})";
        QVERIFY(m_db.updateData(r));
        out.clear();
        QVERIFY(m_db.queryById(QString::number(r.id), &out));
        QCOMPARE(out.value(0).birthday, QString());

        PanelChkRecord ghost = r;
        ghost.id = r.id + 100;
        QVERIFY(!m_db.updateData(ghost));
    }

    void badPatientInfoLeavesFieldsEmptyAndLogs()
    {
        PanelChkRecord in = sample("QV-1", kDay, "x", "TP");
        in.patientinfo = "{not json";
        in.birthday = "2021-03-04";
        QVERIFY(m_db.insertData(in));
        LogCapture log;
        QVector<PanelChkRecord> out;
        QVERIFY(m_db.queryLive(&out));
        QCOMPARE(out.size(), 1);
        QVERIFY(out[0].name.isEmpty());
        QVERIFY(out[0].birthday.isEmpty());
        QCOMPARE(out[0].patientinfo, QString("{not json"));
        QVERIFY(log.contains("数据解析有误"));
    }

    // A reload reuses what it parsed before for unchanged rows: after every kind of change it must
    // read exactly what a store that never read the rows reads.
    void repeatedLiveQueryReadsEveryChange()
    {
        fillFour();
        QVector<PanelChkRecord> first;
        QVERIFY(m_db.queryLive(&first));
        QCOMPARE(first.size(), 4);

        auto compareWithFreshRead = [this]() {
            QVector<PanelChkRecord> reread;
            QVector<PanelChkRecord> fresh;
            if (!m_db.queryLive(&reread) || !Indexdb().queryLive(&fresh))
                return QStringLiteral("query failed");
            if (reread.size() != fresh.size())
                return QStringLiteral("%1 rows against %2").arg(reread.size()).arg(fresh.size());
            for (int i = 0; i < fresh.size(); ++i) {
                const QString diff = firstDifference(reread.at(i), fresh.at(i));
                if (!diff.isEmpty())
                    return diff;
            }
            return QString();
        };

        // The case form rewrites a result: patient information, times (one cleared), names.
        PanelChkRecord edited = first.at(1);
        edited.patientinfo = R"({"name":"新名","age":"730","division":"2","number":"N-9","id":"S-9","birthday":"2020-01-02"})";
        edited.chkdatetime = kDay.addDays(7);
        edited.sampletime = QDateTime();
        edited.sendinspectordate = kDay.addDays(6);
        edited.mastername = "新主人";
        QVERIFY(m_db.updateData(edited));
        QCOMPARE(compareWithFreshRead(), QString());

        // Texts changed behind the store's back, one of them to something unreadable.
        QSqlQuery q;
        QVERIFY(q.exec(QString("update PanelChkResult set patientinfo = '{\"name\":7,\"age\":true}', "
                               "sampletime = '2024-06-01T09:10:11' where id = %1").arg(first.at(0).id)));
        QVERIFY(q.exec(QString("update PanelChkResult set patientinfo = '[1,2]', chkdatetime = '' where id = %1")
                           .arg(first.at(2).id)));
        {
            LogCapture log;
            QCOMPARE(compareWithFreshRead(), QString());
            // Read twice (reload and fresh store): the unreadable row is reported each time.
            QCOMPARE(log.lines().filter("数据解析有误").size(), 2);
        }
        {
            LogCapture log;
            QVector<PanelChkRecord> again;
            QVERIFY(m_db.queryLive(&again));
            QCOMPARE(log.lines().filter("数据解析有误").size(), 1);
        }

        // Two results swap ids, so that an id now stands for other texts.
        const int a = first.at(0).id;
        const int b = first.at(3).id;
        QVERIFY(q.exec(QString("update PanelChkResult set id = -1 where id = %1").arg(a)));
        QVERIFY(q.exec(QString("update PanelChkResult set id = %1 where id = %2").arg(a).arg(b)));
        QVERIFY(q.exec(QString("update PanelChkResult set id = %1 where id = -1").arg(b)));
        QCOMPARE(compareWithFreshRead(), QString());

        // Deleted and new results.
        QVERIFY(m_db.setState({first.at(1).id}, 0));
        PanelChkRecord added = sample("M3", kDay.addDays(20), "新来", "GLU");
        QVERIFY(m_db.insertData(added));
        QCOMPARE(compareWithFreshRead(), QString());
        QVector<PanelChkRecord> last;
        QVERIFY(m_db.queryLive(&last));
        QCOMPARE(last.size(), 4);
        QCOMPARE(last.first().name, QString("新来"));
    }

    void liveListIsNewestFirstAndSkipsDeletedAndQcMoved()
    {
        fillFour();
        PanelChkRecord moved = sample("M1", kDay.addDays(10), "移走", "TP");
        moved.status = 0;
        QVERIFY(m_db.insertData(moved));
        QVector<PanelChkRecord> out;
        QVERIFY(m_db.queryLive(&out));
        QCOMPARE(out.size(), 4);
        QCOMPARE(out[0].name, QString("小白"));
        QCOMPARE(out[3].name, QString("旺财"));
        for (int i = 1; i < out.size(); ++i)
            QVERIFY(out[i - 1].chkdatetime >= out[i].chkdatetime);

        // Every row of a machine, whatever its state or status.
        QVector<PanelChkRecord> all;
        QueryFilter f;
        f.machineid = "M1";
        QVERIFY(m_db.queryAllByMachine(f, &all));
        QCOMPARE(all.size(), 3);
        all.clear();
        QVERIFY(m_db.queryAllByMachine(QueryFilter(), &all));
        QCOMPARE(all.size(), 5);
    }

    void searchByEachField_data()
    {
        QTest::addColumn<QueryFilter>("filter");
        QTest::addColumn<QStringList>("names");
        QueryFilter f;
        QTest::newRow("no criteria") << f << QStringList{"小白", "大黄", "咪咪", "旺财"};
        f = QueryFilter();
        f.startchkdate = kDay.addDays(1);
        QTest::newRow("from, inclusive") << f << QStringList{"小白", "大黄", "咪咪"};
        f = QueryFilter();
        f.endchkdate = kDay.addDays(1);
        QTest::newRow("to, inclusive") << f << QStringList{"咪咪", "旺财"};
        f.startchkdate = kDay.addSecs(1);
        QTest::newRow("from and to") << f << QStringList{"咪咪"};
        f = QueryFilter();
        f.sampleid = "SID-大黄";
        QTest::newRow("sample id") << f << QStringList{"大黄"};
        f = QueryFilter();
        f.patientinfoname = "咪";
        QTest::newRow("name part") << f << QStringList{"咪咪"};
        f = QueryFilter();
        f.speciesname = "外科";
        QTest::newRow("department") << f << QStringList{"大黄"};
        f = QueryFilter();
        f.patientinfoid = "N-小白";
        QTest::newRow("patient id") << f << QStringList{"小白"};
        f = QueryFilter();
        f.projectname = "TP";
        QTest::newRow("test item") << f << QStringList{"大黄", "旺财"};
        f.projectname = "P"; // a whole code, not a piece of "TP" or "ALP"
        QTest::newRow("test item exact") << f << QStringList{};
        f = QueryFilter();
        f.machineid = "M2";
        QTest::newRow("machine") << f << QStringList{"小白", "大黄"};
        f.projectname = "TP";
        QTest::newRow("machine and item") << f << QStringList{"大黄"};
        f = QueryFilter();
        f.patientinfoname = "%";
        QTest::newRow("wildcard typed") << f << QStringList{};
        f.patientinfoname = "_";
        QTest::newRow("underscore typed") << f << QStringList{};
    }
    void searchByEachField()
    {
        QFETCH(QueryFilter, filter);
        QFETCH(QStringList, names);
        fillFour();
        PanelChkRecord gone = sample("M2", kDay.addDays(2), "大黄", "TP");
        gone.state = 0;
        QVERIFY(m_db.insertData(gone));
        QVector<PanelChkRecord> out;
        QVERIFY(m_db.queryByFilter(filter, &out));
        QStringList got;
        for (const PanelChkRecord& r : out)
            got << r.name;
        QCOMPARE(got, names);
    }

    // Check times written in ISO form by older files are found on their own day, the last day of
    // the range included, and read back as the same time.
    void isoCheckTimesAreSearchedByDay()
    {
        fillFour();
        QSqlQuery q;
        QVERIFY(q.exec("update PanelChkResult set chkdatetime = '2024-06-11T08:00:00.000' where machineid = 'M1' "
                       "and patientinfo like '%咪咪%'"));
        QVERIFY(q.exec("update PanelChkResult set chkdatetime = '2024-06-12T23:59:59.500' where patientinfo like '%大黄%'"));
        QueryFilter f;
        f.startchkdate = QDateTime(QDate(2024, 6, 11), QTime(0, 0));
        f.endchkdate = QDateTime(QDate(2024, 6, 11), QTime(23, 59, 59, 999));
        QVector<PanelChkRecord> out;
        QVERIFY(m_db.queryByFilter(f, &out));
        QCOMPARE(out.size(), 1);
        QCOMPARE(out.first().name, QString("咪咪"));
        QCOMPARE(out.first().chkdatetime, kDay.addDays(1));

        f.endchkdate = QDateTime(QDate(2024, 6, 12), QTime(23, 59, 59, 999));
        out.clear();
        QVERIFY(m_db.queryByFilter(f, &out));
        QStringList names;
        for (const PanelChkRecord& r : out)
            names << r.name;
        QCOMPARE(names, (QStringList{"大黄", "咪咪"}));
        // The day before and after stay out.
        f.startchkdate = QDateTime(QDate(2024, 6, 13), QTime(0, 0));
        f.endchkdate = QDateTime(QDate(2024, 6, 13), QTime(23, 59, 59, 999));
        out.clear();
        QVERIFY(m_db.queryByFilter(f, &out));
        QCOMPARE(out.size(), 1);
        QCOMPARE(out.first().name, QString("小白"));
    }

    // The acquisition mode switches the main database between two files whose ids overlap: a
    // reload after the switch shows the other file's results, never the first file's texts.
    void liveReloadAfterSwitchingDatabaseFile()
    {
        fillFour();
        QVector<PanelChkRecord> serial;
        QVERIFY(m_db.queryLive(&serial));
        QCOMPARE(serial.size(), 4);

        auto switchTo = [](const char* mode) {
            QSettings ini("./saveFile/database.ini", QSettings::IniFormat);
            ini.setIniCodec("UTF8");
            ini.setValue("systemCfg/get", mode);
            ini.sync();
            return dbHelper::getInstance()->openDatabase();
        };
        QVERIFY(switchTo("3"));
        QCOMPARE(QSqlDatabase::database().databaseName(), QString("database.db3"));
        // Same ids, same patient text on one of them, other texts on the rest.
        PanelChkRecord same = sample("N1", kDay.addDays(5), "旺财", "GLU");
        PanelChkRecord other = sample("N1", kDay.addDays(4), "阿福", "TP");
        other.patientinfo = "not json";
        QVERIFY(m_db.insertData(same));
        QVERIFY(m_db.insertData(other));
        QVector<PanelChkRecord> network;
        QVERIFY(m_db.queryLive(&network));
        QVector<PanelChkRecord> fresh;
        QVERIFY(Indexdb().queryLive(&fresh));
        QCOMPARE(network.size(), 2);
        QCOMPARE(fresh.size(), 2);
        for (int i = 0; i < fresh.size(); ++i)
            QCOMPARE(firstDifference(network.at(i), fresh.at(i)), QString());
        QCOMPARE(network.at(0).machineid, QString("N1"));
        QVERIFY(network.at(1).name.isEmpty()); // unreadable patient information: no name from before

        QVERIFY(switchTo("2"));
        QVector<PanelChkRecord> back;
        QVERIFY(m_db.queryLive(&back));
        QCOMPARE(back.size(), serial.size());
        for (int i = 0; i < back.size(); ++i)
            QCOMPARE(firstDifference(back.at(i), serial.at(i)), QString());
    }

    void softDeleteAndRestore()
    {
        fillFour();
        QVector<PanelChkRecord> live;
        QVERIFY(m_db.queryLive(&live));
        const QList<int> two{live[0].id, live[2].id};
        QVERIFY(m_db.setState(two, 0));
        QVector<PanelChkRecord> after;
        QVERIFY(m_db.queryLive(&after));
        QCOMPARE(after.size(), 2);
        QVector<PanelChkRecord> bin;
        QVERIFY(m_db.queryByState(0, &bin));
        QCOMPARE(idsOf(bin), two);
        QVector<PanelChkRecord> byId;
        QVERIFY(m_db.queryById(QString::number(two[0]), &byId));
        QVERIFY(byId.isEmpty());
        // Deleted results still count for the machine (the analyzer must not resend them).
        QCOMPARE(m_db.countByMachine("M1") + m_db.countByMachine("M2"), 4);

        QVERIFY(m_db.setState({two[1]}, 1));
        bin.clear();
        QVERIFY(m_db.queryByState(0, &bin));
        QCOMPARE(idsOf(bin), QList<int>{two[0]});
        after.clear();
        QVERIFY(m_db.queryLive(&after));
        QCOMPARE(after.size(), 3);
        QVERIFY(m_db.setState({}, 0));
    }

    void countByMachineCountsBothTables()
    {
        fillFour();
        PanelQcResult q;
        q.machineid = "M1";
        q.chkdatetime = kDay;
        QVERIFY(m_db.insertQcResult(q));
        QCOMPARE(m_db.countByMachine("M1"), 3);
        QCOMPARE(m_db.countByMachine("M2"), 2);
        QCOMPARE(m_db.countByMachine("M3"), 0);
        QCOMPARE(m_db.countByMachine("M1' or '1'='1"), 0);
    }

    void qcStoreQueryUpdateAndRecycle()
    {
        const char* json = R"([{"N":"TP","I":[60,0,0,58,0,"g/L"]},{"N":"ALB","I":[33,0,0,32,0,"g/L"]}])";
        QList<int> ids;
        for (int i = 0; i < 4; ++i) {
            PanelQcResult q;
            q.QcProduct = i % 2;
            q.panelid = 3;
            q.panelindex = 100 + i;
            q.panellot = "2401";
            q.machineid = i < 3 ? "M1" : "M2";
            q.QcLot = i == 0 ? "A1" : "B2";
            q.division = "1";
            q.chkdatetime = kDay.addDays(i);
            q.result = i == 2 ? R"([{"N":"GLU","I":[5,0,0,5.5,0,"mmol/L"]}])" : json;
            q.patientinfo = R"({"Qc":true})";
            QVERIFY(m_db.insertQcResult(q));
        }
        QVector<PanelQcResult> all;
        QVERIFY(m_db.queryQc(QcQueryFilter(), &all));
        QCOMPARE(all.size(), 4);
        QCOMPARE(all[0].panelindex, 103); // newest first
        for (const PanelQcResult& r : all)
            ids << r.id;
        QCOMPARE(all[3].result, QString(json));
        QCOMPARE(all[3].chkdatetime, kDay);
        QCOMPARE(all[3].panellot, QString("2401"));

        auto count = [this](const QcQueryFilter& f) {
            QVector<PanelQcResult> v;
            return m_db.queryQc(f, &v) ? v.size() : -1;
        };
        QcQueryFilter f;
        f.QcProduct = 0;
        QCOMPARE(count(f), 2);
        f = QcQueryFilter();
        f.QcLot = "B2";
        QCOMPARE(count(f), 3);
        f = QcQueryFilter();
        f.machineid = "M2";
        QCOMPARE(count(f), 1);
        f = QcQueryFilter();
        f.division = "2";
        QCOMPARE(count(f), 0);
        f = QcQueryFilter();
        f.m_projectName = "GLU";
        QCOMPARE(count(f), 1);
        f = QcQueryFilter();
        f.id = ids[1];
        QCOMPARE(count(f), 1);
        // Start inclusive, end exclusive: the day of kDay+1 only.
        f = QcQueryFilter();
        f.m_startChkDatetime = kDay.addDays(1);
        f.m_useStartChkDatetime = true;
        f.m_endChkDatetime = kDay.addDays(2);
        f.m_useEndChkDatetime = true;
        QCOMPARE(count(f), 1);
        // Bounds given but not switched on are ignored.
        f.m_useStartChkDatetime = f.m_useEndChkDatetime = false;
        QCOMPARE(count(f), 4);

        PanelQcResult one;
        QVERIFY(m_db.queryQcById(ids[0], &one));
        one.inspectorname = "张敏";
        one.QcLot = "C3";
        one.result = R"([{"N":"TP","I":[60,0,0,58,0,"g/L"]}])";
        QVERIFY(m_db.updateQcResult(one));
        PanelQcResult back;
        QVERIFY(m_db.queryQcById(ids[0], &back));
        QCOMPARE(back.inspectorname, QString("张敏"));
        QCOMPARE(back.QcLot, QString("C3"));
        QCOMPARE(back.result, one.result);
        PanelQcResult ghost = one;
        ghost.id = 9999;
        QVERIFY(!m_db.updateQcResult(ghost));
        QVERIFY(!m_db.queryQcById(9999, &back));

        QVERIFY(m_db.setQcShow({ids[0], ids[1]}, 0));
        QCOMPARE(count(QcQueryFilter()), 2);
        QVector<PanelQcResult> hidden;
        QVERIFY(m_db.queryQcHidden(&hidden));
        QCOMPARE(hidden.size(), 2);
        f = QcQueryFilter();
        f.id = ids[0];
        QCOMPARE(count(f), 0);
        QVERIFY(m_db.queryQcById(ids[0], &back)); // still readable by id
        QVERIFY(m_db.setQcShow({ids[0]}, 1));
        QCOMPARE(count(QcQueryFilter()), 3);
    }

    void hostileTextIsStoredUnchanged()
    {
        const QString nasty = QStringLiteral("O'Brien\"; DROP TABLE PanelChkResult; -- 100%_\\");
        PanelChkRecord in = sample("M'1", kDay, "x", "TP");
        in.mastername = nasty;
        in.remark = nasty;
        in.patientinfo = QStringLiteral("{\"name\":\"O'Brien; DROP TABLE PanelChkResult;\"}");
        QVERIFY(m_db.insertData(in));
        QVector<PanelChkRecord> out;
        QueryFilter f;
        f.machineid = "M'1";
        f.patientinfoname = "O'Brien; DROP";
        QVERIFY(m_db.queryByFilter(f, &out));
        QCOMPARE(out.size(), 1);
        QCOMPARE(out[0].mastername, nasty);
        QCOMPARE(out[0].remark, nasty);
        QCOMPARE(out[0].name, QString("O'Brien; DROP TABLE PanelChkResult;"));
        out[0].clinicalinformation = nasty;
        QVERIFY(m_db.updateData(out[0]));

        PanelQcResult q;
        q.machineid = "M'1";
        q.QcLot = nasty;
        q.division = nasty;
        QVERIFY(m_db.insertQcResult(q));
        QcQueryFilter qf;
        qf.QcLot = nasty;
        QVector<PanelQcResult> qc;
        QVERIFY(m_db.queryQc(qf, &qc));
        QCOMPARE(qc.size(), 1);
        QCOMPARE(qc[0].division, nasty);
        QCOMPARE(m_db.countByMachine("M'1"), 2);
        QCOMPARE(sqlValue("database.db2", "select count(*) from PanelChkResult").toInt(), 1);
    }

    void readOnlyDatabaseGivesFalseAndLog()
    {
        fillFour();
        dbHelper::getInstance()->close();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
            db.setDatabaseName("database.db2");
            db.setConnectOptions("QSQLITE_OPEN_READONLY");
            QVERIFY(db.open());
        }
        LogCapture log;
        PanelChkRecord r = sample("M9", kDay, "y", "TP");
        QVERIFY(!m_db.insertData(r));
        QVERIFY(log.contains("Indexdb::insertData"));
        QVector<PanelChkRecord> live;
        QVERIFY(m_db.queryLive(&live));
        QVERIFY(!m_db.updateData(live[0]));
        QVERIFY(!m_db.setState({live[0].id, live[1].id}, 0));
        QVERIFY(log.contains("Indexdb::setState"));
        PanelQcResult q;
        QVERIFY(!m_db.insertQcResult(q));
        // Nothing changed.
        live.clear();
        QVERIFY(m_db.queryLive(&live));
        QCOMPARE(live.size(), 4);
    }

    void failedSoftDeleteRollsBackEveryRow()
    {
        fillFour();
        QVector<PanelChkRecord> live;
        QVERIFY(m_db.queryLive(&live));
        // A trigger makes the second update fail half-way through.
        QSqlQuery q(QSqlDatabase::database());
        QVERIFY(q.exec(QString("CREATE TRIGGER stop BEFORE UPDATE ON PanelChkResult WHEN old.id = %1 "
                               "BEGIN SELECT RAISE(ABORT, 'blocked'); END")
                           .arg(live[1].id)));
        QVERIFY(!m_db.setState({live[0].id, live[1].id}, 0));
        QVector<PanelChkRecord> after;
        QVERIFY(m_db.queryLive(&after));
        QCOMPARE(after.size(), 4);
    }
};

QTEST_GUILESS_MAIN(tst_indexdb)
#include "tst_indexdb.moc"
