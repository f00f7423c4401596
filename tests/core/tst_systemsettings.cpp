#include "ReadOnlyFile.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "dbHelper.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

// The system settings file and the INI helpers, on real files in a fresh working folder.
class tst_systemsettings : public QObject
{
    Q_OBJECT
private slots:
    void defaultsWithoutFile()
    {
        TempWorkDir dir;
        QCOMPARE(getLanguage(), QString("Chinese"));
        QCOMPARE(getDbsource(), QString("cn"));
        QVERIFY(!QFile::exists("saveFile/systemsetting.ini"));
    }

    void roundTripsAndFileLayout()
    {
        TempWorkDir dir;
        QVERIFY(setLanguage("Turkish"));
        QVERIFY(setDbsource("en"));
        QCOMPARE(getLanguage(), QString("Turkish"));
        QCOMPARE(getDbsource(), QString("en"));
        // Other parts read the file by its keys.
        QSettings raw("saveFile/systemsetting.ini", QSettings::IniFormat);
        QCOMPARE(raw.value("ChangeLanguage/Language").toString(), QString("Turkish"));
        QCOMPARE(raw.value("ChangeLanguage/Dbsource").toString(), QString("en"));
        setLanguage("Chinese");
    }

    void unknownOrEmptyValuesFallBack()
    {
        TempWorkDir dir;
        QDir().mkpath("saveFile");
        {
            QSettings raw("saveFile/systemsetting.ini", QSettings::IniFormat);
            raw.setValue("ChangeLanguage/Language", "Klingon");
            raw.setValue("ChangeLanguage/Dbsource", "");
        }
        QCOMPARE(getLanguage(), QString("Chinese"));
        QCOMPARE(getDbsource(), QString("cn"));
        // An unknown key is stored as the default, not as given.
        QVERIFY(setLanguage("Klingon"));
        QSettings raw("saveFile/systemsetting.ini", QSettings::IniFormat);
        QCOMPARE(raw.value("ChangeLanguage/Language").toString(), QString("Chinese"));
    }

    void languageHandlerGetsTheStoredKey()
    {
        TempWorkDir dir;
        QStringList handed;
        setLanguageHandler([&handed](const QString& language) { handed << language; });
        QVERIFY(setLanguage("Italian"));
        QVERIFY(setLanguage("Klingon"));
        setLanguageHandler({});
        QVERIFY(setLanguage("English"));
        QCOMPARE(handed, QStringList({"Italian", "Chinese"}));
        QCOMPARE(getLanguage(), QString("English"));
    }

    void brokenFileReadsDefaultsAndIsWrittenAgain()
    {
        TempWorkDir dir;
        QDir().mkpath("saveFile");
        QFile f("saveFile/systemsetting.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x00\xff\xfe[[[Change\x01Language\nLanguage=\xc3\x28\n=\n[", 30));
        f.close();
        QCOMPARE(getLanguage(), QString("Chinese"));
        QCOMPARE(getDbsource(), QString("cn"));
        QVERIFY(setDbsource("en"));
        QCOMPARE(getDbsource(), QString("en"));
        QCOMPARE(getLanguage(), QString("Chinese"));
        QVERIFY(QFile::exists("saveFile/systemsetting.ini.broken")); // kept for a look
    }

    void nonAsciiTextIsKept()
    {
        TempWorkDir dir;
        // Characters beyond U+FFFF (emoji, rare CJK) too.
        const QString clinic = QStringLiteral("宠物医院🐾Clinic «Çağ» Ёж — Ñandú 𩸽");
        QVERIFY(writeIniValues("./saveFile/hospital.ini", "systemCfg",
                               {{"hospital", clinic}, {"getModeSelect", 1}, {"address", QStringLiteral("🐶")}}));
        QCOMPARE(readIniValue("./saveFile/hospital.ini", "systemCfg", "getModeSelect").toInt(), 1);
        // A second write keeps the other keys of the group.
        QVERIFY(writeIniValues("./saveFile/hospital.ini", "systemCfg", {{"phone", "123"}}));
        // Written as UTF-8 text: read afresh (a copy, so not from this process's settings cache),
        // by the program's reader and as bytes.
        QVERIFY(QFile::copy("saveFile/hospital.ini", "saveFile/fresh.ini"));
        QCOMPARE(readIniValue("./saveFile/fresh.ini", "systemCfg", "hospital").toString(), clinic);
        QCOMPARE(readIniValue("./saveFile/fresh.ini", "systemCfg", "address").toString(), QStringLiteral("🐶"));
        QFile f("saveFile/hospital.ini");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(f.readAll()).contains(clinic));
    }

    void clinicFilesReadThroughTheirAccessors()
    {
        TempWorkDir dir;
        QCOMPARE(getUnitMode(), 0);
        QVERIFY(getHiddenAnalytes(3).isEmpty());
        {
            // Files as another writer leaves them (no codec, leading '/').
            QDir().mkpath("saveFile");
            QSettings h("./saveFile/hospital.ini", QSettings::IniFormat);
            h.setValue("/systemCfg/getModeSelect", 2);
            h.setValue("/systemCfg/address", "Elm St 5");
            QSettings p("./saveFile/project.ini", QSettings::IniFormat);
            p.setValue("/hideProject/3", QStringList{"TP", "GLU"});
        }
        QCOMPARE(getUnitMode(), 0); // anything but 1 is SI
        QCOMPARE(getHospitalValue("address"), QString("Elm St 5"));
        QVERIFY(setUnitMode(1));
        QCOMPARE(getUnitMode(), 1);
        QCOMPARE(getHospitalValue("address"), QString("Elm St 5"));
        QCOMPARE(getHiddenAnalytes(3), (QStringList{"TP", "GLU"}));
        QVERIFY(setHiddenAnalytes({{4, {"ALT"}}}));
        QCOMPARE(getHiddenAnalytes(3), (QStringList{"TP", "GLU"})); // other panels kept
        QCOMPARE(getHiddenAnalytes(4), QStringList{"ALT"});
    }

    void failedWriteIsReported()
    {
        TempWorkDir dir;
        // "saveFile" is a plain file: the folder cannot be made.
        QFile blocker("saveFile");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!writeIniValues("./saveFile/hospital.ini", "systemCfg", {{"hospital", "x"}}));
        QVERIFY(!setDbsource("en"));
        QCOMPARE(getDbsource(), QString("cn"));
    }

    void fileInPlaceOfTheIniIsReported()
    {
        TempWorkDir dir;
        // A folder where the INI file should be: the write cannot succeed.
        QVERIFY(QDir().mkpath("saveFile/hospital.ini"));
        QVERIFY(!writeIniValues("./saveFile/hospital.ini", "systemCfg", {{"hospital", "x"}}));
        QCOMPARE(readIniValue("./saveFile/hospital.ini", "systemCfg", "hospital", "none").toString(),
                 QString("none"));
    }

    // A refused write must not linger in the process's settings cache: reading back in the
    // same process gives what the file holds.
    void readOnlyFileKeepsTheStoredValues()
    {
        TempWorkDir dir;
        QVERIFY(setDbsource("en"));
        QVERIFY(setHospitalValues({{"hospital", "Old Clinic"}}));
        QVERIFY(setHiddenAnalytes({{3, {"TP"}}}));
        QVERIFY(dbHelper::setAcquisitionMode(3));
        QCOMPARE(dbHelper::currentFileName(), QString("database.db3"));

        ReadOnlyFile system("saveFile/systemsetting.ini");
        ReadOnlyFile hospital("saveFile/hospital.ini");
        ReadOnlyFile project("saveFile/project.ini");
        ReadOnlyFile mode("saveFile/database.ini");
        if (!system.isReadOnly() || !hospital.isReadOnly() || !project.isReadOnly() || !mode.isReadOnly())
            QSKIP("files cannot be made read-only here");

        QVERIFY(!setDbsource("cn"));
        QVERIFY(!setHospitalValues({{"hospital", "New Clinic"}}));
        QVERIFY(!setHiddenAnalytes({{3, {"GLU"}}}));
        QVERIFY(!dbHelper::setAcquisitionMode(2));
        QCOMPARE(getDbsource(), QString("en"));
        QCOMPARE(getHospitalValue("hospital"), QString("Old Clinic"));
        QCOMPARE(getHiddenAnalytes(3), QStringList{"TP"});
        QCOMPARE(dbHelper::currentFileName(), QString("database.db3"));
    }
};

QTEST_MAIN(tst_systemsettings)
#include "tst_systemsettings.moc"
