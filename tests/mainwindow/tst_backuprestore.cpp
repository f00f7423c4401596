// Backup and restore of the main database from the data menu, against real SQLite files.
#include "DatabaseFileCopy.h"
#include "Index.h"
#include "Indexdb.h"
#include "LanguageLoader.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "SystemSettings.h"
#include "SaveDialogAnswer.h"
#include "TestSupport.h"
#include "dbHelper.h"
#include "ui_Index.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
const QString kMachine = QStringLiteral("CDSIM0001");

QByteArray hashOf(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

int addSample(const QString& name)
{
    PanelChkRecord r;
    r.machineid = QStringLiteral("M1");
    r.chkdatetime = QDateTime::currentDateTime();
    r.panelid = 1;
    r.patientinfo = QStringLiteral("{\"name\":\"%1\"}").arg(name);
    r.testresults = QStringLiteral("[{\"N\":\"ALB\",\"I\":[30,25,40,0,60,\"g/L\"]}]");
    Indexdb db;
    return db.insertData(r) ? 1 : 0;
}

void addQc()
{
    PanelQcResult qc;
    qc.machineid = QStringLiteral("M1");
    qc.chkdatetime = QDateTime::currentDateTime();
    qc.result = QStringLiteral("[]");
    Indexdb db;
    QVERIFY(db.insertQcResult(qc));
}

int count(const char* table)
{
    QSqlQuery q(QStringLiteral("select count(*) from %1").arg(QLatin1String(table)));
    return q.next() ? q.value(0).toInt() : -1;
}

// Opens the device accounts from the window and runs `act` on the dialog; returns the accounts it
// listed when it opened.
QStringList withAccountsDialog(Index& w, const std::function<void(QDialog*)>& act = nullptr)
{
    QStringList shown;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dlg || !dlg->inherits("User") || !timer.isActive())
            return;
        timer.stop();
        const QAbstractItemModel* list = dlg->findChild<QAbstractItemView*>(QStringLiteral("tableView"))->model();
        for (int row = 0; row < list->rowCount(); ++row)
            shown << list->index(row, 0).data().toString();
        if (act)
            act(dlg);
        dlg->accept();
    });
    timer.start(20);
    w.slot_userUI();
    return shown;
}

// The device accounts stored in `file`, after adding `add` when given.
QStringList accountsIn(const QString& file, const QString& add = QString())
{
    QStringList names;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("accounts_check"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && !add.isEmpty()) {
            q.prepare(QStringLiteral("insert into user (devicename, devicepassword) values (?, 'pw')"));
            q.addBindValue(add);
            q.exec();
        }
        if (q.exec(QStringLiteral("select devicename from user order by id")))
            while (q.next())
                names << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("accounts_check"));
    return names;
}

int listed(Index& w)
{
    return w.form()->tableWidget->model()->rowCount();
}

int qcListed(Index& w)
{
    auto* view = w.form()->wgt_qc_report->findChild<QAbstractItemView*>(QStringLiteral("tableWidget_qc"));
    return view ? view->model()->rowCount() : -1;
}
} // namespace

class tst_backuprestore : public QObject
{
    Q_OBJECT
private slots:
    void init() { PcComData::getInstance()->stopScanPort(); }
    void cleanup()
    {
        PcComData::getInstance()->stopComm();
        (void)QTest::qWaitFor([] { return !PcComData::getInstance()->isPortInUse(); }, 2000);
    }

    // The backup is a byte copy of the database, also over an existing file; a target that
    // cannot be written says so and leaves nothing behind.
    void backupCopiesWholeFile()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        QCOMPARE(addSample("Bella"), 1);
        MessageBoxCloser boxes;
        Index w;

        SaveDialogAnswer answer(dir.file("copy.db2"));
        w.slot_backupsqlUI();
        QVERIFY(answer.answered);
        QCOMPARE(answer.caption, QStringLiteral("文件保存"));
        QCOMPARE(answer.filter, QStringLiteral("*.db2"));
        QCOMPARE(boxes.texts.value(0), QStringLiteral("备份成功"));
        QCOMPARE(hashOf(dir.file("copy.db2")), hashOf(dir.file("database.db2")));
        QVERIFY(DatabaseFileCopy::isResultDatabase(dir.file("copy.db2")));
        // The database is open again and takes new results.
        QCOMPARE(addSample("Max"), 1);
        QCOMPARE(count("PanelChkResult"), 2);

        // An existing backup is replaced (the file dialog asked the user first).
        QFile old(dir.file("old.db2"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older file") > 0);
        old.close();
        QCOMPARE(DatabaseFileCopy::backup(dir.file("database.db2"), dir.file("old.db2")), DatabaseFileCopy::Done);
        QCOMPARE(hashOf(dir.file("old.db2")), hashOf(dir.file("database.db2")));
        // A backup onto the database itself changes nothing.
        QCOMPARE(DatabaseFileCopy::backup(dir.file("database.db2"), dir.file("./database.db2")), DatabaseFileCopy::SameFile);
        QCOMPARE(count("PanelChkResult"), 2);

        // A folder that does not exist: a clear failure, nothing written.
        boxes.texts.clear();
        {
            SaveDialogAnswer missing(dir.file("no/such/folder/x.db2"));
            w.slot_backupsqlUI();
        }
        QVERIFY(!QFile::exists(dir.file("no/such/folder/x.db2")));
        QCOMPARE(count("PanelChkResult"), 2);
        if (!boxes.texts.isEmpty())
            QCOMPARE(boxes.texts.value(0), QStringLiteral("备份失败，数据未复制"));

        // Cancelled: nothing shown, the database still open.
        boxes.texts.clear();
        {
            SaveDialogAnswer cancel{QString()};
            w.slot_backupsqlUI();
        }
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(count("PanelChkResult"), 2);
    }

    // A good backup comes back into both lists; anything else is refused with the database as it
    // was.
    void restoreChecksTheFile()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        QCOMPARE(addSample("Bella"), 1);
        addQc();
        QVERIFY(DatabaseFileCopy::backup(dir.file("database.db2"), dir.file("two.db2")) == DatabaseFileCopy::Done);
        QCOMPARE(addSample("Max"), 1);
        QCOMPARE(addSample("Luna"), 1);
        MessageBoxCloser boxes;
        Index w;
        QCOMPARE(listed(w), 3);
        addQc();
        {
            SaveDialogAnswer cancel{QString()};
            w.slot_restoresqlUI(); // cancelled: the lists are read again all the same
        }
        QCOMPARE(qcListed(w), 2);

        // Files that are not a result database.
        QFile text(dir.file("notes.db2"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("SQLite format 3? no, just text\n") > 0);
        text.close();
        QFile empty(dir.file("empty.db2"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(dir.file("other.db2"));
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(other).exec("create table t (x)"));
            other.close();
        }
        QSqlDatabase::removeDatabase("other");
        const QByteArray before = hashOf(dir.file("database.db2"));
        for (const char* bad : {"notes.db2", "empty.db2", "other.db2"}) {
            boxes.texts.clear();
            SaveDialogAnswer answer(dir.file(bad));
            w.slot_restoresqlUI();
            QVERIFY2(answer.answered, bad);
            QCOMPARE(answer.caption, QStringLiteral("文件打开"));
            QCOMPARE(hashOf(dir.file("database.db2")), before);
            QCOMPARE(count("PanelChkResult"), 3);
            QCOMPARE(listed(w), 3);
            QCOMPARE(boxes.texts.value(0), QStringLiteral("所选文件不是可用的数据库备份，原数据库未改变"));
        }

        QCOMPARE(DatabaseFileCopy::restore(dir.file("missing.db2"), dir.file("database.db2")), DatabaseFileCopy::SourceUnreadable);
        QCOMPARE(hashOf(dir.file("database.db2")), before);

        boxes.texts.clear();
        {
            SaveDialogAnswer answer(dir.file("two.db2"));
            w.slot_restoresqlUI();
        }
        QVERIFY(boxes.texts.value(0).startsWith(QStringLiteral("恢复成功")));
        QCOMPARE(count("PanelChkResult"), 1);
        QCOMPARE(count("PanelQcResult"), 1);
        QCOMPARE(listed(w), 1);
        QCOMPARE(qcListed(w), 1);
        QCOMPARE(w.form()->okButton->text(), QStringLiteral("串口连接"));
    }

    // The replaced database stays beside the restored one, under a name of each restore's own
    // that the message gives; the case form and detail view no longer show a replaced result.
    void restoreKeepsReplacedDatabase()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        QCOMPARE(addSample("Bella"), 1);
        QVERIFY(DatabaseFileCopy::backup(dir.file("database.db2"), dir.file("one.db2")) == DatabaseFileCopy::Done);
        QCOMPARE(addSample("Max"), 1);
        QVERIFY(QSqlQuery().exec("update PanelChkResult set patientinfo = '{\"name\":\"Bella since\"}' where id = 1"));
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        const QString noResult = f->chkdatetime->text() + f->sampletime->text() + f->sendinspectordate->text();
        const QAbstractItemModel* list = f->tableWidget->model();
        for (int row = 0; row < list->rowCount(); ++row) {
            if (list->index(row, 0).data().toInt() == 1)
                f->tableWidget->selectRow(row);
        }
        QCOMPARE(f->patientinfoname->text(), QStringLiteral("Bella since"));
        QVERIFY(f->tableWidget_2->rowCount() > 0);

        QStringList kept;
        for (int restore = 0; restore < 2; ++restore) {
            const QByteArray replaced = hashOf(dir.file("database.db2"));
            boxes.texts.clear();
            {
                SaveDialogAnswer answer(dir.file("one.db2"));
                w.slot_restoresqlUI();
            }
            QDir folder(dir.file("."));
            const QStringList found = folder.entryList({"database.db2.before-restore-*"}, QDir::Files, QDir::Name);
            QCOMPARE(found.size(), restore + 1);
            QString name;
            for (const QString& n : found)
                if (!kept.contains(n))
                    name = n;
            kept << name;
            QCOMPARE(hashOf(dir.file(name)), replaced);
            QVERIFY2(boxes.texts.value(0).contains(name), qPrintable(boxes.texts.value(0)));
            QCOMPARE(hashOf(dir.file("database.db2")), hashOf(dir.file("one.db2")));
        }
        QVERIFY(kept.at(0) != kept.at(1));
        QCOMPARE(count("PanelChkResult"), 1);
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->index(0, 5).data().toString(), QStringLiteral("Bella"));

        // Nothing of the replaced result is shown, and a save stores nothing and says so.
        QCOMPARE(f->patientinfoname->text(), QString());
        QCOMPARE(f->chkdatetime->text() + f->sampletime->text() + f->sendinspectordate->text(), noResult);
        QCOMPARE(f->tableWidget_2->rowCount(), 0);
        QVERIFY(!f->tableWidget->selectionModel()->hasSelection());
        for (QPushButton* save : {f->pushButton_14, f->pushButton_6}) {
            boxes.texts.clear();
            QTest::mouseClick(save, Qt::LeftButton);
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("保存失败")});
        }
        QSqlQuery q("select patientinfo from PanelChkResult where id = 1");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("{\"name\":\"Bella\"}"));
        // CHEMDESK_SHOT=<file.png> keeps a picture of the success message.
        if (qEnvironmentVariableIsSet("CHEMDESK_SHOT")) {
            boxes.grabTo = qEnvironmentVariable("CHEMDESK_SHOT");
            SaveDialogAnswer answer(dir.file("one.db2"));
            w.slot_restoresqlUI();
        }
    }

    // The replaced file's name is new at every restore, also within one second; when the copy
    // cannot be put in place, the replaced file is put back.
    void swapKeepsOrPutsBackTheReplacedFile()
    {
        TempWorkDir dir;
        const auto write = [](const QString& file, const QByteArray& text) {
            QFile f(file);
            return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
        };
        const auto read = [](const QString& file) {
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
        };
        const QString target = dir.file("database.db2");
        const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
        const QString base = target + ".before-restore-20260304-050607";
        QCOMPARE(DatabaseFileCopy::keptName(target, when), base);
        QString kept;
        for (const char* text : {"second", "third", "fourth"}) {
            QVERIFY(write(target, "replaced by " + QByteArray(text)));
            QVERIFY(write(dir.file("incoming"), text));
            QCOMPARE(DatabaseFileCopy::swapIn(dir.file("incoming"), target, when, &kept), DatabaseFileCopy::Done);
            QCOMPARE(read(target), QByteArray(text));
            QCOMPARE(read(kept), "replaced by " + QByteArray(text));
        }
        QCOMPARE(kept, base + "-3");
        QCOMPARE(QDir(dir.path()).entryList({"database.db2.before-restore-*"}, QDir::Files),
                 QStringList({"database.db2.before-restore-20260304-050607", "database.db2.before-restore-20260304-050607-2",
                              "database.db2.before-restore-20260304-050607-3"}));

        // The copy cannot be renamed into place (it is gone): the database stays where it was.
        QCOMPARE(DatabaseFileCopy::swapIn(dir.file("incoming"), target, when, &kept), DatabaseFileCopy::TargetUnwritable);
        QVERIFY(kept.isEmpty());
        QCOMPARE(read(target), QByteArray("fourth"));
        QVERIFY(!QFile::exists(base + "-4"));
    }

    // The file dialogs are titled in the language chosen.
    void dialogTitlesFollowTheLanguage()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        LanguageLoader::instance();
        QVERIFY(setLanguage("English"));
        Index w;
        QString titles;
        for (auto command : {&Index::slot_backupsqlUI, &Index::slot_restoresqlUI}) {
            SaveDialogAnswer cancel{QString()};
            (w.*command)();
            titles += cancel.caption + '|';
        }
        QVERIFY(setLanguage("Chinese"));
        QCOMPARE(titles, QStringLiteral("Save file|Open file|"));
    }

    // In network mode only "database.db3" is replaced. The device accounts, kept there, are those
    // of the restored file at the next opening of their dialog, also when it was open before.
    void networkModeUsesDb3()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        QVERIFY(dbHelper::upgradeSchema(QStringLiteral("database.db3")));
        QVERIFY(DatabaseFileCopy::backup(dir.file("database.db2"), dir.file("serial-copy.db3")) == DatabaseFileCopy::Done);
        QCOMPARE(accountsIn(dir.file("database.db3"), "QV-REPLACED"), QStringList{"QV-REPLACED"});
        QCOMPARE(accountsIn(dir.file("serial-copy.db3"), "QV-RESTORED"), QStringList{"QV-RESTORED"});
        const QByteArray db2 = hashOf(dir.file("database.db2"));
        {
            QSettings mode(QStringLiteral("./saveFile/database.ini"), QSettings::IniFormat);
            mode.setValue(QStringLiteral("systemCfg/get"), 3);
        }
        dbHelper::getInstance()->close();
        QVERIFY(dbHelper::getInstance()->openDatabase());
        MessageBoxCloser boxes;
        Index w;
        QCOMPARE(withAccountsDialog(w), QStringList{"QV-REPLACED"});
        const QByteArray restored = hashOf(dir.file("serial-copy.db3"));
        {
            SaveDialogAnswer answer(dir.file("serial-copy.db3"));
            w.slot_restoresqlUI();
            QCOMPARE(answer.filter, QStringLiteral("*.db3"));
        }
        QVERIFY(boxes.texts.value(0).startsWith(QStringLiteral("恢复成功")));
        QCOMPARE(hashOf(dir.file("database.db3")), restored);
        QCOMPARE(hashOf(dir.file("database.db2")), db2);

        boxes.texts.clear();
        const QStringList shown = withAccountsDialog(w, [](QDialog* dlg) {
            dlg->findChild<QLineEdit*>(QStringLiteral("lineEdit_devicename"))->setText(QStringLiteral("QV-ADDED"));
            dlg->findChild<QLineEdit*>(QStringLiteral("lineEdit_password"))->setText(QStringLiteral("pw2"));
            QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("pushButton_add")), Qt::LeftButton);
        });
        QCOMPARE(shown, QStringList{"QV-RESTORED"});
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("保存成功")});
        QCOMPARE(accountsIn(dir.file("database.db3")), QStringList({"QV-RESTORED", "QV-ADDED"}));
        const QStringList kept = QDir(dir.path()).entryList({"database.db3.before-restore-*"}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(accountsIn(dir.file(kept.value(0))), QStringList{"QV-REPLACED"});
    }

    // A restore closes the link; what the analyzer measured meanwhile is fetched after the
    // reconnect, once each.
    void analyzerResultDuringRestoreIsKept()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        MessageBoxCloser boxes;
        SimProcess sim;
        QVERIFY(sim.start({"--count", "3", "--seed", "7"}));
        Index w;
        w.m_resultSizeInterval = 400;
        w.m_replyInterval = 1500;
        connectTo(w, sim.port());
        QVERIFY(QTest::qWaitFor([] { return storedCount(kMachine) >= 3; }, 20000));
        QVERIFY(DatabaseFileCopy::backup(dir.file("database.db2"), dir.file("three.db2")) == DatabaseFileCopy::Done);

        // While the user picks the file the analyzer finishes two more tests.
        SimProcess sim2;
        SaveDialogAnswer answer(dir.file("three.db2"));
        answer.onShown([&] {
            sim.stop();
            QVERIFY(sim2.start({"--count", "5", "--seed", "7"}));
        });
        w.slot_restoresqlUI();
        QVERIFY(answer.answered);
        QVERIFY(!w.m_isPortOpen);
        QCOMPARE(w.form()->okButton->text(), QStringLiteral("串口连接"));
        QVERIFY(boxes.texts.value(0).startsWith(QStringLiteral("恢复成功")));
        QCOMPARE(storedCount(kMachine), 3);

        (void)QTest::qWaitFor([] { return !PcComData::getInstance()->isPortInUse(); }, 2000);
        connectTo(w, sim2.port());
        QVERIFY(QTest::qWaitFor([] { return storedCount(kMachine) >= 5; }, 20000));
        // Two more polls answered: nothing further is asked for or stored.
        const auto polls = [&] { return sim2.log().filter(QStringLiteral("-> ReResultSize 5")).size(); };
        const int seen = polls();
        QTRY_VERIFY_WITH_TIMEOUT(polls() >= seen + 2, 10000);
        QCOMPARE(storedCount(kMachine), 5);
        QCOMPARE(sim2.servedRowids(), QList<int>({4, 5}));
    }
};

QTEST_MAIN(tst_backuprestore)
#include "tst_backuprestore.moc"
