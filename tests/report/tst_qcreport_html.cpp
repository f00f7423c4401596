#include "TestSupport.h"
#include "golden.h"
#include "qcPreviewPage.h"
#include "printTool.h"
#include "qcReportPage.h"
#include "qcreport_fixture.h"

#include <QtTest>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QSettings>

// The QC report's title, contact block and body, printed and as settings template, against
// golden HTML. CHEMDESK_UPDATE_GOLDEN=1 rewrites the golden files (review every change).
class tst_qcreport_html : public QObject
{
    Q_OBJECT

    static int bits(std::initializer_list<int> options) { return report_fixture::bits(options); }

    template <class Page>
    static void fill(Page& page, int mask, bool chart = true)
    {
        qcreport_fixture::fillInfo(page);
        page.language = QStringLiteral("Chinese");
        page.fontSize = 12;
        page.errcodeTail = QStringLiteral("101");
        page.optionMask = mask;
        page.chartMode = chart;
        page.reportItems = qcreport_fixture::fourRows();
    }

    static void compareGolden(const QString& name, const QString& html)
    {
        compareGoldenHtml(QStringLiteral("qcreport"), name, html);
    }

private slots:
    void title_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<int>("mask");
        QTest::addColumn<bool>("logo");
        for (bool preview : {false, true}) {
            const char* kind = preview ? "template" : "print";
            QTest::addRow("%s_all_on", kind) << preview << 0 << true;
            QTest::addRow("%s_logo_off", kind) << preview << bits({1}) << true;
            QTest::addRow("%s_product_lot_off", kind) << preview << bits({5, 6}) << true;
            QTest::addRow("%s_no_logo_file", kind) << preview << 0 << false;
        }
    }

    void title()
    {
        QFETCH(bool, preview);
        QFETCH(int, mask);
        QFETCH(bool, logo);
        TempWorkDir dir;
        report_fixture::writeHospital(QStringLiteral("安心动物医院"));
        if (logo)
            writeLogo(400, 100);
        QString html;
        if (preview) {
            qcPreviewPage page;
            fill(page, mask);
            html = page.buildTitle();
        } else {
            qcReportPage page;
            fill(page, mask);
            html = page.buildTitle();
        }
        compareGolden(QString("title_") + QTest::currentDataTag(), html);

        // what a reader relies on, apart from the golden text
        QVERIFY(html.contains(QStringLiteral("生化分析仪质控报告单")));
        QVERIFY(html.contains(QStringLiteral("安心动物医院")));
        QVERIFY(!html.contains("<2024>"));
        const bool logoShown = logo && !(mask & bits({1}));
        QCOMPARE(html.contains("<img  src='./print_logo.png'  width=120 >"), logoShown);
        const QString product = QStringLiteral("质控品:质控二");
        const QString lot = QStringLiteral("质控批号:L&lt;2024&gt; &amp; A");
        if (preview) {
            // every part stays, numbered; switched-off ones struck through
            QVERIFY(html.contains(QStringLiteral("<strong>5) </strong>") + product));
            QVERIFY(html.contains(QStringLiteral("<strong>6) </strong>") + lot));
            QCOMPARE(html.contains(QStringLiteral("<s><strong>5) </strong>") + product + "</s>"), bool(mask & bits({5})));
            QCOMPARE(html.contains(QStringLiteral("<s><strong>1) </strong></s>")), !logoShown);
        } else {
            QCOMPARE(html.contains(product), !(mask & bits({5})));
            QCOMPARE(html.contains(lot), !(mask & bits({6})));
            QVERIFY(html.contains(QStringLiteral("科室:内科")));
            QVERIFY(!html.contains("<s>"));
        }
    }

    void contact_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<int>("mask");
        for (bool preview : {false, true}) {
            const char* kind = preview ? "template" : "print";
            QTest::addRow("%s_all_on", kind) << preview << 0;
            QTest::addRow("%s_phone_mail_address_off", kind) << preview << bits({2, 3, 4});
        }
    }

    void contact()
    {
        QFETCH(bool, preview);
        QFETCH(int, mask);
        TempWorkDir dir;
        report_fixture::writeHospital(QStringLiteral("安心动物医院"));
        QString html;
        if (preview) {
            qcPreviewPage page;
            fill(page, mask);
            page.language = QStringLiteral("English");
            html = page.buildContact();
        } else {
            qcReportPage page;
            fill(page, mask);
            html = page.buildContact();
        }
        compareGolden(QString("contact_") + QTest::currentDataTag(), html);
        QVERIFY(html.contains("logo_qv.png"));
        QCOMPARE(html.contains(QStringLiteral("Times New Roman")), preview);
        QCOMPARE(html.contains(QStringLiteral("0571-1234")), preview || !(mask & bits({2})));
        QCOMPARE(html.contains(QStringLiteral("滨江路 8 号")), preview || !(mask & bits({4})));
    }

    void body_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<bool>("chart");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("rowCount");
        for (bool preview : {false, true}) {
            const char* kind = preview ? "template" : "print";
            QTest::addRow("%s_chart_all_on", kind) << preview << true << 0 << 4;
            QTest::addRow("%s_arrow_all_on", kind) << preview << false << 0 << 4;
            QTest::addRow("%s_chart_no_number_column", kind) << preview << true << bits({8}) << 4;
            QTest::addRow("%s_arrow_no_number_column", kind) << preview << false << bits({8}) << 4;
            QTest::addRow("%s_arrow_reviewer_off", kind) << preview << false << bits({10}) << 2;
            QTest::addRow("%s_chart_signatures_and_lines_off", kind)
                << preview << true << bits({9, 10, 11, 12, 13, 14}) << 1;
        }
        QTest::newRow("print_chart_no_rows") << false << true << 0 << 0;
    }

    void body()
    {
        QFETCH(bool, preview);
        QFETCH(bool, chart);
        QFETCH(int, mask);
        QFETCH(int, rowCount);
        TempWorkDir dir;
        const QVector<ReportItem> rows = qcreport_fixture::fourRows().mid(0, rowCount);
        QString html;
        if (preview) {
            qcPreviewPage page;
            fill(page, mask, chart);
            html = page.buildBody(rows);
        } else {
            qcReportPage page;
            fill(page, mask, chart);
            html = page.buildBody(rows);
        }
        compareGolden(QString("body_") + QTest::currentDataTag(), html);

        QVERIFY(html.contains(QStringLiteral("检验结果")));
        QVERIFY(html.contains(QStringLiteral("靶值")));
        QCOMPARE(html.contains(QStringLiteral("<b>质控</b>说明")), preview || !(mask & bits({14})));
        QCOMPARE(html.contains(QStringLiteral("序列号:QV100200")), preview || !(mask & bits({13})));
        QCOMPARE(html.contains(QStringLiteral("审核者:李四")), preview || !(mask & bits({10})));
        QCOMPARE(html.contains(QStringLiteral("<strong>8)</strong>")) || html.contains(QStringLiteral(">8)<")), preview);
        if (rowCount == 4) {
            // ALB above its QC range: red and bold; GLU below: blue and bold; TP inside: black
            QVERIFY(html.contains("style='color: #ff0000;'"));
            QVERIFY(html.contains("style='color: #0DA9DB;'"));
            QVERIFY(html.contains("style='color: #000000;'"));
            QCOMPARE(html.contains(QStringLiteral("↑")), !chart);
            QCOMPARE(html.contains(QStringLiteral("↓")), !chart);
            for (const char* value : {"65", "32.5", "4.2", "88", "60", "25", "5.5", "90", "50-70", "20-30"})
                QVERIFY2(html.contains(QStringLiteral(">%1<").arg(value)) || html.contains(QStringLiteral(">%1</").arg(value)), value);
            const int cells = 8;   // number, name, code, result, arrow or bar, target, unit, range
            QCOMPARE(html.count("font-weight: bold;"), 2 * (cells - ((mask & bits({8})) && !preview ? 1 : 0)));
        }
        QVERIFY(html.contains(QStringLiteral("Icterus:黄疸+")));
        QVERIFY(html.contains(QStringLiteral("Turbidity:脂血+")));
    }

    // Data values reach the HTML escaped in both kinds; the custom statement keeps its markup.
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
        auto check = [](auto& page) {
            page.optionMask = 0;
            QStringList values{"hospital", "address", "phone", "email"};
            const QList<QString*> fields{&page.qcLot, &page.division, &page.testTime, &page.tester,
                                         &page.reviewer, &page.serialNumber};
            for (int i = 0; i < fields.size(); ++i) {
                *fields[i] = QStringLiteral("<i>field%1&</i>").arg(i);
                values << QStringLiteral("field%1").arg(i);
            }
            page.customText = "<u>custom</u>";
            ReportItem r = report_fixture::item("<i>code&</i>", "<i>name&</i>", 50, 10, 40, "<i>result&</i>", "<i>unit&</i>");
            r.rangeText = "<i>range&</i>";
            r.target = "<i>target&</i>";
            page.reportItems = {r};
            values << "code" << "name" << "result" << "unit" << "range" << "target";
            for (bool chart : {true, false}) {
                page.chartMode = chart;
                const QString html = page.buildTitle() + page.buildContact() + page.buildBody(page.reportItems);
                QVERIFY2(!html.contains("<i>"), qPrintable(html));
                for (const QString& v : qAsConst(values))
                    QVERIFY2(html.contains(QStringLiteral("&lt;i&gt;%1&amp;&lt;/i&gt;").arg(v)), qPrintable(v));
                QVERIFY(html.contains("<u>custom</u>"));
            }
        };
        qcReportPage print;
        check(print);
        qcPreviewPage preview;
        check(preview);
    }

    // A page as constructed is complete: all options on, the first QC material, no rows.
    void freshPageIsComplete()
    {
        TempWorkDir dir;
        qcReportPage page;
        QCOMPARE(page.optionMask, 0);
        QCOMPARE(page.qcProduct, 0);
        QVERIFY(page.reportItems.isEmpty());
        QVERIFY(page.buildTitle().contains(QStringLiteral("质控品:质控一")));
        const QString body = page.buildBody(page.reportItems);
        QVERIFY(body.contains(QStringLiteral("检验者:")));
        QVERIFY(body.contains(QStringLiteral("序列号:")));
        // the settings preview page names the second material and a placeholder statement
        qcPreviewPage preview;
        QVERIFY(preview.buildTitle().contains(QStringLiteral("质控品:质控二")));
        QVERIFY(preview.buildBody({}).contains(QStringLiteral("<strong>14) </strong>责任声明")));
        QCOMPARE(preview.customText, QStringLiteral("责任声明"));
    }

    // The preview replaces what the host showed; the page keeps one print object.
    void showPreviewTwice()
    {
        TempWorkDir dir;
        QWidget host;
        host.resize(400, 560);
        qcPreviewPage page;
        fill(page, bits({3, 9}));
        page.showPreview(&host);
        QPointer<printTool> first = page.previewTool;
        QVERIFY(first);
        page.showPreview(&host);
        QVERIFY(!first);                         // the earlier print object is gone
        QVERIFY(page.previewTool);
        host.show();
        QCoreApplication::processEvents();
        QCOMPARE(host.findChildren<QPrintPreviewWidget*>().size(), 1);
        const QImage shot = host.grab().toImage();
        QVERIFY(!shot.isNull());
        if (!qEnvironmentVariableIsEmpty("CHEMDESK_KEEP_PNG"))
            shot.save(qEnvironmentVariable("CHEMDESK_KEEP_PNG"));
    }
};

QTEST_MAIN(tst_qcreport_html)
#include "tst_qcreport_html.moc"
