// Window events of the main window: language change, close, F6 panel menu.
#include "Historyrecord.h"
#include "Index.h"
#include "Indexdb.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "SystemSettings.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "RecycleBin.h"
#include "dlgLoading.h"
#include "dlgQcQuery.h"
#include "dlgSetProjectGroup.h"
#include "Patientfind.h"
#include "wgtQcReport.h"
#include "ui_Index.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QSet>
#include <QTableWidget>
#include <functional>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QAbstractItemView>
#include <QAbstractItemModel>
#include <QTest>
#include <QTimer>

namespace {
int addResult(const QString& machine)
{
    PanelChkRecord r;
    r.machineid = machine;
    r.chkdatetime = QDateTime::currentDateTime();
    r.panelid = 1;
    r.patientinfo = QStringLiteral("{}");
    r.animalsexname = QStringLiteral("0");
    r.testresults = QStringLiteral("[{\"N\":\"ALB\",\"I\":[1,0,2,0,9,\"g/L\"]}]");
    return storeResult(r);
}

bool listed(Index& w, int id)
{
    QAbstractItemModel* m = w.form()->tableWidget->model();
    for (int row = 0; row < m->rowCount(); ++row)
        if (m->index(row, 0).data().toString() == QString::number(id))
            return true;
    return false;
}

QStringList texts(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        out << a->text();
    return out;
}

int addQc(int product, const QDateTime& when)
{
    PanelQcResult r;
    r.QcProduct = product;
    r.machineid = QStringLiteral("QC1");
    r.chkdatetime = when;
    r.result = QStringLiteral("[]");
    r.patientinfo = QStringLiteral("{\"Qc\":true}");
    if (!Indexdb().insertQcResult(r))
        return -1;
    QSqlQuery q("select max(id) from PanelQcResult");
    return q.next() ? q.value(0).toInt() : -1;
}

QSet<int> listedQc(Index& w)
{
    QSet<int> ids;
    auto* t = w.form()->wgt_qc_report->findChild<QAbstractItemView*>("tableWidget_qc");
    if (!t)
        return {-1};
    for (int row = 0; row < t->model()->rowCount(); ++row)
        ids.insert(t->model()->index(row, 0).data().toInt());
    return ids;
}

// Runs `open` while `act` handles the first modal dialog of type T that shows up.
template <typename T>
bool withModal(const std::function<void()>& open, const std::function<void(T*)>& act)
{
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            if (!seen) {
                seen = true;
                act(d);
            }
        }
    });
    poll.start(20);
    open();
    return seen;
}
}

class tst_windowevents : public QObject
{
    Q_OBJECT
private slots:
    void init() { PcComData::getInstance()->stopScanPort(); }
    void cleanup() { setLanguage(QStringLiteral("Chinese")); }

    // Switching to English retranslates the form and the data menu and reloads the list;
    // switching back gives the Chinese texts again.
    void languageChangeRetranslates()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        Index w;
        w.setWindowState(Qt::WindowNoState);
        w.resize(1600, 900);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Ui::Index* f = w.form();
        QCOMPARE(texts(f->pushButton_10->menu()->actions()),
                 QStringList({"数据备份", "数据恢复", "报告回收站"}));
        QCOMPARE(f->tabWidget->tabText(0), QStringLiteral("检测"));

        const int id = addResult("LANG1");
        QVERIFY(id > 0);
        QVERIFY(!listed(w, id));

        QVERIFY(setLanguage(QStringLiteral("English")));
        QCoreApplication::processEvents();
        QCOMPARE(texts(f->pushButton_10->menu()->actions()),
                 QStringList({"Back up data", "Restore data", "Report recycle bin"}));
        QCOMPARE(f->tabWidget->tabText(0), QStringLiteral("Tests"));
        QVERIFY(listed(w, id));

        // The rebuilt menu still reaches the recycle list.
        QMenu* menu = f->pushButton_10->menu();
        bool recycleOpened = false;
        QTimer::singleShot(0, &w, [&] {
            if (QDialog* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                recycleOpened = w.m_historyrecord && d == w.m_historyrecord;
                d->reject();
            }
        });
        menu->actions().at(2)->trigger();
        QVERIFY(recycleOpened);

        const QByteArray shots = qgetenv("CHEMDESK_SHOT_DIR");
        if (!shots.isEmpty()) {
            const QString langs = QString::fromLocal8Bit(qgetenv("CHEMDESK_SHOT_LANGS"));
            for (const QString& lang : langs.isEmpty() ? QStringList{"English"} : langs.split(',')) {
                setLanguage(lang);
                QCoreApplication::processEvents();
                for (int tab = 0; tab < 2; ++tab) {
                    f->tabWidget->setCurrentIndex(tab);
                    QVERIFY(w.grab().save(QString("%1/mainwindow_%2_%3.png").arg(QString::fromLocal8Bit(shots), lang).arg(tab)));
                }
                f->tabWidget->setCurrentIndex(0);
            }
        }

        QVERIFY(setLanguage(QStringLiteral("Chinese")));
        QCoreApplication::processEvents();
        QCOMPARE(texts(f->pushButton_10->menu()->actions()),
                 QStringList({"数据备份", "数据恢复", "报告回收站"}));
        QCOMPARE(f->tabWidget->tabText(0), QStringLiteral("检测"));
    }

    // The busy overlay is held over the window as it is resized and moved.
    void overlayFollowsWindow()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        Index w;
        w.setWindowState(Qt::WindowNoState);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(1500, 700);
        QTRY_COMPARE(w.size(), QSize(1500, 700));
        QTRY_COMPARE(dlgLoading::getInstance()->size(), QSize(1500, 700));
        w.move(70, 90);
        QTRY_COMPARE(w.pos(), QPoint(70, 90));
        QTRY_COMPARE(dlgLoading::getInstance()->pos(), w.pos());
    }

    void closeStopsPortScanner()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        PcComData* link = PcComData::getInstance();
        Index w;
        w.setWindowState(Qt::WindowNoState);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(link->isScanning());
        QVERIFY(w.close());
        QTRY_VERIFY_WITH_TIMEOUT(!link->isScanning(), 5000);
    }

    // F6 offers one entry at the pointer; dismissing it does nothing, choosing it opens the
    // panel-group settings under the entry's title and reloads the list after they close.
    void f6PanelMenu()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        QVERIFY(setLanguage(QStringLiteral("English")));
        Index w;
        w.setWindowState(Qt::WindowNoState);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        for (const QString& language : {QStringLiteral("Chinese"), QStringLiteral("English")}) {
            QVERIFY(setLanguage(language));
            const QString entry = language == "English" ? "Panel item settings" : "盘片项目配置";
            QStringList shown;
            QTimer poll;
            connect(&poll, &QTimer::timeout, [&] {
                if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    shown = texts(menu->actions());
                    menu->close();
                }
            });
            poll.start(20);
            QTest::keyClick(&w, Qt::Key_F6);
            QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 5000);
            QCOMPARE(shown, QStringList({entry}));
            QApplication::processEvents();
            QVERIFY(!QApplication::activeModalWidget());
        }

        int id = -1;
        QString title;
        bool listedWhileOpen = true;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                menu->setActiveAction(menu->actions().value(0));
                QTest::keyClick(menu, Qt::Key_Return);
            } else if (auto* d = qobject_cast<dlgSetProjectGroup*>(QApplication::activeModalWidget())) {
                title = d->windowTitle();
                id = addResult("F6");
                listedWhileOpen = listed(w, id);
                d->reject();
            }
        });
        poll.start(20);
        QTest::keyClick(&w, Qt::Key_F6);
        QTRY_VERIFY_WITH_TIMEOUT(id > 0, 5000);
        poll.stop();
        QCOMPARE(title, QStringLiteral("Panel item settings"));
        QVERIFY(!listedWhileOpen);
        QTRY_VERIFY_WITH_TIMEOUT(listed(w, id), 2000);
    }

    // The advanced query of the results tab only shows its dialog; on the QC tab the QC query
    // lists whole days of one material, and a cancelled query changes nothing. The QC recycle
    // bin reloads the QC list when it closes.
    void queryAndRecycleOnQcTab()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const QDate today = QDate::currentDate();
        const int early = addQc(0, QDateTime(today, QTime(0, 0)));
        const int late = addQc(0, QDateTime(today, QTime(23, 59, 59)));
        const int yesterday = addQc(0, QDateTime(today.addDays(-1), QTime(23, 59, 59)));
        const int other = addQc(1, QDateTime(today, QTime(12, 0)));
        Index w;
        w.setWindowState(Qt::WindowNoState);
        w.show();
        Ui::Index* f = w.form();

        w.on_pushButton_11_clicked();
        QVERIFY(w.m_patientfind->isVisible());
        w.m_patientfind->close();

        f->tabWidget->setCurrentIndex(1);
        const QSet<int> all{early, late, yesterday, other};
        QCOMPARE(listedQc(w), all);

        auto query = [&](int product, const QDate& from, const QDate& to, bool accept) {
            return withModal<dlgQcQuery>([&] { w.on_pushButton_11_clicked(); }, [&](dlgQcQuery* d) {
                d->findChild<QComboBox*>("comboBox_qcProduct")->setCurrentIndex(product);
                d->findChild<QDateEdit*>("dt_start")->setDate(from);
                d->findChild<QDateEdit*>("dt_end")->setDate(to);
                d->findChild<QPushButton*>(accept ? "pushButton_query" : "pushButton_cancel")->click();
            });
        };
        QVERIFY(query(0, today, today, false));
        QCOMPARE(listedQc(w), all);
        QVERIFY(query(0, today, today, true));
        QCOMPARE(listedQc(w), QSet<int>({early, late}));
        QVERIFY(query(1, today.addDays(-1), today, true));
        QCOMPARE(listedQc(w), QSet<int>({other}));
        QVERIFY(query(0, today, today.addDays(-1), true));
        QCOMPARE(listedQc(w), QSet<int>());

        QVERIFY(withModal<RecycleBin>([&] { f->pushButton_10->menu()->actions().at(2)->trigger(); },
                                      [&](RecycleBin* bin) {
                                          QVERIFY(Indexdb().setQcShow({late}, 0));
                                          bin->reject();
                                      }));
        QCOMPARE(listedQc(w), QSet<int>({early, yesterday, other}));
    }
};

QTEST_MAIN(tst_windowevents)
#include "tst_windowevents.moc"
