#include "TestSupport.h"
#include "golden.h"
#include "chkReportPage.h"
#include "report_fixture.h"

#include <QtTest>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSettings>

// The heading, contact block and results section of the test report against golden HTML.
// CHEMDESK_UPDATE_GOLDEN=1 rewrites the golden files (review every change before committing).
class tst_chkreport_html : public QObject
{
    Q_OBJECT

    static int bits(std::initializer_list<int> options) { return report_fixture::bits(options); }

    static ReportItem item(const QString& code, const QString& name, double value, double low, double high,
                           const QString& result, const QString& unit, double upper = 0)
    {
        return report_fixture::item(code, name, value, low, high, result, unit, upper);
    }

    static QVector<ReportItem> fourRows()
    {
        return {item("ALB", "白蛋白", 35, 25, 40, "35", "g/L"),
                item("ALT", "丙氨酸氨基转移酶", 130.5, 10, 100, "130.5", "U/L", 1000),
                item("GLU", "葡萄糖", 3.2, 3.9, 6.1, "3.2", "mmol/L"),
                item("TP", "总蛋白", 60, 0, 0, "60", "g/L")};
    }

    static void fillPage(chkReportPage& page)
    {
        report_fixture::fillPatient(page);
        page.fontSize = 12;
        page.errcodeTail = QStringLiteral("101");
    }

    static void writeHospital(const QString& name) { report_fixture::writeHospital(name); }

    static void compareGolden(const QString& name, const QString& html)
    {
        compareGoldenHtml(QStringLiteral("testreport"), name, html);
    }

private slots:
    // Every data value reaches the HTML escaped, in both result modes; only the custom statement
    // keeps its markup.
    void dataValuesAreEscaped()
    {
        TempWorkDir dir;
        QDir().mkpath("saveFile");
        {
            QSettings s("./saveFile/hospital.ini", QSettings::IniFormat);
            s.setIniCodec("UTF8");
            for (const char* key : {"hospital", "address", "phone", "email"})
                s.setValue(QStringLiteral("/systemCfg/") + key, QStringLiteral("<i>%1&</i>").arg(key));
        }
        chkReportPage page;
        page.optionMask = 0;
        page.ageText = "<i>age&</i>";
        ReportPatientInfo& p = page.patientInfo;
        QStringList values{"hospital", "address", "phone", "email", "age"};
        const QList<QString*> fields{&p.division, &p.patientNumber, &p.patientName, &p.sampleType, &p.sex,
                                     &p.sampleNumber, &p.sampleTime, &p.submitter, &p.tester, &p.reviewer,
                                     &p.submitTime, &p.testTime, &p.diagnosis, &p.serialNumber, &p.birthday};
        for (int i = 0; i < fields.size(); ++i) {
            *fields[i] = QStringLiteral("<i>field%1&</i>").arg(i);
            values << QStringLiteral("field%1").arg(i);
        }
        p.customText = "<u>custom</u>";
        ReportItem r = item("<i>code&</i>", "<i>name&</i>", 50, 10, 40, "<i>result&</i>", "<i>unit&</i>");
        r.rangeText = "<i>range&</i>";
        page.reportItems = {r};
        values << "code" << "name" << "result" << "unit" << "range";

        for (bool chart : {true, false}) {
            page.chartMode = chart;
            const QString html = page.buildTitle() + page.buildContact() + page.buildBody(page.reportItems);
            QVERIFY2(!html.contains("<i>"), qPrintable(html));
            for (const QString& v : qAsConst(values))
                QVERIFY2(html.contains(QStringLiteral("&lt;i&gt;%1&amp;&lt;/i&gt;").arg(v)), qPrintable(v));
            QVERIFY(html.contains("<u>custom</u>"));
        }
    }

    void body_data()
    {
        QTest::addColumn<bool>("chart");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("rowCount");
        QTest::newRow("chart_all_on") << true << 0 << 4;
        QTest::newRow("arrow_all_on") << false << 0 << 4;
        QTest::newRow("chart_no_number_column") << true << bits({14}) << 4;
        QTest::newRow("arrow_people_and_lines_off") << false << bits({15, 17, 20, 21, 22, 23, 24}) << 4;
        QTest::newRow("chart_one_row") << true << 0 << 1;
        QTest::newRow("arrow_two_rows") << false << 0 << 2;
        QTest::newRow("chart_no_rows") << true << 0 << 0;
    }

    void body()
    {
        QFETCH(bool, chart);
        QFETCH(int, mask);
        QFETCH(int, rowCount);
        TempWorkDir dir;
        chkReportPage page;
        fillPage(page);
        page.chartMode = chart;
        page.optionMask = mask;
        const QString html = page.buildBody(fourRows().mid(0, rowCount));
        compareGolden(QString("body_") + QTest::currentDataTag(), html);

        // what a reader of the report relies on, independent of the golden text
        QVERIFY(html.contains(QStringLiteral("<b>自定义</b>说明")) == !(mask & bits({24})));
        QVERIFY(!html.contains(QStringLiteral("<Lab>")));
        if (rowCount == 4) {
            QVERIFY(html.contains("style='color: #ff0000;'"));
            QVERIFY(html.contains("style='color: #0DA9DB;'"));
            QVERIFY(html.contains("style='color: #000000;'"));
            // seven cells a row in both layouts, six without the number column
            const int cells = (mask & bits({14})) ? 6 : 7;
            QCOMPARE(html.count("font-weight: bold;"), 2 * cells);     // the rows out of range
            QCOMPARE(html.count("padding-top:5px;"), cells);           // the first row
            QCOMPARE(html.count("padding-bottom:5px;"), cells);        // the last row
            QCOMPARE(html.contains("↑"), !chart);
        }
        if (rowCount == 1)
            QVERIFY(!html.contains("padding-bottom:5px;"));
        QCOMPARE(html.contains(QStringLiteral("Icterus:黄疸+")), true);
        QCOMPARE(html.contains(QStringLiteral("Turbidity:脂血+")), true);
        QCOMPARE(html.contains(QStringLiteral("Hemolysis")), false);
    }

    // Every paper mode gives the same body.
    void bodyIgnoresPaperMode()
    {
        chkReportPage page;
        fillPage(page);
        page.optionMask = bits({20});   // no print time
        const QString a = page.buildBody(fourRows());
        for (int mode : {1, 2, 3}) {
            page.paperMode = mode;
            QCOMPARE(page.buildBody(fourRows()), a);
        }
    }

    void title_data()
    {
        QTest::addColumn<int>("logoW");
        QTest::addColumn<int>("logoH");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("hospital");
        QTest::addColumn<QString>("width");
        QTest::newRow("wide_logo") << 400 << 100 << 0 << QStringLiteral("安心动物医院") << "120";
        QTest::newRow("tall_logo") << 100 << 400 << 0 << QStringLiteral("安心动物医院") << "20";
        QTest::newRow("small_logo") << 60 << 40 << 0 << QStringLiteral("安心动物医院") << "120";
        QTest::newRow("no_logo_file") << 0 << 0 << 0 << QStringLiteral("安心动物医院") << "";
        QTest::newRow("logo_option_off") << 400 << 100 << bits({1}) << QStringLiteral("安心动物医院") << "";
        QTest::newRow("fields_5_to_8_off") << 400 << 100 << bits({5, 6, 7, 8}) << QStringLiteral("安心动物医院") << "120";
        QTest::newRow("all_fields_off") << 0 << 0 << bits({5, 6, 7, 8, 9, 10, 11, 12, 13}) << QStringLiteral("A&B <Clinic>") << "";
        QTest::newRow("no_clinic_name") << 0 << 0 << 0 << QString() << "";
    }

    void title()
    {
        QFETCH(int, logoW);
        QFETCH(int, logoH);
        QFETCH(int, mask);
        QFETCH(QString, hospital);
        QFETCH(QString, width);
        TempWorkDir dir;
        writeHospital(hospital);
        if (logoW > 0)
            writeLogo(logoW, logoH);
        chkReportPage page;
        fillPage(page);
        page.optionMask = mask;
        const QString html = page.buildTitle();
        compareGolden(QString("title_") + QTest::currentDataTag(), html);

        if (!width.isEmpty())
            QVERIFY(html.contains(QString("<img  src='./print_logo.png'  width=%1 >").arg(width)));
        else
            QVERIFY(!html.contains("<img"));
        QCOMPARE(html.contains(QStringLiteral("生化检验报告单")), true);
        QCOMPARE(html.contains("font-size: 30px"), !hospital.isEmpty());
        QVERIFY(!html.contains("<Clinic>"));
        QCOMPARE(html.contains(QStringLiteral("姓名：Bella &lt;Lab&gt; &amp; Co")), !(mask & bits({7})));
        // the same heading for every paper layout and hint mode
        page.paperMode = 1;
        page.chartMode = false;
        QCOMPARE(page.buildTitle(), html);
    }

    void contact_data()
    {
        QTest::addColumn<int>("mask");
        QTest::newRow("all_on") << 0;
        QTest::newRow("phone_mail_address_off") << bits({2, 3, 4});
        QTest::newRow("mail_off_english_font") << bits({3});
    }

    void contact()
    {
        QFETCH(int, mask);
        TempWorkDir dir;
        writeHospital(QStringLiteral("安心动物医院"));
        chkReportPage page;
        fillPage(page);
        page.optionMask = mask;
        if (mask == bits({3})) {
            page.language = QStringLiteral("English");
            page.fontSize = 14;
        }
        const QString html = page.buildContact();
        compareGolden(QString("contact_") + QTest::currentDataTag(), html);
        QVERIFY(html.contains("<img  src=:/images/logo_qv.png  width=120 >"));
        QCOMPARE(html.count("<tr"), 2);
        QCOMPARE(html.contains(QStringLiteral("0571-1234")), !(mask & bits({2})));
        QCOMPARE(html.contains(QStringLiteral("滨江路 8 号")), !(mask & bits({4})));
    }

    void contactWithoutSettingsFile()
    {
        TempWorkDir dir;
        chkReportPage page;
        page.optionMask = 0;
        const QString html = page.buildContact();
        QVERIFY(html.contains(QStringLiteral("<p >电话:</p>")));
        QVERIFY(html.contains(QStringLiteral("<p >地址:</p>")));
    }
};

QTEST_MAIN(tst_chkreport_html)
#include "tst_chkreport_html.moc"
