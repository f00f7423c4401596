#include "PanelChkRecord.h"
#include "ReportAssembly.h"
#include "TestSupport.h"
#include "chkReportPage.h"

#include <QtTest>
#include <QDir>
#include <QJsonDocument>
#include <QSettings>

// A stored result turned into the rows and texts of a test report page.
class tst_chkreport_assembly : public QObject
{
    Q_OBJECT

    static QJsonArray parse(const char* text)
    {
        return QJsonDocument::fromJson(QByteArray(text)).array();
    }

    static QVector<ReportItem> rows(const char* json, int unitMode = 0, const QSet<QString>& ticked = {},
                                    const QStringList& hidden = {}, bool qc = false,
                                    const ReportAssembly::QcLimits& limits = nullptr)
    {
        return ReportAssembly::reportRows(parse(json), hidden, ticked, unitMode, qc, limits,
                                          [](const QString& c) { return "N:" + c; });
    }

private slots:
    void limitTextsAndFlags()
    {
        const QVector<ReportItem> r = rows(R"([
            {"N": "ALB", "I": [60, 25, 40, 10, 60, "g/L"]},
            {"N": "ALB", "I": [10, 25, 40, 10, 60, "g/L"]},
            {"N": "BUN", "I": [-1000, 2.5, 9.6, 0.7, 46.4, "mmol/L"]},
            {"N": "GLU", "I": [70, 3.9, 6.1, 1.1, 33.3, "mmol/L"], "addType": 2},
            {"N": "XYZ", "I": [5, 1, 9]},
            {"N": "CRE"}
        ])");
        QCOMPARE(r.size(), 6);
        QCOMPARE(r.at(0).resultText, QStringLiteral("≥60"));
        QCOMPARE(r.at(0).value, 60.0);
        QCOMPARE(r.at(0).upperLimit, 60.0);
        QCOMPARE(r.at(0).name, QStringLiteral("N:ALB"));
        QCOMPARE(r.at(0).rangeText, QStringLiteral("25-40"));
        QCOMPARE(r.at(1).resultText, QStringLiteral("≤10"));
        QCOMPARE(r.at(2).resultText, QStringLiteral("---"));
        QCOMPARE(r.at(3).resultText, QStringLiteral("70"));
        QCOMPARE(r.at(3).addType, 2);
        QCOMPARE(r.at(4).resultText, QStringLiteral("5"));     // no measuring limits, no "≥0"
        QCOMPARE(r.at(4).unit, QString());
        QCOMPARE(r.at(5).resultText, QStringLiteral("≤0"));    // no "I" at all: zeros
        QCOMPARE(r.at(5).rangeText, QStringLiteral("0-0"));
        for (const ReportItem& i : r)
            QVERIFY(i.target.isEmpty());
    }

    void ldlAfterHighTg_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("ldl");
        QTest::newRow("tg high") << 0 << R"([{"N":"TG","I":[5,0.5,1.7,0.1,20,"mmol/L"]},{"N":"LDL-C","I":[2,0,3.4,0.1,20,"mmol/L"]}])" << "---";
        QTest::newRow("tg at threshold") << 0 << R"([{"N":"TG","I":[4.52,0.5,1.7,0.1,20,""]},{"N":"LDL-C","I":[2,0,3.4,0.1,20,""]}])" << "---";
        QTest::newRow("tg low") << 0 << R"([{"N":"TG","I":[4.5,0.5,1.7,0.1,20,""]},{"N":"LDL-C","I":[2,0,3.4,0.1,20,""]}])" << "2";
        QTest::newRow("tg after") << 0 << R"([{"N":"LDL-C","I":[2,0,3.4,0.1,20,""]},{"N":"TG","I":[5,0.5,1.7,0.1,20,""]}])" << "2";
        QTest::newRow("tg beyond its limit") << 0 << R"([{"N":"TG","I":[25,0.5,1.7,0.1,20,""]},{"N":"LDL-C","I":[2,0,3.4,0.1,20,""]}])" << "2";
        QTest::newRow("conventional") << 1 << R"([{"N":"TG","I":[4.6,0.5,1.7,0.1,20,""]},{"N":"LDL-C","I":[2,0,3.4,0.1,20,""]}])" << "---";
    }

    void ldlAfterHighTg()
    {
        QFETCH(int, mode);
        QFETCH(QString, json);
        QFETCH(QString, ldl);
        const QVector<ReportItem> r = rows(json.toUtf8().constData(), mode);
        const ReportItem& l = r.at(r.at(0).code == "LDL-C" ? 0 : 1);
        if (ldl == "---")
            QCOMPARE(l.resultText, ldl);
        else
            QVERIFY2(l.resultText != "---", qPrintable(l.resultText));
    }

    void tickedHiddenAndCa()
    {
        const char* json = R"([{"N":"Ca2+","I":[2.1,2.3,3,0.5,4,"mmol/L"]},{"N":"ALB","I":[35,25,40,10,60,"g/L"]},
                              {"N":"TP","I":[60,50,70,20,120,"g/L"]}])";
        QCOMPARE(rows(json).size(), 3);
        QVector<ReportItem> r = rows(json, 0, {"Ca", "TP"});
        QCOMPARE(r.size(), 2);
        QCOMPARE(r.at(0).code, QStringLiteral("Ca2+"));
        r = rows(json, 0, {"TP"}, {"TP"});                    // hidden wins over ticked
        QCOMPARE(r.size(), 0);
        QCOMPARE(rows(json, 0, {"GLU"}).size(), 0);
        QCOMPARE(rows(json, 0, {}, {"ALB"}).size(), 2);
    }

    // Printing one ticked row: the detail table's ticks hold for the result it shows only.
    void detailTicksOnlyForTheShownResult()
    {
        TempWorkDir dir;
        PanelChkRecord rec;
        rec.testresults = R"([{"N":"ALB","I":[35,25,40,10,60,"g/L"]},{"N":"TP","I":[60,50,70,20,120,"g/L"]},
                              {"N":"Ca2+","I":[2.1,2.3,3,0.5,4,"mmol/L"]}])";
        const QSet<QString> ticks{"ALB", "Ca"};
        auto printedCodes = [&rec](const QSet<QString>& ticked) {
            chkReportPage page;
            ReportAssembly::fillFromRecord(page, rec, ticked, nullptr);
            QStringList codes;
            for (const ReportItem& item : qAsConst(page.reportItems))
                codes << item.code;
            return codes;
        };
        // The ticked row is the shown result: its ticked analytes.
        QCOMPARE(printedCodes(ReportAssembly::tickedFor("12", "12", ticks)),
                 (QStringList{"ALB", "Ca2+"}));
        // Another result (or none shown): every analyte, whatever is ticked in the table.
        QCOMPARE(printedCodes(ReportAssembly::tickedFor("13", "12", ticks)),
                 (QStringList{"ALB", "TP", "Ca2+"}));
        QCOMPARE(printedCodes(ReportAssembly::tickedFor("13", "", ticks)),
                 (QStringList{"ALB", "TP", "Ca2+"}));
        QVERIFY(ReportAssembly::tickedFor("", "", ticks).isEmpty());
    }

    void conventionalUnitsAndQc()
    {
        const char* json = R"([{"N":"ALB","I":[35,25,40,10,60,"g/L"]},{"N":"ALT","I":[50,10,100,5,1000,"U/L"]}])";
        QVector<ReportItem> r = rows(json, 1);
        QCOMPARE(r.at(0).resultText, QStringLiteral("3.50"));
        QCOMPARE(r.at(0).value, 3.5);
        QCOMPARE(r.at(0).low, 2.5);
        QCOMPARE(r.at(0).high, 4.0);
        QCOMPARE(r.at(0).upperLimit, 6.0);
        QCOMPARE(r.at(0).unit, QStringLiteral("g/dL"));
        QCOMPARE(r.at(0).rangeText, QStringLiteral("2.50-4.00"));
        QCOMPARE(r.at(1).unit, QStringLiteral("U/L"));
        QCOMPARE(r.at(1).rangeText, QStringLiteral("10-100"));

        auto limits = [](const QString& c) { return c == "ALT" ? QVector<double>{60, 80} : QVector<double>(); };
        r = rows(json, 0, {}, {}, true, limits);
        QCOMPARE(r.at(0).target, QStringLiteral("10"));
        QCOMPARE(r.at(0).resultText, QStringLiteral("35"));
        QCOMPARE(r.at(1).target, QStringLiteral("5"));
        QCOMPARE(r.at(1).resultText, QStringLiteral("≤60"));   // QC limits of config.db
    }

    void agesAndTimes()
    {
        QCOMPARE(ReportAssembly::ageText("400"), QStringLiteral("1岁1月"));
        QCOMPARE(ReportAssembly::ageText(""), QStringLiteral("0岁0月"));
        QCOMPARE(ReportAssembly::ageText("x"), QStringLiteral("0岁0月"));
        const QDateTime placeholder(QDate(2020, 1, 1), QTime(0, 0));
        QCOMPARE(ReportAssembly::timeText(placeholder, true), QString());
        QCOMPARE(ReportAssembly::timeText(placeholder, false), QStringLiteral("2020/01/01 00:00:00"));
        QCOMPARE(ReportAssembly::timeText(QDateTime(QDate(2024, 3, 1), QTime(8, 5, 9)), true),
                 QStringLiteral("2024/03/01 08:05:09"));
        QCOMPARE(ReportAssembly::timeText(QDateTime(), true), QString());
    }

    void settingsAndRecord()
    {
        TempWorkDir dir;
        QDir().mkpath("saveFile");
        {
            QSettings p("./saveFile/printsetting.ini", QSettings::IniFormat);
            p.setIniCodec("UTF8");
            p.setValue("systemCfg/getModeSelect", 1);
            p.setValue("systemCfg/getModeSelect1", 3);
            p.setValue("systemCfg/optEnable", 20975644);
            p.setValue("systemCfg/fontsize", 14);
            p.setValue("systemCfg/customText", QStringLiteral("<i>谢谢</i>"));
            QSettings h("./saveFile/hospital.ini", QSettings::IniFormat);
            h.setValue("systemCfg/getModeSelect", 1);
            QSettings j("./saveFile/project.ini", QSettings::IniFormat);
            j.setValue("hideProject/7", QStringList{"TP", "GLU"});
        }
        QCOMPARE(ReportAssembly::unitMode(), 1);
        QCOMPARE(ReportAssembly::hiddenAnalytes(7), (QStringList{"TP", "GLU"}));
        QVERIFY(ReportAssembly::hiddenAnalytes(8).isEmpty());

        chkReportPage page;
        ReportAssembly::applySettings(page);
        QCOMPARE(page.chartMode, false);
        QCOMPARE(page.paperMode, 3);
        QCOMPARE(page.printClinical, true);
        QCOMPARE(page.optionMask, 20975644);
        QCOMPARE(page.fontSize, 14);
        QCOMPARE(page.patientInfo.customText, QStringLiteral("<i>谢谢</i>"));

        PanelChkRecord rec;
        rec.panelid = 7;
        rec.testresults = R"([{"N":"ALB","I":[35,25,40,10,60,"g/L"]},{"N":"TP","I":[60,50,70,20,120,"g/L"]}])";
        rec.Errcode = "0101";
        rec.name = "Bella";
        rec.number = "P-1";
        rec.sampleid = "S-9";
        rec.age = "400";
        rec.speciesname = "Someplace";      // not a code: kept as typed
        rec.machineid = "QV1";
        rec.chkdatetime = QDateTime(QDate(2024, 3, 1), QTime(10, 0));
        rec.sampletime = QDateTime(QDate(2020, 1, 1), QTime(0, 0));
        rec.patientinfo = R"({"name":"Bella"})";
        QVERIFY(ReportAssembly::fillFromRecord(page, rec, {}, nullptr));
        QCOMPARE(page.errcodeTail, QStringLiteral("101"));
        QCOMPARE(page.reportItems.size(), 1);                     // TP hidden for panel 7
        QCOMPARE(page.reportItems.at(0).resultText, QStringLiteral("3.50"));
        QCOMPARE(page.patientInfo.patientName, QStringLiteral("Bella"));
        QCOMPARE(page.patientInfo.sampleNumber, QStringLiteral("S-9"));
        QCOMPARE(page.patientInfo.division, QStringLiteral("Someplace"));
        QCOMPARE(page.patientInfo.sampleTime, QString());
        QCOMPARE(page.patientInfo.testTime, QStringLiteral("2024/03/01 10:00:00"));
        QCOMPARE(page.patientInfo.serialNumber, QStringLiteral("QV1"));
        QCOMPARE(page.patientInfo.sampleJson, rec.patientinfo);
        QCOMPARE(page.ageText, QStringLiteral("1岁1月"));

        // unreadable or empty results: no rows and an empty patient block
        for (const char* text : {"{not json", "", " "}) {
            chkReportPage broken;
            rec.testresults = text;
            rec.Errcode = "11";
            QVERIFY2(!ReportAssembly::fillFromRecord(broken, rec, {}, nullptr), text);
            QVERIFY(broken.reportItems.isEmpty());
            QVERIFY(broken.patientInfo.patientName.isEmpty());
            QCOMPARE(broken.errcodeTail, QStringLiteral("11"));
        }
    }
};

QTEST_MAIN(tst_chkreport_assembly)
#include "tst_chkreport_assembly.moc"
