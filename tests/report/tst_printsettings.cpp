#include "PrintSettings.h"
#include "ReadOnlyFile.h"
#include "TestSupport.h"

#include <QtTest>
#include <QSettings>

// The print settings file through its accessor, in a temporary working folder.
class tst_printsettings : public QObject
{
    Q_OBJECT

    static QString ini() { return QStringLiteral("./saveFile/printsetting.ini"); }

    // Every key of the file, as stored.
    static QMap<QString, QString> keys() { return iniKeys(ini()); }

private slots:
    void defaultsWithoutFile()
    {
        TempWorkDir dir;
        const TestPrintOptions t = PrintSettings::readTest();
        QCOMPARE(t.chart, 0);
        QCOMPARE(t.paper, 0);
        QCOMPARE(t.optEnable, 0);
        QCOMPARE(t.customText, QString());
        QCOMPARE(t.customDefault, true);
        QCOMPARE(t.fontSize, 12);
        const QcPrintOptions q = PrintSettings::readQc();
        QCOMPARE(q.chart, 0);
        QCOMPARE(q.paper, 2);
        QCOMPARE(q.optEnable, 0);
        QCOMPARE(q.customText, QString());
        QCOMPARE(q.fontSize, 12);
        QVERIFY(!QFile::exists(ini()));
    }

    void eachSaveWritesItsOwnKeys()
    {
        TempWorkDir dir;
        QVERIFY(QDir().mkpath("saveFile"));
        {
            QSettings s(ini(), QSettings::IniFormat);
            s.setValue("systemCfg/other", "kept");
            s.setValue("systemCfg/QcPaper", 1);
        }
        TestPrintOptions t;
        t.chart = 1;
        t.paper = 2;
        t.optEnable = 32;
        t.customText = QStringLiteral("<b>本院</b> ça va");
        t.customDefault = false;
        t.fontSize = 15;
        QVERIFY(PrintSettings::writeTest(t));
        QMap<QString, QString> k = keys();
        QCOMPARE(k.value("systemCfg/getModeSelect"), QString("1"));
        QCOMPARE(k.value("systemCfg/getModeSelect1"), QString("2"));
        QCOMPARE(k.value("systemCfg/optEnable"), QString("32"));
        QCOMPARE(k.value("systemCfg/customText"), t.customText);
        QCOMPARE(k.value("systemCfg/customDefault"), QString("false"));
        QCOMPARE(k.value("systemCfg/fontsize"), QString("15"));
        QCOMPARE(k.value("systemCfg/QcPaper"), QString("1"));
        QCOMPARE(k.value("systemCfg/other"), QString("kept"));
        QCOMPARE(k.size(), 8);

        const TestPrintOptions back = PrintSettings::readTest();
        QCOMPARE(back.chart, 1);
        QCOMPARE(back.paper, 2);
        QCOMPARE(back.optEnable, 32);
        QCOMPARE(back.customText, t.customText);
        QCOMPARE(back.customDefault, false);
        QCOMPARE(back.fontSize, 15);

        QcPrintOptions q;
        q.chart = 1;
        q.paper = 2;
        q.optEnable = 10;
        q.customText = QStringLiteral("质控声明");
        q.fontSize = 9;
        QVERIFY(PrintSettings::writeQc(q));
        k = keys();
        QCOMPARE(k.size(), 12);
        QCOMPARE(k.value("systemCfg/QcChart"), QString("1"));
        QCOMPARE(k.value("systemCfg/QcPaper"), QString("2"));
        QCOMPARE(k.value("systemCfg/QcOptEnable"), QString("10"));
        QCOMPARE(k.value("systemCfg/QcCustomText"), q.customText);
        QCOMPARE(k.value("systemCfg/QcFontsize"), QString("9"));
        QCOMPARE(k.value("systemCfg/optEnable"), QString("32"));
        const QcPrintOptions qb = PrintSettings::readQc();
        QCOMPARE(qb.optEnable, 10);
        QCOMPARE(qb.customText, q.customText);
        QCOMPARE(qb.fontSize, 9);
    }

    void storedFormsRead()
    {
        TempWorkDir dir;
        QVERIFY(QDir().mkpath("saveFile"));
        {
            // Written without a codec: non-ASCII text in the INI escape form.
            QSettings s(ini(), QSettings::IniFormat);
            s.setValue("systemCfg/customText", QStringLiteral("责任声明"));
            s.setValue("systemCfg/fontsize", "big");
            s.setValue("systemCfg/customDefault", false);
        }
        const TestPrintOptions t = PrintSettings::readTest();
        QCOMPARE(t.customText, QStringLiteral("责任声明"));
        QCOMPARE(t.fontSize, 0);
        QCOMPARE(t.customDefault, false);
        QCOMPARE(PrintSettings::readQc().paper, 2);
    }

    void unwritableFileFails()
    {
        TempWorkDir dir;
        QVERIFY(PrintSettings::writeTest(TestPrintOptions()));
        ReadOnlyFile lock(ini());
        if (!lock.isReadOnly())
            QSKIP("cannot make a file read-only here");
        TestPrintOptions t;
        t.optEnable = 6;
        QVERIFY(!PrintSettings::writeTest(t));
        QVERIFY(!PrintSettings::writeQc(QcPrintOptions()));
        // What was not written is not read back either, in this process or from the file.
        QCOMPARE(PrintSettings::readTest().optEnable, 0);
        QCOMPARE(keys().value("systemCfg/optEnable"), QString("0"));
        QVERIFY(!keys().contains("systemCfg/QcPaper"));
    }

    void startupDefaults()
    {
        TempWorkDir dir;
        QVERIFY(PrintSettings::applyStartupDefaults("Chinese"));
        QCOMPARE(PrintSettings::readTest().optEnable, PrintSettings::kStartupOptEnable);
        QCOMPARE(keys().size(), 1);

        QVERIFY(PrintSettings::applyStartupDefaults("Italian"));
        TestPrintOptions t = PrintSettings::readTest();
        QCOMPARE(t.customText, PrintSettings::italianStatement());
        QCOMPARE(t.customDefault, false);

        // The user's own statement, saved as it is, survives the next start.
        t.customText = QStringLiteral("Il nostro testo");
        t.optEnable = 0;
        QVERIFY(PrintSettings::writeTest(t));
        QVERIFY(PrintSettings::applyStartupDefaults("Italian"));
        t = PrintSettings::readTest();
        QCOMPARE(t.customText, QStringLiteral("Il nostro testo"));
        QCOMPARE(t.optEnable, 0);
    }
};

QTEST_GUILESS_MAIN(tst_printsettings)
#include "tst_printsettings.moc"
