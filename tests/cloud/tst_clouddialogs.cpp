// The device-account and software-information dialogs.
#include "LocalCloud.h"
#include "MainWindowTestKit.h"
#include "MyMessageBox.h"
#include "TestSupport.h"
#include "Upgrade.h"
#include "User.h"
#include "Userdb.h"
#include "dataAccess.h"
#include "dbHelper.h"
#include "ui_Upgrade.h"
#include "ui_User.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {
void saveShot(QWidget& w, const QString& name)
{
    const QString dir = buildDir() + "/screenshots";
    QDir().mkpath(dir);
    w.grab().save(dir + "/" + name + ".png");
}

// Accounts of the network database, read apart from the dialog.
QStringList networkAccounts()
{
    QStringList names;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check_db3");
        db.setDatabaseName("database.db3");
        db.open();
        QSqlQuery q("select devicename, devicepassword from user order by id", db);
        while (q.next())
            names << q.value(0).toString() + "/" + q.value(1).toString();
    }
    QSqlDatabase::removeDatabase("check_db3");
    return names;
}
}

class tst_clouddialogs : public QObject
{
    Q_OBJECT
    TempWorkDir m_work;

private slots:
    void initTestCase() { QVERIFY(prepareMainDatabase()); }

    // Accounts typed in serial mode land where the network import reads them.
    void accountsGoToTheNetworkDatabase()
    {
        QCOMPARE(dbHelper::currentFileName(), QString("database.db2"));
        MessageBoxCloser boxes;
        User dlg;
        dlg.show();
        dlg.findChild<QLineEdit*>("lineEdit_devicename")->setText(" QV100 ");
        dlg.findChild<QLineEdit*>("lineEdit_password")->setText("p'w\"1");
        QTest::mouseClick(dlg.findChild<QPushButton*>("pushButton_add"), Qt::LeftButton);
        QCOMPARE(networkAccounts(), QStringList{"QV100/p'w\"1"});
        QVector<UserEntry> serial;
        QVERIFY(Userdb().queryAll(&serial));
        QVERIFY(serial.isEmpty());

        // Empty fields and a second account of the same device are refused.
        dlg.findChild<QLineEdit*>("lineEdit_devicename")->setText("QV100");
        dlg.findChild<QLineEdit*>("lineEdit_password")->setText("x");
        QTest::mouseClick(dlg.findChild<QPushButton*>("pushButton_add"), Qt::LeftButton);
        dlg.findChild<QLineEdit*>("lineEdit_devicename")->setText("QV200");
        dlg.findChild<QLineEdit*>("lineEdit_password")->clear();
        QTest::mouseClick(dlg.findChild<QPushButton*>("pushButton_add"), Qt::LeftButton);
        QCOMPARE(networkAccounts(), QStringList{"QV100/p'w\"1"});
        QVERIFY(boxes.texts.join(';').contains(QString::fromUtf8("该设备账号已存在！")));
        QVERIFY(boxes.texts.join(';').contains(QString::fromUtf8("请输入设备编号和密码！")));

        dlg.findChild<QLineEdit*>("lineEdit_password")->setText("secret");
        QTest::mouseClick(dlg.findChild<QPushButton*>("pushButton_add"), Qt::LeftButton);
        QCOMPARE(networkAccounts().size(), 2);
        auto* view = dlg.findChild<QTableView*>("tableView");
        QCOMPARE(view->model()->rowCount(), 2);
        // Passwords are not shown.
        QVERIFY(!view->model()->index(1, 1).data().toString().contains("secret"));
        dlg.resize(520, 420);
        saveShot(dlg, "user_dialog");

        view->selectRow(0);
        QTest::mouseClick(dlg.findChild<QPushButton*>("pushButton_delete"), Qt::LeftButton);
        QCOMPARE(networkAccounts(), QStringList{"QV200/secret"});
    }

    void upgradeShowsTheLatestVersion()
    {
        if (!LocalCloud::available())
            QSKIP("the local cloud is not running (run the whole suite through ctest)");
        QVERIFY(LocalCloud::installIni());
        Upgrade dlg;
        dlg.setCurrentVersion("1.5v");
        dlg.show();
        dlg.checkForUpdate();
        auto* state = dlg.findChild<QLabel*>("label_state");
        QTRY_COMPARE_WITH_TIMEOUT(state->text(), QString::fromUtf8("发现新版本：1.6v"), 5000);
        QVERIFY(dlg.findChild<QPushButton*>("pushButton_download")->isEnabled());
        saveShot(dlg, "upgrade_dialog");
        dlg.setCurrentVersion("1.6v");
        QCOMPARE(state->text(), QString::fromUtf8("当前已是最新版本"));
        QVERIFY(!dlg.findChild<QPushButton*>("pushButton_download")->isEnabled());
    }
};

QTEST_MAIN(tst_clouddialogs)
#include "tst_clouddialogs.moc"
