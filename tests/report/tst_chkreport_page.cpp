#include "chkReportPage.h"
#include "printTool.h"

#include <QPointer>
#include <QtTest>

// The test report page: its range gauge and its defaults.
class tst_chkreport_page : public QObject
{
    Q_OBJECT
private slots:
    void gauge_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("arrow");
        const QString keep = "keep";
        QTest::newRow("at high") << 20.0 << 10.0 << 20.0 << "10.png" << "" << keep;
        QTest::newRow("24") << 24.0 << 10.0 << 20.0 << "11.png" << "red" << "↑";
        QTest::newRow("24.1") << 24.1 << 10.0 << 20.0 << "12.png" << "red" << "↑";
        QTest::newRow("32") << 32.0 << 10.0 << 20.0 << "13.png" << "red" << "↑";
        QTest::newRow("36") << 36.0 << 10.0 << 20.0 << "14.png" << "red" << "↑";
        QTest::newRow("36.5") << 36.5 << 10.0 << 20.0 << "15.png" << "red" << "↑";
        QTest::newRow("8") << 8.0 << 10.0 << 20.0 << "05.png" << "#0db9ef" << "↓";
        QTest::newRow("7.9") << 7.9 << 10.0 << 20.0 << "04.png" << "#0db9ef" << "↓";
        QTest::newRow("4") << 4.0 << 10.0 << 20.0 << "03.png" << "#0db9ef" << "↓";
        QTest::newRow("2") << 2.0 << 10.0 << 20.0 << "02.png" << "#0db9ef" << "↓";
        QTest::newRow("1") << 1.0 << 10.0 << 20.0 << "01.png" << "#0db9ef" << "↓";
        QTest::newRow("at low") << 10.0 << 10.0 << 20.0 << "06.png" << "" << keep;
        QTest::newRow("12") << 12.0 << 10.0 << 20.0 << "06.png" << "" << keep;
        QTest::newRow("13") << 13.0 << 10.0 << 20.0 << "07.png" << "" << keep;
        QTest::newRow("16") << 16.0 << 10.0 << 20.0 << "08.png" << "" << keep;
        QTest::newRow("18") << 18.0 << 10.0 << 20.0 << "09.png" << "" << keep;
        QTest::newRow("18.5") << 18.5 << 10.0 << 20.0 << "10.png" << "" << keep;
        QTest::newRow("no range") << 5.0 << 0.0 << 0.0 << "" << "" << "";
        QTest::newRow("no range, negative") << -50.0 << 0.0 << 0.0 << "" << "" << "";
    }

    void gauge()
    {
        QFETCH(double, value);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(QString, image);
        QFETCH(QString, colour);
        QFETCH(QString, arrow);
        QString gotImage = "keep", gotArrow = "keep";
        QCOMPARE(chkReportPage::resultGauge(value, low, high, gotImage, gotArrow), colour);
        QCOMPARE(gotImage, image);
        QCOMPARE(gotArrow, arrow);
    }

    void pageDefaults()
    {
        chkReportPage page;
        QVERIFY(page.chartMode);
        QVERIFY(!page.previewTool);
        QCOMPARE(page.paperMode, 0);
        QCOMPARE(page.fontSize, 12);
        QVERIFY(!page.printClinical);
        QVERIFY(page.ageText.isEmpty());
        QVERIFY(page.patientInfo.sampleJson.isEmpty());

        // The page owns the printTool behind its pointer.
        QPointer<printTool> tool;
        {
            chkReportPage owner;
            owner.previewTool = new printTool(0);
            tool = owner.previewTool;
            owner.previewTool->createPrinter();
        }
        QVERIFY(tool.isNull());
    }
};

QTEST_MAIN(tst_chkreport_page)
#include "tst_chkreport_page.moc"
