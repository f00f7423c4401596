// Merging selected results for the merged report, on a real main database.
#include "Indexdb.h"
#include "ResultMerge.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"

#include <QtTest>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

namespace {

int addResult(const QString& name, int panel, const QString& results, const QString& errcode = QStringLiteral("000"))
{
    PanelChkRecord r;
    r.machineid = QStringLiteral("QV9");
    r.chkdatetime = QDateTime(QDate(2024, 6, 1), QTime(8, 0));
    r.panelid = panel;
    const QJsonObject patient{{"name", name}, {"number", "P-" + name}, {"id", "S-" + name}, {"age", "400"}};
    r.patientinfo = QString::fromUtf8(QJsonDocument(patient).toJson(QJsonDocument::Compact));
    r.sendinspectorname = "sender " + name;
    r.testresults = results;
    r.Errcode = errcode;
    return storeResult(r);
}

// "code:value" of every analyte of a test-results text, in order.
QStringList entries(const QString& text)
{
    QStringList out;
    for (const QJsonValue& v : QJsonDocument::fromJson(text.toUtf8()).array()) {
        const QJsonObject o = v.toObject();
        out << o.value("N").toString() + ':' + QString::number(o.value("I").toArray().at(0).toDouble());
    }
    return out;
}

QStringList hideNothing(int)
{
    return {};
}

} // namespace

class tst_resultmerge : public QObject
{
    Q_OBJECT

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
    }

    void overlappingAnalytesStandTogether()
    {
        const int a = addResult("Bella", 4, R"([{"N":"TP","I":[60,55,75,20,120,"g/L"]},{"N":"ALB","I":[30,25,40,10,60,"g/L"]}])", "001");
        const int b = addResult("Max", 4, R"([{"N":"TP","I":[61,55,75,20,120,"g/L"]},{"N":"GLU","I":[5,3.9,6.1,1,33,"mmol/L"]},)"
                                          R"({"N":"ALB","I":[31,25,40,10,60,"g/L"],"addType":1}])", "102");
        const int c = addResult("Rex", 4, R"([{"N":"CRE","I":[80,44,159,10,2000,"umol/L"]},{"N":"TP","I":[62,55,75,20,120,"g/L"]}])", "203");
        Indexdb db;
        PanelChkRecord base;
        QVERIFY(ResultMerge::mergeStored(db, {QString::number(a), QString::number(b), QString::number(c)}, &hideNothing, &base));
        QCOMPARE(entries(base.testresults),
                 (QStringList{"TP:60", "TP:61", "TP:62", "ALB:30", "ALB:31", "GLU:5", "CRE:80"}));
        // the members are copied whole, the hand-added mark included
        const QJsonArray merged = QJsonDocument::fromJson(base.testresults.toUtf8()).array();
        QCOMPARE(merged.at(4).toObject(), QJsonDocument::fromJson(R"({"N":"ALB","I":[31,25,40,10,60,"g/L"],"addType":1})").object());
        QVERIFY(base.testresults.contains('\n'));   // written indented
        // the case data are those of the last result taken
        QCOMPARE(base.id, c);
        QCOMPARE(base.name, QStringLiteral("Rex"));
        QCOMPARE(base.sampleid, QStringLiteral("S-Rex"));
        QCOMPARE(base.sendinspectorname, QStringLiteral("sender Rex"));
        QCOMPARE(base.Errcode, QStringLiteral("203"));

        // another order of selection: blocks follow the first entry of each code
        QVERIFY(ResultMerge::mergeStored(db, {QString::number(c), QString::number(a)}, &hideNothing, &base));
        QCOMPARE(entries(base.testresults), (QStringList{"CRE:80", "TP:62", "TP:60", "ALB:30"}));
        QCOMPARE(base.name, QStringLiteral("Bella"));
        QCOMPARE(base.Errcode, QStringLiteral("001"));
    }

    void eachResultHidesByItsOwnPanel()
    {
        const int a = addResult("Bella", 4, R"([{"N":"GLU","I":[5,3.9,6.1,1,33,"mmol/L"]},{"N":"TP","I":[60,55,75,20,120,"g/L"]}])");
        const int b = addResult("Max", 7, R"([{"N":"GLU","I":[6,3.9,6.1,1,33,"mmol/L"]},{"N":"Ca2+","I":[2.5,2,3,0.5,4,"mmol/L"]}])");
        const auto hidden = [](int panel) {
            return panel == 4 ? QStringList{"GLU"} : QStringList{"Ca"};   // "Ca" does not hide "Ca2+"
        };
        Indexdb db;
        PanelChkRecord base;
        QVERIFY(ResultMerge::mergeStored(db, {QString::number(a), QString::number(b)}, hidden, &base));
        QCOMPARE(entries(base.testresults), (QStringList{"TP:60", "GLU:6", "Ca2+:2.5"}));   // GLU only from panel 7
    }

    // The base is the last result actually found; without any nothing is merged.
    void missingResultsAreSkipped()
    {
        const int a = addResult("Bella", 4, R"([{"N":"TP","I":[60,55,75,20,120,"g/L"]}])");
        const int b = addResult("Max", 4, R"([{"N":"TP","I":[61,55,75,20,120,"g/L"]}])");
        Indexdb db;
        QVERIFY(db.setState({b}, 0));                            // in the recycle list meanwhile
        PanelChkRecord base;
        QVERIFY(ResultMerge::mergeStored(db, {QString::number(a), QString::number(b), "9999"}, &hideNothing, &base));
        QCOMPARE(base.name, QStringLiteral("Bella"));
        QCOMPARE(entries(base.testresults), QStringList{"TP:60"});

        PanelChkRecord untouched;
        untouched.name = QStringLiteral("as before");
        QVERIFY(!ResultMerge::mergeStored(db, {QString::number(b), "9999"}, &hideNothing, &untouched));
        QVERIFY(!ResultMerge::mergeStored(db, {}, &hideNothing, &untouched));
        QCOMPARE(untouched.name, QStringLiteral("as before"));
    }

    // Unreadable test results add no analytes, but the result still gives the case data.
    void unreadableResultsStillGiveTheCase()
    {
        const int a = addResult("Bella", 4, R"([{"N":"TP","I":[60,55,75,20,120,"g/L"]}])");
        const int b = addResult("Max", 4, "{broken");
        Indexdb db;
        PanelChkRecord base;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("数据解析有误"));
        QVERIFY(ResultMerge::mergeStored(db, {QString::number(a), QString::number(b)}, &hideNothing, &base));
        QCOMPARE(base.name, QStringLiteral("Max"));
        QCOMPARE(entries(base.testresults), QStringList{"TP:60"});
    }
};

QTEST_GUILESS_MAIN(tst_resultmerge)
#include "tst_resultmerge.moc"
