// What the main window does when it is built: form state, data menu, start-up migrations,
// print defaults and the optional login.
#include "Index.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "TestSupport.h"
#include "User.h"
#include "configAccess.h"
#include "dataAccess.h"
#include "Language.h"
#include "SettingDialog.h"
#include "dlgLogin.h"
#include "ui_Index.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {
// Runs one statement on a database file; for a select, the first value (-1 on failure).
int onFile(const QString& file, const QString& sql)
{
    int value = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "onFile");
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && q.exec(sql))
            value = q.next() ? q.value(0).toInt() : 0;
    }
    QSqlDatabase::removeDatabase("onFile");
    return value;
}

// Accounts where the account dialog and the network import read them.
int userRows(const QString& file = "database.db3")
{
    return onFile(file, "select count(*) from user");
}

void writeIni(const QString& path, const QString& key, const QVariant& value)
{
    QSettings s(path, QSettings::IniFormat);
    s.setIniCodec("UTF8");
    s.setValue(key, value);
}

QVariant readIni(const QString& path, const QString& key)
{
    QSettings s(path, QSettings::IniFormat);
    s.setIniCodec("UTF8");
    return s.value(key);
}
}

class tst_mainwindowstart : public QObject
{
    Q_OBJECT
private slots:
    void init() { PcComData::getInstance()->stopScanPort(); }

    void formAndMenuAfterConstruction()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        Index w;
        Ui::Index* f = w.form();
        QVERIFY(f->pushButton_AI->isHidden());
        QVERIFY(f->remark->isHidden());
        QVERIFY(f->pushButton_7->isHidden());
        QVERIFY(f->tableWidget->isColumnHidden(0));
        QCOMPARE(f->tableWidget->model()->columnCount(), 10);
        QCOMPARE(f->tableWidget_2->columnCount(), 7);
        QCOMPARE(f->tabWidget->currentIndex(), 0);
        QCOMPARE(f->pushButton_15->shortcut(), QKeySequence("Delete"));
        QCOMPARE(f->pushButton_6->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(f->pushButton_11->shortcut(), QKeySequence("Ctrl+F"));
        QCOMPARE(f->pushButton_3->shortcut(), QKeySequence("F2"));
        QCOMPARE(w.windowTitle(), QStringLiteral("生化管理平台"));
        QCOMPARE(f->wgt_qc_report->objectName(), QStringLiteral("wgt_qc_report"));
        QCOMPARE(f->speciesname->itemText(0), QString());
        QCOMPARE(f->animalsexname->count(), 3);
        QVERIFY(QFile::exists("print_logo_qv.png"));
        QVERIFY(!w.m_isPortOpen && !w.m_cmdTimer->isActive() && !w.m_resultSizeTimer->isActive());

        // The data menu belongs to the window; a language change replaces and frees it.
        QPointer<QMenu> menu = f->pushButton_10->menu();
        QVERIFY(menu);
        QCOMPARE(menu->parent(), &w);
        QCOMPARE(menu->actions().size(), 3);
        QCOMPARE(menu->actions().at(2)->text(), QStringLiteral("报告回收站"));
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&w, &change);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu);
        QVERIFY(f->pushButton_10->menu());
        QCOMPARE(f->pushButton_10->menu()->parent(), &w);

        // The port list keeps the chosen port while it is still offered.
        w.slotUpdateComItem({"/dev/ttyS0", "/dev/ttyS1"});
        f->cmbPortName->setCurrentIndex(1);
        w.slotUpdateComItem({"/dev/ttyS9", "/dev/ttyS1"});
        QCOMPARE(f->cmbPortName->currentText(), QStringLiteral("/dev/ttyS1"));
    }

    // The print-settings button of the settings dialog emits two signals; the window joins
    // exactly one of them, so the print settings open once per click.
    void printSettingsJoinedOnce()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        Index w;
        int joins = -1;
        bool viaPrintpreview = false;
        QTimer::singleShot(0, &w, [&] {
            SettingDialog* d = w.m_settingDialog;
            if (!d)
                return;
            viaPrintpreview = QObject::disconnect(d, &SettingDialog::printpreview, &w, &Index::slot_printpreviewUI);
            const bool viaOther =
                QObject::disconnect(d, &SettingDialog::signal_printpreviewUI, &w, &Index::slot_printpreviewUI);
            joins = int(viaPrintpreview) + int(viaOther);
            d->reject();
        });
        w.on_pushButton_12_clicked();
        QCOMPARE(joins, 1);
        QVERIFY(viaPrintpreview);
        QVERIFY(!w.m_settingDialog);
    }

    // Closing the language dialog refills the case-field lists from the lookup tables.
    void languageDialogRefillsCaseLists()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        Index w;
        QSqlQuery q;
        QVERIFY(q.exec("insert into species(name) values('Ward 7')"));
        QCOMPARE(w.form()->speciesname->findText("Ward 7"), -1);
        bool shown = false;
        QTimer::singleShot(0, &w, [&] {
            if (Language* d = w.m_language) {
                shown = true;
                d->reject();
            }
        });
        w.slot_languageUI();
        QVERIFY(shown);
        QVERIFY(!w.m_language);
        QVERIFY(w.form()->speciesname->findText("Ward 7") > 0);
    }

    void legacyAccountMigration()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const QString ini = "saveFile/user.ini";
        writeIni(ini, "systemCfg/devicename", "QV2024");
        writeIni(ini, "systemCfg/devicepassword", "pw1");
        {
            Index w;
        }
        QCOMPARE(userRows(), 1);
        QCOMPARE(userRows("database.db2"), 0); // serial mode: not into the open main database
        QVERIFY(!QFile::exists(ini));
        {
            Index w; // the file is gone: nothing more
            User accounts(&w);
            auto* list = accounts.findChild<QTableView*>("tableView");
            QVERIFY(list && list->model()->rowCount() == 1);
            QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("QV2024"));
        }
        QCOMPARE(userRows(), 1);

        writeIni(ini, "systemCfg/devicename", "QV2025");
        {
            Index w;
        }
        QCOMPARE(userRows(), 1);
        QVERIFY(!QFile::exists(ini));

        // An account that cannot be stored keeps its file for the next start.
        QCOMPARE(onFile("database.db3", "CREATE TRIGGER nouser BEFORE INSERT ON user BEGIN SELECT RAISE(FAIL, 'disk full'); END"), 0);
        writeIni(ini, "systemCfg/devicename", "QV2026");
        writeIni(ini, "systemCfg/devicepassword", "pw3");
        {
            Index w;
        }
        QVERIFY(QFile::exists(ini));
        QCOMPARE(onFile("database.db3", "DROP TRIGGER nouser"), 0);
        {
            Index w;
        }
        QVERIFY(!QFile::exists(ini));
        QCOMPARE(userRows(), 2);
    }

    void printDefaults()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const QString ini = "saveFile/printsetting.ini";
        {
            Index w;
        }
        QCOMPARE(readIni(ini, "systemCfg/optEnable").toInt(), 20975644);
        QVERIFY(!readIni(ini, "systemCfg/customText").isValid());

        writeIni(ini, "systemCfg/optEnable", 0);
        writeIni("saveFile/systemsetting.ini", "ChangeLanguage/Language", "Italian");
        {
            Index w;
        }
        QCOMPARE(readIni(ini, "systemCfg/optEnable").toInt(), 0);
        QVERIFY(readIni(ini, "systemCfg/customText").toString().startsWith("Si ricorda"));
        QCOMPARE(readIni(ini, "systemCfg/customDefault").toBool(), false);
        writeIni(ini, "systemCfg/customText", "Nostro testo");
        {
            Index w;
        }
        QCOMPARE(readIni(ini, "systemCfg/customText").toString(), QStringLiteral("Nostro testo"));
        writeIni("saveFile/systemsetting.ini", "ChangeLanguage/Language", "Chinese");
    }

    void loginOnlyWhenSwitchedOn()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        // The settings database of this working directory, not of an earlier test's.
        dataAccess::getInstance()->remove("config_rw");
        for (const QString& value : {QString(), QString("0"), QString("abc")}) {
            QVERIFY(configAccess::getInstance()->setConfig("islogin", value));
            Index w;
            QVERIFY2(!w.m_login, qPrintable(value));
        }
        QVERIFY(configAccess::getInstance()->setConfig("islogin", "1"));
        QVERIFY(configAccess::getInstance()->setPasswd("admin", "s3cret"));
        QVERIFY(configAccess::getInstance()->setConfig("passwdTip", "pet name"));
        Index w;
        QVERIFY(w.m_login);
        QVERIFY(w.m_login->isVisible());
        QCOMPARE(w.m_login->m_password, QStringLiteral("s3cret"));
        QVERIFY(QFile::exists("login.png"));
        w.setWindowState(Qt::WindowNoState);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(w.width() + 40, w.height() - 60);
        QCoreApplication::processEvents();
        QCOMPARE(w.m_login->geometry(), QRect(0, 0, w.width(), w.height()));
        QVERIFY(configAccess::getInstance()->setConfig("islogin", "0"));
    }

    // Login switched on, administrator password unreadable: the empty entry must not open.
    void loginWithUnreadablePasswordRefusesAll()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        dataAccess::getInstance()->remove("config_rw");
        QVERIFY(configAccess::getInstance()->setConfig("islogin", "1"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "damage");
            db.setDatabaseName("config_rw.db");
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("drop table users"));
            db.close();
        }
        QSqlDatabase::removeDatabase("damage");
        QVERIFY(configAccess::getInstance()->getPasswd("admin").isEmpty());
        Index w;
        QVERIFY(w.m_login);
        QVERIFY(w.m_login->isVisible());
        auto* edit = w.m_login->findChild<QLineEdit*>("lineEdit_password");
        auto* login = w.m_login->findChild<QPushButton*>("pushButton_login");
        QTest::mouseClick(login, Qt::LeftButton);
        QVERIFY(w.m_login->isVisible());
        QCOMPARE(w.m_login->findChild<QLabel*>("label_error")->text(), QStringLiteral("密码错误"));
        QTest::keyClicks(edit, "123456");
        QTest::mouseClick(login, Qt::LeftButton);
        QVERIFY(w.m_login->isVisible());
        QVERIFY(configAccess::getInstance()->setConfig("islogin", "0"));
    }
};

QTEST_MAIN(tst_mainwindowstart)
#include "tst_mainwindowstart.moc"
