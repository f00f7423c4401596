#include "Help.h"
#include "Hospitalname.h"
#include "Language.h"
#include "LanguageLoader.h"
#include "MessageBoxCloser.h"
#include "SettingDialog.h"
#include "SiUnit.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "dbresource.h"
#include "dlgSetProjectGroup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextBrowser>
#include <QtTest>

namespace {
template <typename T>
T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

void click(QWidget* w, const char* name)
{
    child<QPushButton>(w, name)->click();
}

QString screenshotPath(const QString& name)
{
    const QByteArray dir = qgetenv("CHEMDESK_SCREENSHOT_DIR");
    return dir.isEmpty() ? QDir::current().filePath(name) : QDir(dir).filePath(name);
}
} // namespace

class tst_settingsdialogs : public QObject
{
    Q_OBJECT
private slots:
    // As the program does at start: the loader takes the languages stored from then on.
    void initTestCase() { LanguageLoader::instance(); }

    void hubEmitsOneSignalPerOpener()
    {
        TempWorkDir dir;
        SettingDialog dlg;
        const QList<QPair<const char*, void (SettingDialog::*)()>> openers = {
            {"pushButton_upgrade", &SettingDialog::signal_upgradeUI},
            {"pushButton_hospitalname", &SettingDialog::signal_hospitalnameUI},
            {"pushButton_referencevalue", &SettingDialog::signal_referencevalueUI},
            {"pushButton_clinical", &SettingDialog::signal_clinicalUI},
            {"pushButton_user", &SettingDialog::signal_userUI},
            {"pushButton_help", &SettingDialog::signal_helpUI},
            {"pushButton_animalsex", &SettingDialog::signal_animalsexUI},
            {"pushButton_dbresource", &SettingDialog::signal_dbresourceUI},
            {"pushButton_siunit", &SettingDialog::signal_siunitUI},
            {"pushButton_clinicaldiagnosis", &SettingDialog::signal_clinicaldiagnosisUI},
            {"pushButton_inspect", &SettingDialog::signal_inspectUI},
            {"pushButton_inspector", &SettingDialog::signal_inspectorUI},
            {"pushButton_reviewer", &SettingDialog::signal_reviewerUI},
            {"pushButton_sampletype", &SettingDialog::signal_sampletypeUI},
            {"pushButton_language", &SettingDialog::signal_languageUI},
            {"pushButton_sendinspector", &SettingDialog::signal_sendinspectorUI},
            {"pushButton_species", &SettingDialog::signal_speciesUI},
            {"pushButton_printpreview", &SettingDialog::signal_printpreviewUI},
        };
        QList<QSignalSpy*> spies;
        for (const auto& o : openers)
            spies << new QSignalSpy(&dlg, o.second);
        // The main window may join the print settings by this name as well.
        QSignalSpy printpreview(&dlg, &SettingDialog::printpreview);
        for (int i = 0; i < openers.size(); ++i) {
            click(&dlg, openers[i].first);
            for (int j = 0; j < spies.size(); ++j)
                QVERIFY2(spies[j]->count() == (j <= i ? 1 : 0), openers[i].first);
            QCOMPARE(printpreview.count(), QByteArray(openers[i].first) == "pushButton_printpreview" ? 1 : 0);
        }
        qDeleteAll(spies);
        QCOMPARE(child<QPushButton>(&dlg, "pushButton_projectgroup")->text(), QStringLiteral("盘片项目配置"));
    }

    void clearingTheNetworkCacheReloads()
    {
        TempWorkDir dir;
        // Device checkpoints of the network import in the read-write configuration database.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "prep");
            db.setDatabaseName("config_rw.db");
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TABLE IF NOT EXISTS config (keyName TEXT NOT NULL UNIQUE, valueStr TEXT, notes TEXT)"));
            QVERIFY(q.exec("INSERT INTO config VALUES ('QV100_NETMAXID','42',''), ('islogin','1','')"));
            db.close();
        }
        QSqlDatabase::removeDatabase("prep");

        SettingDialog dlg;
        QSignalSpy spy(&dlg, &SettingDialog::signal_updateCaseInfo);
        {
            MessageBoxCloser no(false); // the user thinks again
            click(&dlg, "pushButton_clearcache");
        }
        QCOMPARE(spy.count(), 0);
        MessageBoxCloser yes;
        click(&dlg, "pushButton_clearcache");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(yes.texts.last(), QStringLiteral("清除成功"));
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName("config_rw.db");
        QVERIFY(db.open());
        QSqlQuery q("select keyName from config order by keyName", db);
        QStringList keys;
        while (q.next())
            keys << q.value(0).toString();
        QCOMPARE(keys, QStringList{"islogin"});
        q.clear();
        db.close();
    }

    void hospitalnameSavesOnlyWhenWritten()
    {
        TempWorkDir dir;
        const QString name = QStringLiteral("安心宠物医院 · Clínica «Çağ»");
        {
            Hospitalname dlg;
            child<QLineEdit>(&dlg, "lineEdit_hospital")->setText(name);
            child<QLineEdit>(&dlg, "lineEdit_address")->setText(QStringLiteral("长江路 8 号"));
            child<QLineEdit>(&dlg, "lineEdit_phone")->setText("0571-1234567");
            child<QLineEdit>(&dlg, "lineEdit_email")->setText("vet@example.org");
            MessageBoxCloser closer;
            click(&dlg, "pushButton_save");
            QCOMPARE(closer.texts, QStringList{QStringLiteral("保存成功")});
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        QSettings ini("saveFile/hospital.ini", QSettings::IniFormat);
        ini.setIniCodec("UTF8");
        QCOMPARE(ini.value("systemCfg/hospital").toString(), name);
        QCOMPARE(ini.value("systemCfg/address").toString(), QStringLiteral("长江路 8 号"));
        QCOMPARE(ini.value("systemCfg/phone").toString(), QString("0571-1234567"));
        QCOMPARE(ini.value("systemCfg/email").toString(), QString("vet@example.org"));

        // Reopened, the dialog shows what is stored.
        Hospitalname again;
        QCOMPARE(child<QLineEdit>(&again, "lineEdit_hospital")->text(), name);
    }

    void hospitalnameReportsAFailedWrite()
    {
        TempWorkDir dir;
        QVERIFY(QDir().mkpath("saveFile/hospital.ini")); // a folder where the file belongs
        Hospitalname dlg;
        dlg.show();
        child<QLineEdit>(&dlg, "lineEdit_hospital")->setText("X");
        MessageBoxCloser closer;
        click(&dlg, "pushButton_save");
        QCOMPARE(closer.texts, QStringList{QStringLiteral("保存失败")});
        QVERIFY(dlg.isVisible()); // stays open: nothing was stored
    }

    void siUnitStoresTheMode()
    {
        TempWorkDir dir;
        {
            SiUnit dlg;
            QVERIFY(child<QRadioButton>(&dlg, "radioButton_si")->isChecked());
            child<QRadioButton>(&dlg, "radioButton_conventional")->setChecked(true);
            MessageBoxCloser closer;
            click(&dlg, "pushButton_save");
            QCOMPARE(closer.texts, QStringList{QStringLiteral("保存成功")});
        }
        QCOMPARE(readIniValue("./saveFile/hospital.ini", "systemCfg", "getModeSelect").toInt(), 1);
        SiUnit again;
        QVERIFY(child<QRadioButton>(&again, "radioButton_conventional")->isChecked());
        child<QRadioButton>(&again, "radioButton_si")->setChecked(true);
        MessageBoxCloser closer;
        click(&again, "pushButton_save");
        QCOMPARE(readIniValue("./saveFile/hospital.ini", "systemCfg", "getModeSelect").toInt(), 0);
    }

    void languageAndRegionDialogs()
    {
        TempWorkDir dir;
        {
            Language dlg;
            auto* combo = child<QComboBox>(&dlg, "comboBox_language");
            QCOMPARE(combo->count(), 8);
            QCOMPARE(combo->currentData().toString(), QString("Chinese"));
            combo->setCurrentIndex(combo->findData("English"));
            MessageBoxCloser closer;
            click(&dlg, "pushButton_save");
            QCOMPARE(getLanguage(), QString("English"));
            // The confirmation already speaks the new language.
            QCOMPARE(closer.texts, QStringList{QStringLiteral("Saved successfully")});
        }
        {
            dbresource dlg;
            QVERIFY(child<QRadioButton>(&dlg, "radioButton_cn")->isChecked());
            child<QRadioButton>(&dlg, "radioButton_overseas")->setChecked(true);
            MessageBoxCloser closer;
            click(&dlg, "pushButton_save");
            QVERIFY(getDbsource() != "cn");
            dbresource again;
            QVERIFY(child<QRadioButton>(&again, "radioButton_overseas")->isChecked());
        }
        setLanguage("Chinese");
    }

    void hiddenItemsPerPanel()
    {
        TempWorkDir dir;
        QDir().mkpath("saveFile");
        {
            QSettings ini("saveFile/project.ini", QSettings::IniFormat);
            // A code this program does not list stays hidden through an edit.
            ini.setValue("hideProject/2", QStringList{"SDMA", "ALT"});
        }
        dlgSetProjectGroup dlg;
        auto* panels = child<QComboBox>(&dlg, "comboBox_panel");
        auto* items = child<QListWidget>(&dlg, "listWidget_items");
        auto tick = [&](const QString& code, bool on) {
            for (int i = 0; i < items->count(); ++i)
                if (items->item(i)->data(Qt::UserRole).toString() == code)
                    items->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        };
        auto ticked = [&]() {
            QStringList codes;
            for (int i = 0; i < items->count(); ++i)
                if (items->item(i)->checkState() == Qt::Checked)
                    codes << items->item(i)->data(Qt::UserRole).toString();
            return codes;
        };
        QCOMPARE(panels->currentData().toInt(), 1);   // the analyzer's first panel
        QVERIFY(ticked().isEmpty());
        tick("TP", true);
        tick("Ca2+", true);
        panels->setCurrentIndex(panels->findData(2));
        QCOMPARE(ticked(), QStringList{"ALT"});
        tick("ALT", false);
        tick("GLU", true);
        panels->setCurrentIndex(panels->findData(1)); // edits of a panel survive switching
        QCOMPARE(ticked(), (QStringList{"TP", "Ca2+"}));
        MessageBoxCloser closer;
        click(&dlg, "pushButton_save");
        QCOMPARE(closer.texts, QStringList{QStringLiteral("保存成功")});
        QCOMPARE(getHiddenAnalytes(1), (QStringList{"TP", "Ca2+"}));
        QCOMPARE(getHiddenAnalytes(2), (QStringList{"SDMA", "GLU"}));
        QSettings ini("saveFile/project.ini", QSettings::IniFormat);
        QCOMPARE(ini.value("/hideProject/1").toStringList(), (QStringList{"TP", "Ca2+"}));
    }

    void helpFollowsTheLanguage()
    {
        TempWorkDir dir;
        QCOMPARE(Help::helpFile("Chinese"), QString(":/README.md"));
        QCOMPARE(Help::helpFile("Italian"), QString(":/README.it.md"));
        QCOMPARE(Help::helpFile("Russian"), QString(":/README.en.md"));
        Help dlg;
        auto* browser = child<QTextBrowser>(&dlg, "textBrowser");
        // Each says that "delete report" takes the selected results.
        const auto says = [browser](const QString& text) { return browser->toPlainText().simplified().contains(text); };
        QVERIFY(says(QStringLiteral("使用说明")));
        QVERIFY(says(QStringLiteral("删除报告将选中的结果移入报告回收站")));
        setLanguage("Italian");
        QTRY_VERIFY(says(QStringLiteral("Guida")));
        QVERIFY(says(QStringLiteral("Elimina referto sposta i risultati selezionati nel cestino")));
        setLanguage("English");
        QTRY_VERIFY(says(QStringLiteral("user guide")));
        QVERIFY(says(QStringLiteral("Delete report moves the selected results to the report recycle bin")));
        setLanguage("Chinese");
    }

    void screenshots()
    {
        TempWorkDir dir;
        setLanguage("Chinese");
        {
            SettingDialog dlg;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QVERIFY(dlg.grab().save(screenshotPath("settings_zh.png")));
            // A language change reaches an open dialog at once.
            setLanguage("English");
            QTRY_COMPARE(dlg.windowTitle(), QString("System settings"));
            QCOMPARE(child<QPushButton>(&dlg, "pushButton_species")->text(), QString("Departments"));
        }
        SettingDialog dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        // Every button shows its whole text.
        for (QPushButton* b : dlg.findChildren<QPushButton*>())
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        QVERIFY(dlg.grab().save(screenshotPath("settings_en.png")));
        setLanguage("Chinese");
    }
};

QTEST_MAIN(tst_settingsdialogs)
#include "tst_settingsdialogs.moc"
