#include "MessageBoxCloser.h"
#include "QcTestDb.h"
#include "wgtQcReport.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTranslator>

// The QC tab over a real main database.
class tst_wgtqcreport : public QObject
{
    Q_OBJECT

    QcTestDb m_db;
    const QDateTime m_day{QDate(2024, 5, 20), QTime(9, 30, 0)};

    static QTableView* list(wgtQcReport& w) { return w.findChild<QTableView*>("tableWidget_qc"); }
    static QTableWidget* detail(wgtQcReport& w) { return w.findChild<QTableWidget*>("tableWidget_detail"); }
    template <class T> static T* child(wgtQcReport& w, const char* name) { return w.findChild<T*>(name); }

    static QStringList column(QTableWidget* t, int col)
    {
        QStringList out;
        for (int r = 0; r < t->rowCount(); ++r)
            out << (t->item(r, col) ? t->item(r, col)->text() : QString("<none>"));
        return out;
    }
    static QStringList column(QTableView* t, int col)
    {
        QStringList out;
        for (int r = 0; r < t->model()->rowCount(); ++r)
            out << t->model()->index(r, col).data().toString();
        return out;
    }
    static void tick(QTableView* t, int row, int col)
    {
        QVERIFY(t->model()->index(row, col).flags() & Qt::ItemIsUserCheckable);
        QVERIFY(t->model()->setData(t->model()->index(row, col), Qt::Checked, Qt::CheckStateRole));
    }
    static int rows(QTableView* t) { return t->model()->rowCount(); }

    static void setUnitMode(int mode)
    {
        QDir().mkpath("saveFile");
        QSettings ini("./saveFile/hospital.ini", QSettings::IniFormat);
        ini.setValue("systemCfg/getModeSelect", mode);
    }

private slots:
    void initTestCase() { QVERIFY(m_db.setUp()); }
    void init()
    {
        QcTestDb::clear();
        setUnitMode(0);
    }

    void listsShownResultsNewestFirst()
    {
        const int a = QcTestDb::insert(0, "L1", "2", "M1", m_day);
        const int b = QcTestDb::insert(1, "L2", QString::fromUtf8("外科"), "M2", m_day.addDays(1));
        const int hidden = QcTestDb::insert(0, "L3", "", "M1", m_day.addDays(2));
        QVERIFY(Indexdb().setQcShow({hidden}, 0));

        wgtQcReport w;
        QTableView* t = list(w);
        QCOMPARE(column(t, wgtQcReport::ColId), (QStringList{QString::number(b), QString::number(a)}));
        QCOMPARE(column(t, wgtQcReport::ColTime), (QStringList{"2024-05-21 09:30:00", "2024-05-20 09:30:00"}));
        QCOMPARE(column(t, wgtQcReport::ColProduct), (QStringList{QString::fromUtf8("质控二"), QString::fromUtf8("质控一")}));
        QCOMPARE(column(t, wgtQcReport::ColLot), (QStringList{"L2", "L1"}));
        // An analyzer department code reads as its name.
        QCOMPARE(column(t, wgtQcReport::ColDivision), (QStringList{QString::fromUtf8("外科"), QString::fromUtf8("急诊科")}));
        QCOMPARE(column(t, wgtQcReport::ColMachine), (QStringList{"M2", "M1"}));
        QVERIFY(w.checkedIds().isEmpty());
        QCOMPARE(w.currentId(), -1);
        QCOMPARE(detail(w)->rowCount(), 0);

        // A result arriving later shows at the next refresh.
        const int c = QcTestDb::insert(0, "L4", "", "M1", m_day.addDays(3));
        w.refreshData();
        QCOMPARE(column(t, wgtQcReport::ColId).first(), QString::number(c));
        QCOMPARE(rows(t), 3);

        QCOMPARE(child<QPushButton>(w, "pushButton_print")->shortcut(), QKeySequence(Qt::Key_F2));
    }

    // A long lot does not widen its column past the tab: the column is capped, the lot cut, and
    // its tool tip shows it whole.
    void longTextIsCutWithToolTip()
    {
        const QString lot(60, QLatin1Char('L'));
        QcTestDb::insert(0, lot, "", "M1", m_day);
        wgtQcReport w;
        w.resize(1000, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTableView* t = list(w);
        const int width = t->horizontalHeader()->sectionSize(wgtQcReport::ColLot);
        QVERIFY(width <= 240);
        QVERIFY(width < t->fontMetrics().horizontalAdvance(lot));
        const QRect cell = t->visualRect(t->model()->index(0, wgtQcReport::ColLot));
        QHelpEvent help(QEvent::ToolTip, cell.center(), t->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(t->viewport(), &help);
        QCOMPARE(QToolTip::text(), lot);
        QToolTip::hideText();
    }

    // The list loads in pages as it scrolls, in the store's order; an arriving QC run lands as
    // one row at its place, selection and detail kept; a refresh reads the first page only and
    // keeps the selection when its row is on it.
    void loadsInPagesArrivalsAsRows()
    {
        QSqlDatabase::database().transaction();
        for (int i = 0; i < 450; ++i)
            QcTestDb::insert(i % 2, QString("L%1").arg(i), "2", "M1", m_day.addSecs((i * 37 % 450 / 7) * 60));
        QcTestDb::insert(0, "untimed", "", "M1", QDateTime());
        QSqlDatabase::database().commit();
        QVector<PanelQcResult> all;
        QVERIFY(Indexdb().queryQc(QcQueryFilter(), &all));
        QStringList want;
        for (const PanelQcResult& r : all)
            want << QString::number(r.id);

        wgtQcReport w;
        QTableView* t = list(w);
        QAbstractItemModel* m = t->model();
        QCOMPARE(column(t, wgtQcReport::ColId), want.mid(0, 200));
        while (m->canFetchMore(QModelIndex()))
            m->fetchMore(QModelIndex());
        QCOMPARE(column(t, wgtQcReport::ColId), want);

        t->selectRow(5);
        const int chosen = w.currentId();
        QCOMPARE(chosen, want.at(5).toInt());
        QSignalSpy reset(m, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(m, &QAbstractItemModel::rowsInserted);
        const int newest = QcTestDb::insert(1, "NEW", "2", "M1", m_day.addDays(5));
        w.showNewResults();
        QCOMPARE(reset.count(), 0);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(column(t, wgtQcReport::ColId).first(), QString::number(newest));
        QCOMPARE(column(t, wgtQcReport::ColDivision).first(), QString::fromUtf8("急诊科"));
        QCOMPARE(w.currentId(), chosen);
        QCOMPARE(t->selectionModel()->selectedRows().value(0).row(), 6);
        w.showNewResults(); // nothing new: nothing changes
        QCOMPARE(inserted.count(), 1);

        w.refreshData();
        QCOMPARE(rows(t), 200);
        QCOMPARE(w.currentId(), chosen);
        QCOMPARE(t->selectionModel()->selectedRows().value(0).row(), 6);
        t->selectRow(199);
        while (m->canFetchMore(QModelIndex()))
            m->fetchMore(QModelIndex());
        t->selectRow(rows(t) - 1);
        w.refreshData();
        QCOMPARE(rows(t), 200);
        QCOMPARE(w.currentId(), -1);
        QVERIFY(t->selectionModel()->selectedRows().isEmpty());
    }

    void selectionShowsTheAnalytes()
    {
        const int id = QcTestDb::insert(1, "LOT-9", "2", "M1", m_day);
        QcTestDb::insert(0, "other", "", "M1", m_day.addDays(-1));
        wgtQcReport w;
        list(w)->selectRow(0);
        QCOMPARE(w.currentId(), id);
        QCOMPARE(child<QComboBox>(w, "comboBox_qcProduct")->currentIndex(), 1);
        QCOMPARE(child<QLineEdit>(w, "lineEdit_qclot")->text(), QString("LOT-9"));
        QCOMPARE(child<QComboBox>(w, "comboBox_division")->currentText(), QString::fromUtf8("急诊科"));
        QCOMPARE(child<QDateTimeEdit>(w, "dateTimeEdit_chk")->dateTime(), m_day);

        QTableWidget* d = detail(w);
        QCOMPARE(column(d, wgtQcReport::DetCode), (QStringList{"TP", "ALB", "GLU"}));
        QCOMPARE(column(d, wgtQcReport::DetResult), (QStringList{"65", "25.5", "5.6"}));
        QCOMPARE(column(d, wgtQcReport::DetTarget), (QStringList{"60", "25", "5.5"}));
        QCOMPARE(column(d, wgtQcReport::DetUnit), (QStringList{"g/L", "g/L", "mmol/L"}));
        QCOMPARE(column(d, wgtQcReport::DetRange), (QStringList{"50-70", "20-30", ""}));
        QCOMPARE(w.checkedProjects(), (QSet<QString>{"TP", "ALB", "GLU"}));

        // The header box over the tick column clears and sets every row.
        QHeaderView* header = d->horizontalHeader();
        const QPoint onTick(header->sectionViewportPosition(0) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onTick);
        QVERIFY(w.checkedProjects().isEmpty());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onTick);
        QCOMPARE(w.checkedProjects().size(), 3);
        d->item(1, wgtQcReport::DetCheck)->setCheckState(Qt::Unchecked);
        QCOMPARE(w.checkedProjects(), (QSet<QString>{"TP", "GLU"}));

        // Conventional units convert values, targets, units and limits.
        setUnitMode(1);
        list(w)->selectRow(1);
        list(w)->selectRow(0);
        QCOMPARE(column(d, wgtQcReport::DetResult), (QStringList{"6.50", "2.55", "101"}));
        QCOMPARE(column(d, wgtQcReport::DetUnit), (QStringList{"g/dL", "g/dL", "mg/dL"}));
        QCOMPARE(column(d, wgtQcReport::DetRange).first(), QString("5.00-7.00"));
    }

    void queryKeepsItsFilterRefreshDoesNot()
    {
        QcTestDb::insert(0, "A", "", "M1", m_day);
        const int b = QcTestDb::insert(1, "B", "", "M2", m_day);
        QcTestDb::insert(1, "C", "", "M1", m_day.addDays(-3));
        wgtQcReport w;
        QCOMPARE(rows(list(w)), 3);

        QcQueryFilter f;
        f.QcProduct = 1;
        f.machineid = "M2";
        w.queryData(f);
        QCOMPARE(column(list(w), wgtQcReport::ColId), QStringList{QString::number(b)});
        QCOMPARE(w.currentFilter().machineid, QString("M2"));

        w.refreshData();
        QCOMPARE(rows(list(w)), 3);
        QCOMPARE(w.currentFilter().machineid, QString("M2"));
        QCOMPARE(w.currentFilter().QcProduct, 1);
    }

    void savesEditsAndPrunedAnalytes()
    {
        const int id = QcTestDb::insert(0, "OLD", "2", "M1", m_day);
        const int other = QcTestDb::insert(0, "KEEP", "1", "M1", m_day.addDays(-1));
        wgtQcReport w;
        list(w)->selectRow(0);
        QCOMPARE(w.currentId(), id);

        child<QComboBox>(w, "comboBox_qcProduct")->setCurrentIndex(1);
        child<QLineEdit>(w, "lineEdit_qclot")->setText("  NEW-7 ");
        child<QComboBox>(w, "comboBox_division")->setCurrentText(QString::fromUtf8("外科"));
        child<QComboBox>(w, "comboBox_inspector")->setCurrentText(QString::fromUtf8("张三"));
        child<QComboBox>(w, "comboBox_reviewer")->setCurrentText("O'Neil");
        child<QDateTimeEdit>(w, "dateTimeEdit_chk")->setDateTime(m_day.addSecs(3600));
        detail(w)->setCurrentCell(1, wgtQcReport::DetCode);
        child<QPushButton>(w, "pushButton_delproject")->click();
        QCOMPARE(column(detail(w), wgtQcReport::DetCode), (QStringList{"TP", "GLU"}));

        {
            MessageBoxCloser closer;
            child<QPushButton>(w, "pushButton_save")->click();
            QCOMPARE(closer.texts, QStringList{QString::fromUtf8("保存成功")});
        }
        const PanelQcResult r = QcTestDb::byId(id);
        QCOMPARE(r.QcProduct, 1);
        QCOMPARE(r.QcLot, QString("NEW-7"));
        QCOMPARE(r.division, QString::fromUtf8("外科"));
        QCOMPARE(r.inspectorname, QString::fromUtf8("张三"));
        QCOMPARE(r.reviewername, QString("O'Neil"));
        QCOMPARE(r.chkdatetime, m_day.addSecs(3600));
        QCOMPARE(QcTestDb::codes(r.result), (QStringList{"TP", "GLU"}));
        // The kept analytes keep every member.
        const QJsonArray kept = QJsonDocument::fromJson(r.result.toUtf8()).array();
        QCOMPARE(kept.at(1).toObject().value("addType").toInt(), 1);
        QCOMPARE(kept.at(0).toObject().value("I").toArray().at(3).toDouble(), 60.0);
        QCOMPARE(r.machineid, QString("M1"));
        QCOMPARE(r.panellot, QString("2024"));
        QCOMPARE(QcTestDb::byId(other).QcLot, QString("KEEP"));
        // The list shows the saved state and keeps the result selected.
        QCOMPARE(w.currentId(), id);
        QCOMPARE(column(list(w), wgtQcReport::ColLot).first(), QString("NEW-7"));
    }

    void unchangedFieldsKeepTheirStoredForm()
    {
        // A department code, material -1 and an unreadable result survive a save that only
        // changes the lot.
        const int id = QcTestDb::insert(-1, "OLD", "2", "M1", m_day, "not json [");
        wgtQcReport w;
        list(w)->selectRow(0);
        QCOMPARE(detail(w)->rowCount(), 0);
        child<QLineEdit>(w, "lineEdit_qclot")->setText("NEW");
        {
            MessageBoxCloser closer;
            child<QPushButton>(w, "pushButton_save")->click();
        }
        const PanelQcResult r = QcTestDb::byId(id);
        QCOMPARE(r.QcLot, QString("NEW"));
        QCOMPARE(r.division, QString("2"));
        QCOMPARE(r.chkdatetime, m_day);
        QCOMPARE(r.result, QString("not json ["));
        QCOMPARE(r.QcProduct, -1);
    }

    void saveWithoutSelectionChangesNothing()
    {
        const int id = QcTestDb::insert(0, "OLD", "", "M1", m_day);
        wgtQcReport w;
        child<QLineEdit>(w, "lineEdit_qclot")->setText("X");
        MessageBoxCloser closer;
        child<QPushButton>(w, "pushButton_save")->click();
        QCOMPARE(closer.texts, QStringList{QString::fromUtf8("请选择一条质控记录")});
        QCOMPARE(QcTestDb::byId(id).QcLot, QString("OLD"));
    }

    void deleteMovesTickedResultsToTheBin()
    {
        const int a = QcTestDb::insert(0, "A", "", "M1", m_day);
        const int b = QcTestDb::insert(0, "B", "", "M1", m_day.addDays(1));
        const int c = QcTestDb::insert(0, "C", "", "M1", m_day.addDays(2));
        wgtQcReport w;
        tick(list(w), 0, wgtQcReport::ColCheck);
        tick(list(w), 2, wgtQcReport::ColCheck);
        QCOMPARE(w.checkedIds(), (QList<int>{c, a}));

        {
            MessageBoxCloser cancel(false);
            child<QPushButton>(w, "pushButton_delete")->click();
            QCOMPARE(cancel.texts, QStringList{QString::fromUtf8("确认删除吗？")});
        }
        QCOMPARE(rows(list(w)), 3);

        {
            MessageBoxCloser ok;
            child<QPushButton>(w, "pushButton_delete")->click();
        }
        QCOMPARE(column(list(w), wgtQcReport::ColId), QStringList{QString::number(b)});
        QVector<PanelQcResult> hidden;
        QVERIFY(Indexdb().queryQcHidden(&hidden));
        QCOMPARE(hidden.size(), 2);

        // Nothing ticked: the selected result goes.
        list(w)->selectRow(0);
        {
            MessageBoxCloser ok;
            child<QPushButton>(w, "pushButton_delete")->click();
        }
        QCOMPARE(rows(list(w)), 0);
        QCOMPARE(w.currentId(), -1);
        QCOMPARE(detail(w)->rowCount(), 0);
    }

    void lookupListsFillTheCombos()
    {
        wgtQcReport w;
        auto* division = child<QComboBox>(w, "comboBox_division");
        QCOMPARE(division->count(), 3);
        QCOMPARE(division->itemText(0), QString());
        QCOMPARE(division->itemText(2), QString::fromUtf8("外科"));
        QCOMPARE(child<QComboBox>(w, "comboBox_reviewer")->itemText(1), QString::fromUtf8("李四"));

        division->setCurrentText(QString::fromUtf8("手术室"));
        QVERIFY(Speciesdb().replaceRows({{QString::fromUtf8("内科")}, {QString::fromUtf8("外科")}, {QString::fromUtf8("眼科")}}));
        w.initComboBox();
        QCOMPARE(division->count(), 4);
        QCOMPARE(division->currentText(), QString::fromUtf8("手术室"));
    }

    void followsTheLanguage()
    {
        QcTestDb::insert(1, "L", "", "M1", m_day);
        wgtQcReport w;
        QTranslator english;
        QVERIFY(english.load(":/Translate_EN.qm"));
        QCoreApplication::installTranslator(&english);
        QTRY_COMPARE(list(w)->model()->headerData(wgtQcReport::ColTime, Qt::Horizontal).toString(), QString("Test time"));
        QCOMPARE(column(list(w), wgtQcReport::ColProduct), QStringList{"QC 2"});
        QCOMPARE(child<QPushButton>(w, "pushButton_save")->text(), QString("Save"));
        QCOMPARE(child<QComboBox>(w, "comboBox_qcProduct")->itemText(1), QString("QC 2"));
        QCoreApplication::removeTranslator(&english);
        QTRY_COMPARE(child<QPushButton>(w, "pushButton_save")->text(), QString::fromUtf8("保存"));
    }

    void screenshot()
    {
        const QString out = qEnvironmentVariable("CHEMDESK_SCREENSHOT_DIR");
        if (out.isEmpty())
            QSKIP("set CHEMDESK_SCREENSHOT_DIR to save a picture of the tab");
        QcTestDb::insert(0, "QC240501", "2", "QV100-2301", m_day);
        QcTestDb::insert(1, "QC240502", QString::fromUtf8("外科"), "QV100-2301", m_day.addDays(1));
        wgtQcReport w;
        w.resize(1280, 640);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        list(w)->selectRow(1);
        QVERIFY(w.grab().save(out + "/qc_tab.png"));
    }
};

QTEST_MAIN(tst_wgtqcreport)
#include "tst_wgtqcreport.moc"
