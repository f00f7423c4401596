// The result list loaded in pages: scrolling loads the rest in the store's order, arriving
// results land at their place while pages are partly loaded, selection and ticks stay.
#include "AnalyzerConversation.h"
#include "Historyrecord.h"
#include "Index.h"
#include "Indexdb.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "ResultListModel.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "ui_Historyrecord.h"
#include "dbHelper.h"
#include "ui_Index.h"
#include "wgtQcReport.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {
int addResult(const QDateTime& when, const QString& name)
{
    PanelChkRecord r;
    r.machineid = QStringLiteral("M1");
    r.chkdatetime = when;
    r.panelid = 1;
    r.patientinfo = QStringLiteral("{\"name\":\"%1\",\"id\":\"S-%1\"}").arg(name);
    r.speciesname = QStringLiteral("1");
    r.animalsexname = QStringLiteral("0");
    r.testresults = QStringLiteral("[]");
    return storeResult(r);
}

// 445 results in runs of seven with the same check time (runs cross the page ends), in an order
// unlike their ids, and five without a check time.
void seedMany()
{
    QSqlDatabase::database().transaction();
    for (int i = 0; i < 445; ++i) {
        const int slot = (i * 37) % 445 / 7;
        addResult(QDateTime(QDate(2024, 1, 1), QTime(8, 0)).addSecs(qint64(slot) * 3600), QString::number(i));
    }
    for (int i = 0; i < 5; ++i)
        addResult(QDateTime(), QStringLiteral("untimed%1").arg(i));
    QSqlDatabase::database().commit();
}

QStringList liveIds()
{
    QVector<PanelChkRecord> live;
    Indexdb().queryLive(&live);
    QStringList ids;
    for (const PanelChkRecord& r : live)
        ids << QString::number(r.id);
    return ids;
}

QStringList listedIds(Index& w)
{
    QStringList ids;
    QAbstractItemModel* m = w.form()->tableWidget->model();
    for (int row = 0; row < m->rowCount(); ++row)
        ids << m->index(row, 0).data().toString();
    return ids;
}

// Scrolls to the end of the list until nothing more loads.
void scrollToEnd(Index& w)
{
    QTableView* t = w.form()->tableWidget;
    for (int i = 0; i < 20; ++i) {
        const int before = t->model()->rowCount();
        t->verticalScrollBar()->setValue(t->verticalScrollBar()->maximum());
        QApplication::processEvents();
        if (t->model()->rowCount() == before && !t->model()->canFetchMore(QModelIndex()))
            return;
    }
}

QStringList selectedIds(Index& w)
{
    QStringList ids;
    for (const QModelIndex& index : w.form()->tableWidget->selectionModel()->selectedRows())
        ids << index.sibling(index.row(), 0).data().toString();
    return ids;
}

void showWindow(Index& w)
{
    w.setWindowState(Qt::WindowNoState);
    w.resize(1411, 825);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}
}

class tst_resultpaging : public QObject
{
    Q_OBJECT

private slots:
    void init() { PcComData::getInstance()->stopScanPort(); }

    void scrollingLoadsTheRestInOrder()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        seedMany();
        const QStringList all = liveIds();
        QCOMPARE(all.size(), 450);

        Index w;
        showWindow(w);
        const int page = w.resultModel()->pageSize();
        QVERIFY(page < 450);
        QCOMPARE(listedIds(w), all.mid(0, page));
        QVERIFY(w.form()->tableWidget->model()->canFetchMore(QModelIndex()));

        scrollToEnd(w);
        QCOMPARE(listedIds(w), all); // every result once, results without a check time last
        QVERIFY(!w.form()->tableWidget->model()->canFetchMore(QModelIndex()));

        // A refresh reads the first page again, the rows beyond it go (scrolling brings them
        // back); a selected row stays selected when it is on that page.
        QTableView* t = w.form()->tableWidget;
        t->selectRow(3);
        w.refreshTable();
        QCOMPARE(listedIds(w), all.mid(0, page));
        QCOMPARE(selectedIds(w), QStringList{all.at(3)});
        scrollToEnd(w);
        QCOMPARE(listedIds(w), all);
        t->selectRow(400);
        w.refreshTable();
        QCOMPARE(listedIds(w), all.mid(0, page));
        QVERIFY(selectedIds(w).isEmpty());
    }

    void arrivingResultsWhilePagesArePartlyLoaded()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        seedMany();
        MessageBoxCloser boxes;
        Index w;
        showWindow(w);
        ResultListModel* m = w.resultModel();
        const int page = m->pageSize();
        QCOMPARE(m->rowCount(), page);

        QTableView* t = w.form()->tableWidget;
        const QString chosen = m->index(5, 0).data().toString();
        const QString ticked = m->index(3, 0).data().toString();
        t->selectRow(5);
        QVERIFY(m->setData(m->index(3, 1), Qt::Checked, Qt::CheckStateRole));
        const QString caseName = w.form()->patientinfoname->text();
        QVERIFY(!caseName.isEmpty());

        // The newest result lands on top as one row; the rest keep selection and ticks.
        QSignalSpy reset(m, &QAbstractItemModel::modelReset);
        const int newest = addResult(QDateTime(QDate(2025, 1, 1), QTime(9, 0)), "Newest");
        w.showNewResults();
        QCOMPARE(reset.count(), 0);
        QCOMPARE(m->rowCount(), page + 1);
        QCOMPARE(m->index(0, 0).data().toString(), QString::number(newest));
        QCOMPARE(m->index(0, 5).data().toString(), QStringLiteral("Newest"));
        QCOMPARE(m->index(0, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(selectedIds(w), QStringList{chosen});
        QCOMPARE(t->currentIndex().sibling(t->currentIndex().row(), 0).data().toString(), chosen);
        QCOMPARE(m->tickedIds(), QList<int>{ticked.toInt()});
        QCOMPARE(w.form()->patientinfoname->text(), caseName);

        // An old result belongs below the loaded pages: it comes when the user scrolls there.
        const int oldest = addResult(QDateTime(QDate(2020, 1, 1), QTime(9, 0)), "Oldest");
        w.showNewResults();
        QCOMPARE(m->rowCount(), page + 1);
        QVERIFY(!listedIds(w).contains(QString::number(oldest)));
        scrollToEnd(w);
        QCOMPARE(listedIds(w), liveIds());
        QCOMPARE(listedIds(w).count(QString::number(oldest)), 1);
        QCOMPARE(selectedIds(w), QStringList{chosen});

        // Once all is loaded an old arrival goes to its place at once, and nothing twice.
        const int older = addResult(QDateTime(QDate(2019, 1, 1), QTime(9, 0)), "Older");
        w.showNewResults();
        w.showNewResults();
        QCOMPARE(listedIds(w), liveIds());
        QVERIFY(listedIds(w).contains(QString::number(older)));

        // Deleting the selected result takes out its row only; the ticked one stays ticked.
        const int rows = m->rowCount();
        QTest::mouseClick(w.form()->pushButton_5, Qt::LeftButton);
        QCOMPARE(m->rowCount(), rows - 1);
        QVERIFY(!listedIds(w).contains(chosen));
        QVERIFY(listedIds(w).contains(ticked));
        QCOMPARE(m->tickedIds(), QList<int>{ticked.toInt()});
        QCOMPARE(listedIds(w), liveIds());
    }

    // A stored sample result goes to the result list only; a stored QC run is one new row of the
    // QC tab, which is not read again.
    void storedRecordsGoToTheirOwnList()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        addResult(QDateTime(QDate(2024, 5, 1), QTime(8, 0)), "A");
        Index w;
        auto* conversation = w.findChild<AnalyzerConversation*>();
        QVERIFY(conversation);
        QAbstractItemModel* qc = w.form()->wgt_qc_report->findChild<QTableView*>("tableWidget_qc")->model();
        QSignalSpy qcReset(qc, &QAbstractItemModel::modelReset);
        QSignalSpy qcInserted(qc, &QAbstractItemModel::rowsInserted);
        QSignalSpy qcChanged(qc, &QAbstractItemModel::dataChanged);

        const int sample = addResult(QDateTime(QDate(2024, 5, 2), QTime(8, 0)), "B");
        emit conversation->resultStored(2, false);
        QCOMPARE(listedIds(w).first(), QString::number(sample));
        QCOMPARE(qcReset.count() + qcInserted.count() + qcChanged.count(), 0);

        PanelQcResult run;
        run.machineid = QStringLiteral("M1");
        run.chkdatetime = QDateTime(QDate(2024, 5, 3), QTime(8, 0));
        run.result = QStringLiteral("[]");
        QVERIFY(Indexdb().insertQcResult(run));
        emit conversation->resultStored(3, true);
        QCOMPARE(qcInserted.count(), 1);
        QCOMPARE(qcReset.count(), 0);
        QCOMPARE(qc->rowCount(), 1);
        QCOMPARE(listedIds(w).size(), 2);
    }

    // After a switch to a database file with smaller ids (network to serial mode), results
    // arriving in it still show.
    void arrivalsShowAfterASwitchOfFiles()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        dbHelper::setAcquisitionMode(3);
        dbHelper::getInstance()->close();
        QVERIFY(dbHelper::upgradeSchema("database.db3") && dbHelper::getInstance()->openDatabase());
        for (int i = 0; i < 5; ++i)
            addResult(QDateTime(QDate(2024, 5, 1), QTime(8, i)), "net");
        Index w;
        QCOMPARE(listedIds(w).size(), 5);
        dbHelper::setAcquisitionMode(2);
        dbHelper::getInstance()->close();
        QVERIFY(dbHelper::getInstance()->openDatabase());
        w.refreshTable();
        QVERIFY(listedIds(w).isEmpty());
        const int id = addResult(QDateTime(QDate(2024, 5, 2), QTime(8, 0)), "serial");
        w.showNewResults();
        QCOMPARE(listedIds(w), QStringList{QString::number(id)});
    }

    // Results restored from the recycle list come back as their rows, the list otherwise kept.
    void restoredResultsComeBackAsRows()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult(QDateTime(QDate(2024, 5, 1), QTime(8, 0)), "A");
        const int b = addResult(QDateTime(QDate(2024, 5, 2), QTime(8, 0)), "B");
        const int c = addResult(QDateTime(QDate(2024, 5, 3), QTime(8, 0)), "C");
        MessageBoxCloser boxes;
        Index w;
        showWindow(w);
        QTableView* t = w.form()->tableWidget;
        t->selectRow(1);
        QTest::mouseClick(w.form()->pushButton_5, Qt::LeftButton);
        QCOMPARE(listedIds(w), (QStringList{QString::number(c), QString::number(a)}));
        t->selectRow(1);

        QSignalSpy reset(w.resultModel(), &QAbstractItemModel::modelReset);
        bool restored = false;
        QTimer::singleShot(100, &w, [&] {
            auto* bin = w.findChild<Historyrecord*>();
            if (!bin)
                return;
            bin->form()->tableWidget->selectRow(0);
            QTest::mouseClick(bin->form()->pushButton_2, Qt::LeftButton);
            restored = true;
            bin->reject();
        });
        w.slot_historyrecordUI();
        QVERIFY(restored);
        QCOMPARE(listedIds(w), (QStringList{QString::number(c), QString::number(b), QString::number(a)}));
        QCOMPARE(reset.count(), 0);
        QCOMPARE(selectedIds(w), QStringList{QString::number(a)});
    }

    // After a language change the list's headers read in the new language; rows, ticks and
    // selection stay.
    void headersFollowTheLanguage()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult(QDateTime(QDate(2024, 5, 1), QTime(8, 0)), "A");
        const int b = addResult(QDateTime(QDate(2024, 5, 2), QTime(8, 0)), "B");
        Index w;
        QAbstractItemModel* m = w.form()->tableWidget->model();
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QString::fromUtf8("科室"));
        w.form()->tableWidget->selectRow(1);
        QTranslator english;
        QVERIFY(english.load(":/Translate_EN.qm"));
        QCoreApplication::installTranslator(&english);
        QTRY_COMPARE(m->headerData(2, Qt::Horizontal).toString(), QString("Department"));
        QCOMPARE(m->headerData(8, Qt::Horizontal).toString(), QString("Test time"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QString());
        QCOMPARE(listedIds(w), (QStringList{QString::number(b), QString::number(a)}));
        QCOMPARE(selectedIds(w), QStringList{QString::number(a)});
        QCoreApplication::removeTranslator(&english);
        QTRY_COMPARE(m->headerData(2, Qt::Horizontal).toString(), QString::fromUtf8("科室"));
    }

    // A click on a row's box ticks it; the delete acts on the selected row, not the ticked one.
    void clickTicksTheRow()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult(QDateTime(QDate(2024, 5, 1), QTime(8, 0)), "A");
        const int b = addResult(QDateTime(QDate(2024, 5, 2), QTime(8, 0)), "B");
        const int c = addResult(QDateTime(QDate(2024, 5, 3), QTime(8, 0)), "C");
        MessageBoxCloser boxes;
        Index w;
        showWindow(w);
        QTableView* t = w.form()->tableWidget;
        const QModelIndex box = t->model()->index(1, 1);
        QCOMPARE(box.sibling(1, 0).data().toInt(), b);

        QStyleOptionViewItem option;
        option.initFrom(t->viewport());
        option.rect = t->visualRect(box);
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        option.displayAlignment = Qt::AlignCenter;
        const QRect indicator = t->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, t);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, indicator.center());
        QCOMPARE(box.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(w.resultModel()->tickedIds(), QList<int>{b});

        t->selectRow(0);
        QTest::mouseClick(w.form()->pushButton_5, Qt::LeftButton);
        QCOMPARE(listedIds(w), (QStringList{QString::number(b), QString::number(a)}));
        QCOMPARE(w.resultModel()->tickedIds(), QList<int>{b});
        QCOMPARE(liveIds(), listedIds(w));
    }
};

QTEST_MAIN(tst_resultpaging)
#include "tst_resultpaging.moc"
