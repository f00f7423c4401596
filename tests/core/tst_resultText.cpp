#include "ReportItem.h"
#include "UnitConvert.h"
#include "resultText.h"

#include <QtTest>

class tst_resultText : public QObject
{
    Q_OBJECT
private slots:
    void limitTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("lower");
        QTest::addColumn<QString>("text");
        QTest::newRow("TBIL within tolerance") << "TBIL" << -1.5 << 0.1 << "≤0.1";
        QTest::newRow("TBIL at tolerance") << "TBIL" << -2.0 << 0.1 << "≤0.1";
        QTest::newRow("TBIL past tolerance") << "TBIL" << -2.5 << 0.1 << "---";
        QTest::newRow("DBIL") << "DBIL" << -2.01 << 0.1 << "---";
        QTest::newRow("GLU zero") << "GLU" << 0.0 << 0.5 << "≤0.5";
        QTest::newRow("GLU negative") << "GLU" << -0.1 << 0.5 << "---";
        QTest::newRow("above lower limit") << "GLU" << 3.0 << 1.0 << "3";
        QTest::newRow("ALT -5") << "ALT" << -5.0 << 3.0 << "≤3";
        QTest::newRow("AST -5.1") << "AST" << -5.1 << 3.0 << "---";
        QTest::newRow("ALP -4") << "ALP" << -4.0 << 3.0 << "≤3";
        QTest::newRow("BUN -1") << "BUN" << -1.0 << 0.5 << "≤0.5";
        QTest::newRow("HCY -1.5") << "HCY" << -1.5 << 0.5 << "---";
        QTest::newRow("CK -20") << "CK" << -20.0 << 10.0 << "≤10";
        QTest::newRow("CK -21") << "CK" << -21.0 << 10.0 << "---";
        QTest::newRow("CK-MB -10") << "CK-MB" << -10.0 << 5.0 << "≤5";
        QTest::newRow("CK-MB -15 is not CK") << "CK-MB" << -15.0 << 5.0 << "---";
        QTest::newRow("AMY -10") << "AMY" << -10.0 << 5.0 << "≤5";
        QTest::newRow("GGT -50") << "GGT" << -50.0 << 5.0 << "≤5";
        QTest::newRow("ggt case-sensitive") << "ggt" << -1.0 << 5.0 << "---";
        QTest::newRow("general form") << "GLU" << 0.1234567 << 0.5 << "≤0.5";
        QTest::newRow("six digits") << "XX" << 1.0 << 1.23456789 << "≤1.23457";
    }

    void limitTexts()
    {
        QFETCH(QString, code);
        QFETCH(double, value);
        QFETCH(double, lower);
        QFETCH(QString, text);
        QCOMPARE(resultLimitText(code, value, lower), text);
    }

    void conversions_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("conventional");
        QTest::addColumn<QString>("si");
        QTest::newRow("ALB") << "ALB" << 35.0 << "3.50" << "35";
        QTest::newRow("ALB -1000") << "ALB" << -1000.0 << "-1000" << "-1000";
        QTest::newRow("GLU") << "GLU" << 5.5 << "99" << "5.5";
        QTest::newRow("CRE") << "CRE" << 88.4 << "1.00" << "88.4";
        QTest::newRow("TBIL") << "TBIL" << 6.0 << "0.35" << "6";
        QTest::newRow("Ca") << "Ca" << 2.45 << "9.8" << "2.45";
        QTest::newRow("Ca2+") << "Ca2+" << 2.45 << "9.8" << "2.45";
        QTest::newRow("UREA") << "UREA" << 5.0 << "30.0" << "5";
        QTest::newRow("BUN") << "BUN" << 5.0 << "14.0" << "5";
        QTest::newRow("P") << "P" << 1.5 << "4.65" << "1.5";
        QTest::newRow("PHOS") << "PHOS" << 1.5 << "4.65" << "1.5";
        QTest::newRow("GLOB") << "GLOB" << 32.0 << "3.2" << "32";
        QTest::newRow("IBIL one decimal") << "IBIL" << 6.0 << "0.4" << "6";
        QTest::newRow("NH3") << "NH3" << 30.0 << "51" << "30";
        QTest::newRow("unknown") << "ALT" << 1.23456789 << "1.23457" << "1.23457";
        QTest::newRow("lower case") << "alb" << 35.0 << "35" << "35";
        QTest::newRow("ca") << "ca" << 2.45 << "2.45" << "2.45";
    }

    void conversions()
    {
        QFETCH(QString, code);
        QFETCH(double, value);
        QFETCH(QString, conventional);
        QFETCH(QString, si);
        QCOMPARE(convertUnitValue(code, value, 1), conventional);
        QCOMPARE(convertUnitValue(code, value, 0), si);
        QCOMPARE(convertUnitValue(code, value, 2), si);
    }

    void ranges()
    {
        double low = 25, high = 40;
        QCOMPARE(convertUnitRange("ALB", low, high, 1), QString("2.50-4.00"));
        QCOMPARE(low, 2.5);
        QCOMPARE(high, 4.0);
        low = 25, high = 40;
        QCOMPARE(convertUnitRange("ALB", low, high, 0), QString("25-40"));
        QCOMPARE(low, 25.0);
        QCOMPARE(high, 40.0);
        // Converted limits carry the shown rounding.
        low = 3.33, high = 6.11;
        QCOMPARE(convertUnitRange("GLU", low, high, 1), QString("60-110"));
        QCOMPARE(low, 60.0);
        QCOMPARE(high, 110.0);
        low = 0.123456789, high = 7;
        QCOMPARE(convertUnitRange("ALT", low, high, 1), QString("0.123457-7"));
        QCOMPARE(low, 0.123456789);
        // No -1000 test for ranges.
        low = -1000, high = 0;
        QCOMPARE(convertUnitRange("ALB", low, high, 1), QString("-100.00-0.00"));
    }

    void unitsAndLimits()
    {
        QCOMPARE(unitOfProject("ALB", "g/L", 1), QString("g/dL"));
        QCOMPARE(unitOfProject("ALB", "g/L", 0), QString("g/L"));
        QCOMPARE(unitOfProject("NH3", "umol/L", 1), QString("ug/dL"));
        QCOMPARE(unitOfProject("GLOB", "g/L", 1), QString("g/dL"));
        QCOMPARE(unitOfProject("P", "mmol/L", 1), QString("mg/dL"));
        QCOMPARE(unitOfProject("ALT", "U/L", 1), QString("U/L"));

        double lower = 2.2, upper = 33.3;
        convertUnitLimits("GLU", 1, lower, upper);
        QCOMPARE(lower, 40.0);
        QCOMPARE(upper, 599.0);
        lower = 2.2, upper = 33.3;
        convertUnitLimits("GLU", 0, lower, upper);
        QCOMPARE(lower, 2.2);
        QCOMPARE(upper, 33.3);
        convertUnitLimits("ALT", 1, lower, upper);
        QCOMPARE(upper, 33.3);
    }

    void conversionTable()
    {
        QCOMPARE(unitConvertMap.size(), 22);
        const QStringList codes{"ALB", "Ca2+", "Ca", "TC", "CRE", "GLOB", "CHOL", "P", "GLU", "Mg2+", "PHOS",
                                "TBIL", "TP", "UA", "DBIL", "IBIL", "UREA", "BUN", "TG", "HDL-C", "LDL-C", "NH3"};
        for (const QString& c : codes) {
            QVERIFY2(unitConvertMap.contains(c), qPrintable(c));
            QCOMPARE(unitConvertMap.value(c).item, c);
        }
        const UnitConvert glob = unitConvertMap.value("GLOB");
        QCOMPARE(glob.unit, QString("g/dL"));
        QCOMPARE(glob.decimals, 1);
        const UnitConvert p = unitConvertMap.value("P");
        QCOMPARE(p.unit, QString("mg/dL"));
        QCOMPARE(p.factor, 3.1);
        QCOMPARE(unitConvertMap.value("UREA").factor, 6.006);
        QCOMPARE(unitConvertMap.value("BUN").decimals, 1);
        QCOMPARE(unitConvertMap.value("TC").secondDecimals, 1);
        QCOMPARE(unitConvertMap.value("CHOL").secondDecimals, 2);
    }

    void reportItemDefaults()
    {
        ReportItem item;
        QCOMPARE(item.value, 0.0);
        QCOMPARE(item.upperLimit, 0.0);
        QCOMPARE(item.addType, 0);
        QCOMPARE(item.target, QString("0"));
        QVERIFY(item.resultText.isEmpty());
    }
};

QTEST_MAIN(tst_resultText)
#include "tst_resultText.moc"
