#include "MessageBoxCloser.h"
#include "QcTestDb.h"
#include "RecycleBin.h"
#include "dlgQcQuery.h"
#include "wgtQcReport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

// The QC query dialog and the QC recycle bin over a real main database.
class tst_qcdialogs : public QObject
{
    Q_OBJECT

    QcTestDb m_db;

    // Runs the dialog modally and lets `act` work on it once it shows.
    template <class D, class F> static int runModal(D& dlg, F act)
    {
        QTimer::singleShot(0, &dlg, [&] { act(dlg); });
        QTimer::singleShot(5000, &dlg, [&] { dlg.done(99); });
        return dlg.exec();
    }

private slots:
    void initTestCase() { QVERIFY(m_db.setUp()); }
    void init() { QcTestDb::clear(); }

    void queryDialogGivesItsCriteria()
    {
        dlgQcQuery dlg;
        const QDate today = QDate::currentDate();
        QCOMPARE(dlg.findChild<QDateEdit*>("dt_start")->date(), today);
        QCOMPARE(dlg.findChild<QDateEdit*>("dt_end")->date(), today);
        auto* project = dlg.findChild<QComboBox*>("comboBox_project");
        QCOMPARE(project->count(), 4);
        QCOMPARE(project->itemText(0), QString());
        QCOMPARE(project->itemText(2), QString("ALB"));
        auto* product = dlg.findChild<QComboBox*>("comboBox_qcProduct");
        QCOMPARE(product->count(), 2);

        const int rc = runModal(dlg, [](dlgQcQuery& d) {
            d.findChild<QComboBox*>("comboBox_qcProduct")->setCurrentIndex(1);
            d.findChild<QLineEdit*>("lineEdit_qclot")->setText("LOT1");
            d.findChild<QLineEdit*>("lineEdit_division")->setText(QString::fromUtf8("外科"));
            d.findChild<QLineEdit*>("lineEdit_devid")->setText("M9");
            d.findChild<QComboBox*>("comboBox_project")->setCurrentIndex(2);
            d.findChild<QDateEdit*>("dt_start")->setDate(QDate(2024, 5, 1));
            d.findChild<QDateEdit*>("dt_end")->setDate(QDate(2024, 5, 31));
            d.findChild<QPushButton*>("pushButton_query")->click();
        });
        QCOMPARE(rc, int(QDialog::Accepted));
        const QcQueryFilter f = dlg.filter();
        QCOMPARE(f.QcProduct, 1);
        QCOMPARE(f.QcLot, QString("LOT1"));
        QCOMPARE(f.division, QString::fromUtf8("外科"));
        QCOMPARE(f.machineid, QString("M9"));
        QCOMPARE(f.m_projectName, QString("ALB"));
        QVERIFY(f.m_useStartChkDatetime && f.m_useEndChkDatetime);
        QCOMPARE(f.m_startChkDatetime, QDateTime(QDate(2024, 5, 1), QTime(0, 0)));
        QCOMPARE(f.m_endChkDatetime, QDateTime(QDate(2024, 6, 1), QTime(0, 0)));
        QCOMPARE(f.id, -1);
    }

    void queryDialogRejectsOtherwise()
    {
        dlgQcQuery cancel;
        QCOMPARE(runModal(cancel, [](dlgQcQuery& d) { d.findChild<QPushButton*>("pushButton_cancel")->click(); }),
                 int(QDialog::Rejected));
        QVERIFY(!cancel.filter().m_useStartChkDatetime);

        dlgQcQuery escape;
        QCOMPARE(runModal(escape, [](dlgQcQuery& d) { QTest::keyClick(&d, Qt::Key_Escape); }),
                 int(QDialog::Rejected));
    }

    void queryListsWholeDays()
    {
        const QDate first(2024, 5, 10), last(2024, 5, 12);
        QcTestDb::insert(0, "L", "", "M1", QDateTime(first.addDays(-1), QTime(23, 59, 59)));
        const int atStart = QcTestDb::insert(0, "L", "", "M1", QDateTime(first, QTime(0, 0)));
        const int lastSecond = QcTestDb::insert(0, "L", "", "M1", QDateTime(last, QTime(23, 59, 59)));
        QcTestDb::insert(0, "L", "", "M1", QDateTime(last.addDays(1), QTime(0, 0)));
        QcTestDb::insert(1, "L", "", "M1", QDateTime(first, QTime(12, 0)));  // other material
        QcTestDb::insert(0, "L", "", "M1", QDateTime(first, QTime(12, 0)), "[{\"N\":\"GLU\",\"I\":[1,0,0,1,2,\"\"]}]");

        dlgQcQuery dlg;
        runModal(dlg, [&](dlgQcQuery& d) {
            d.findChild<QComboBox*>("comboBox_project")->setCurrentText("TP");
            d.findChild<QDateEdit*>("dt_start")->setDate(first);
            d.findChild<QDateEdit*>("dt_end")->setDate(last);
            d.findChild<QPushButton*>("pushButton_query")->click();
        });
        wgtQcReport w;
        QAbstractItemModel* list = w.findChild<QTableView*>("tableWidget_qc")->model();
        QCOMPARE(list->rowCount(), 6);
        w.queryData(dlg.filter());
        QStringList ids;
        for (int r = 0; r < list->rowCount(); ++r)
            ids << list->index(r, wgtQcReport::ColId).data().toString();
        QCOMPARE(ids, (QStringList{QString::number(lastSecond), QString::number(atStart)}));
    }

    void binRestoresTheSelectedResults()
    {
        const int a = QcTestDb::insert(0, "A", "", "M1", QDateTime(QDate(2024, 1, 1), QTime(8, 0)));
        const int b = QcTestDb::insert(1, "B", "2", "M1", QDateTime(QDate(2024, 1, 2), QTime(8, 0)));
        const int c = QcTestDb::insert(0, "C", "", "M1", QDateTime(QDate(2024, 1, 3), QTime(8, 0)));
        const int shown = QcTestDb::insert(0, "S", "", "M1", QDateTime(QDate(2024, 1, 4), QTime(8, 0)));
        QVERIFY(Indexdb().setQcShow({a, b, c}, 0));

        RecycleBin bin;
        auto* table = bin.findChild<QTableWidget*>("tableWidget");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 0)->text(), QString::number(c));
        QCOMPARE(table->item(1, 2)->text(), QString::fromUtf8("质控二"));
        QCOMPARE(table->item(1, 4)->text(), QString::fromUtf8("急诊科"));
        Q_UNUSED(shown)

        auto* restore = bin.findChild<QPushButton*>("pushButton_restore");
        {
            MessageBoxCloser closer;
            restore->click();
            QCOMPARE(closer.texts, QStringList{QString::fromUtf8("请选择要恢复的记录")});
        }
        table->selectRow(0);
        table->selectionModel()->select(table->model()->index(2, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(bin.selectedIds(), (QList<int>{c, a}));
        {
            MessageBoxCloser cancel(false);
            restore->click();
        }
        QCOMPARE(table->rowCount(), 3);
        {
            MessageBoxCloser ok;
            restore->click();
            QCOMPARE(ok.texts, (QStringList{QString::fromUtf8("确认恢复该记录？"), QString::fromUtf8("恢复成功！")}));
        }
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), QString::number(b));

        wgtQcReport w;
        QCOMPARE(w.findChild<QTableView*>("tableWidget_qc")->model()->rowCount(), 3);
    }

    void screenshot()
    {
        const QString out = qEnvironmentVariable("CHEMDESK_SCREENSHOT_DIR");
        if (out.isEmpty())
            QSKIP("set CHEMDESK_SCREENSHOT_DIR to save pictures of the dialogs");
        QcTestDb::insert(0, "QC240501", "2", "QV100-2301", QDateTime::currentDateTime());
        QVERIFY(Indexdb().setQcShow({QcTestDb::insert(1, "QC240502", "", "QV100-2301", QDateTime::currentDateTime())}, 0));
        dlgQcQuery dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(dlg.grab().save(out + "/qc_query.png"));
        RecycleBin bin;
        bin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bin));
        QVERIFY(bin.grab().save(out + "/qc_bin.png"));
    }
};

QTEST_MAIN(tst_qcdialogs)
#include "tst_qcdialogs.moc"
