// Result list, advanced query, soft delete with the recycle list, and the case-form save.
#include "Historyrecord.h"
#include "Index.h"
#include "Indexdb.h"
#include "MainWindowTestKit.h"
#include "Patientfind.h"
#include "PcComData.h"
#include "ResultRowText.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "Translateword.h"
#include "ui_Historyrecord.h"
#include "ui_Index.h"
#include "ui_Patientfind.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {
int addResult(const QString& machine, const QDateTime& when, const QJsonObject& patient, const QString& division,
              const QString& codes)
{
    PanelChkRecord r;
    r.machineid = machine;
    r.chkdatetime = when;
    r.panelid = 1;
    r.patientinfo = QString::fromUtf8(QJsonDocument(patient).toJson(QJsonDocument::Compact));
    r.speciesname = division;
    r.animalsexname = QStringLiteral("0");
    r.testresults = analyteItems(codes);
    return storeResult(r);
}

QString cellText(Index& w, int row, int column)
{
    return w.form()->tableWidget->model()->index(row, column).data().toString();
}

QStringList listedIds(Index& w)
{
    QStringList ids;
    for (int row = 0; row < w.form()->tableWidget->model()->rowCount(); ++row)
        ids << cellText(w, row, 0);
    return ids;
}

// Ticks the row's box as a click on it does.
void tick(Index& w, int row)
{
    QAbstractItemModel* m = w.form()->tableWidget->model();
    QVERIFY(m->index(row, 1).flags() & Qt::ItemIsUserCheckable);
    QVERIFY(m->setData(m->index(row, 1), Qt::Checked, Qt::CheckStateRole));
}

int rowOf(Index& w, int id)
{
    return listedIds(w).indexOf(QString::number(id));
}

QJsonObject storedPatient(int id, QSqlQuery* row = nullptr)
{
    QSqlQuery q;
    q.prepare("select patientinfo from PanelChkResult where id = ?");
    q.addBindValue(id);
    q.exec();
    q.next();
    if (row)
        *row = q;
    return QJsonDocument::fromJson(q.value(0).toString().toUtf8()).object();
}

// Checks every row of the list against the live results as the store reads them: id, texts and
// an unticked box. Returns the first mismatch.
QString listMatchesStore(Index& w)
{
    QVector<PanelChkRecord> live;
    if (!Indexdb().queryLive(&live))
        return "query failed";
    QAbstractItemModel* m = w.form()->tableWidget->model();
    if (m->rowCount() != live.size())
        return QString("%1 rows for %2 results").arg(m->rowCount()).arg(live.size());
    for (int row = 0; row < live.size(); ++row) {
        const PanelChkRecord& r = live.at(row);
        const QStringList want = {QString::number(r.id), QString(), ResultRowText::department(r), r.sampleid,
                                  r.number, r.name, ResultRowText::sex(r), ResultRowText::testItem(r),
                                  ResultRowText::checkTime(r), r.machineid};
        for (int c = 0; c < want.size(); ++c) {
            const QString text = m->index(row, c).data().toString();
            if (text != want.at(c))
                return QString("row %1 column %2: '%3' for '%4'").arg(row).arg(c).arg(text, want.at(c));
        }
        const QModelIndex box = m->index(row, 1);
        if (!(box.flags() & Qt::ItemIsUserCheckable) || box.data(Qt::CheckStateRole).toInt() != Qt::Unchecked)
            return QString("row %1: tick box missing or ticked").arg(row);
    }
    return QString();
}

// The tool tip a user reads when resting the mouse on a cell.
QString toolTipAt(QTableView* t, int row, int column)
{
    t->scrollTo(t->model()->index(row, column));
    const QRect cell = t->visualRect(t->model()->index(row, column));
    QHelpEvent help(QEvent::ToolTip, cell.center(), t->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(t->viewport(), &help);
    const QString text = QToolTip::text();
    QToolTip::hideText();
    return text;
}

QVariant column(int id, const QString& name)
{
    QSqlQuery q;
    q.prepare("select " + name + " from PanelChkResult where id = ?");
    q.addBindValue(id);
    q.exec();
    return q.next() ? q.value(0) : QVariant();
}
}

class tst_resultlist : public QObject
{
    Q_OBJECT
    int a = 0, b = 0, c = 0;

private slots:
    void init()
    {
        PcComData::getInstance()->stopScanPort();
    }

    void advancedQueryByEachFieldAndTime()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        seed();
        Index w;
        QCOMPARE(listedIds(w), (QStringList{QString::number(c), QString::number(b), QString::number(a)}));

        Ui::Patientfind* f = w.m_patientfind->form();
        f->startchkdate->setDate(QDate(2024, 5, 1));
        f->endchkdate->setDate(QDate(2024, 5, 5));
        auto query = [&](QLineEdit* edit, const QString& text) {
            edit->setText(text);
            QTest::mouseClick(f->pushButton, Qt::LeftButton);
            edit->clear();
            return listedIds(w);
        };
        const QString A = QString::number(a), B = QString::number(b), C = QString::number(c);
        QCOMPARE(query(f->sampleid, "S002"), QStringList{B});
        QCOMPARE(query(f->patientinfoname, "Lucky"), QStringList{A});
        QCOMPARE(query(f->patientinfoid, "P300"), QStringList{C});
        // A department name as the list shows it finds the stored division code.
        const QString dept = Translateword::getInstance()->trans("1", divisionIndexMap);
        QCOMPARE(query(f->speciesname, dept), QStringList{A});
        QCOMPARE(query(f->speciesname, "Cardio 50%"), QStringList{C});
        // A typed text is matched literally: quotes and wildcards find nothing else.
        QCOMPARE(query(f->patientinfoname, "' or '1'='1"), QStringList{});
        QCOMPARE(query(f->patientinfoname, "%"), QStringList{});

        f->projectname->setEditText("P");
        QTest::mouseClick(f->pushButton, Qt::LeftButton);
        QCOMPARE(listedIds(w), QStringList{C}); // "P", not "TP"
        f->projectname->setEditText(QString());
        f->machineid->setEditText("M1");
        QTest::mouseClick(f->pushButton, Qt::LeftButton);
        QCOMPARE(listedIds(w), (QStringList{C, A}));
        f->machineid->setEditText(QString());

        // Time: one whole day, start and end inclusive.
        f->startchkdate->setDate(QDate(2024, 5, 3));
        f->endchkdate->setDate(QDate(2024, 5, 3));
        QTest::mouseClick(f->pushButton, Qt::LeftButton);
        QCOMPARE(listedIds(w), QStringList{B});
        f->startchkdate->setDate(QDate(2024, 5, 4));
        f->endchkdate->setDate(QDate(2024, 5, 2));
        QTest::mouseClick(f->pushButton, Qt::LeftButton);
        QCOMPARE(listedIds(w), QStringList{});

        // The refresh button lists every live result again.
        QTest::mouseClick(w.form()->pushButton, Qt::LeftButton);
        QCOMPARE(listedIds(w).size(), 3);
    }

    void softDeleteAndRestore()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        seed();
        MessageBoxCloser boxes;
        Index w;

        // Cancelled: nothing moves.
        boxes.accept = false;
        tick(w, rowOf(w, c));
        w.form()->tableWidget->selectRow(rowOf(w, c));
        QTest::mouseClick(w.form()->pushButton_5, Qt::LeftButton);
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().contains(QStringLiteral("确认删除吗？")));
        QCOMPARE(listedIds(w).size(), 3);

        // The selected result goes, though another row is ticked (ticks choose what is printed).
        boxes.accept = true;
        w.form()->tableWidget->selectRow(rowOf(w, a));
        QTest::mouseClick(w.form()->pushButton_5, Qt::LeftButton);
        QCOMPARE(listedIds(w), (QStringList{QString::number(c), QString::number(b)}));
        QCOMPARE(column(a, "state").toInt(), 0);
        QCOMPARE(column(c, "state").toInt(), 1);

        // Nothing selected: nothing goes, ticked or not.
        w.form()->tableWidget->clearSelection();
        boxes.texts.clear();
        QTest::mouseClick(w.form()->pushButton_5, Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList());
        QCOMPARE(listedIds(w).size(), 2);

        w.form()->tableWidget->selectRow(rowOf(w, c));
        QTest::mouseClick(w.form()->pushButton_5, Qt::LeftButton);
        QCOMPARE(listedIds(w), QStringList{QString::number(b)});

        Historyrecord history;
        QTableWidget* bin = history.form()->tableWidget;
        QCOMPARE(bin->rowCount(), 2);
        QCOMPARE(bin->columnCount(), 9);
        QCOMPARE(bin->item(0, 0)->text(), QString::number(c)); // newest first
        QCOMPARE(bin->item(0, 3)->text(), QStringLiteral("S003"));
        QCOMPARE(bin->item(0, 4)->text(), QStringLiteral("Max"));
        QCOMPARE(bin->item(0, 8)->text(), QStringLiteral("M1"));
        QVERIFY(bin->editTriggers() == QAbstractItemView::NoEditTriggers);

        boxes.texts.clear();
        bin->selectRow(0);
        QTest::mouseClick(history.form()->pushButton_2, Qt::LeftButton);
        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY(boxes.texts.at(0).contains(QStringLiteral("确认恢复该记录？")));
        QVERIFY(boxes.texts.at(1).contains(QStringLiteral("恢复成功！")));
        QCOMPARE(bin->rowCount(), 1);
        QCOMPARE(bin->item(0, 0)->text(), QString::number(a));
        QCOMPARE(column(c, "state").toInt(), 1);
        QTest::mouseClick(w.form()->pushButton, Qt::LeftButton);
        QCOMPARE(listedIds(w), (QStringList{QString::number(c), QString::number(b)}));
    }

    // Reloads on a shown window: new, deleted and edited results keep the rows, their texts and
    // their tick boxes in step with the ids; a long text is cut at the capped column width.
    void reloadKeepsRowsAndCheckBoxesInStep()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        seed();
        MessageBoxCloser boxes;
        Index w;
        w.show();
        QTableView* t = w.form()->tableWidget;
        QCOMPARE(listMatchesStore(w), QString());

        // A new result arrives: it comes first, a tick given before is cleared.
        tick(w, rowOf(w, b));
        const int d = addResult("M3", QDateTime(QDate(2024, 5, 9), QTime(8, 0)),
                                {{"id", "S004"}, {"name", "Coco"}, {"number", "P400"}}, "3", "TP");
        w.refreshTable();
        QCOMPARE(rowOf(w, d), 0);
        QCOMPARE(listMatchesStore(w), QString());

        // A result in the middle is deleted.
        t->selectRow(rowOf(w, b));
        QTest::mouseClick(w.form()->pushButton_5, Qt::LeftButton);
        QCOMPARE(rowOf(w, b), -1);
        QCOMPARE(listMatchesStore(w), QString());

        // A result edited elsewhere: the view hears of the changed row and measures the column.
        const QString longName(80, QLatin1Char('W'));
        QSqlQuery q;
        QVERIFY(q.exec(QString("update PanelChkResult set patientinfo = '{\"name\":\"%1\",\"id\":\"S001\"}' "
                               "where id = %2").arg(longName).arg(a)));
        QSignalSpy changed(t->model(), &QAbstractItemModel::dataChanged);
        w.refreshTable();
        QCOMPARE(listMatchesStore(w), QString());
        QVERIFY(!changed.isEmpty());
        bool covered = false;
        for (const QList<QVariant>& args : changed) {
            const QModelIndex from = args.at(0).toModelIndex();
            const QModelIndex to = args.at(1).toModelIndex();
            covered |= from.row() <= rowOf(w, a) && rowOf(w, a) <= to.row() && from.column() <= 5 && 5 <= to.column();
        }
        QVERIFY(covered);
        // The long name does not widen its column past the window: the column is capped, the
        // name cut, and its tool tip shows it whole.
        QApplication::processEvents();
        QHeaderView* header = t->horizontalHeader();
        QVERIFY(header->stretchLastSection());
        QVERIFY(header->sectionSize(5) <= 240);
        QVERIFY(header->sectionSize(5) < t->fontMetrics().horizontalAdvance(longName));
        QVERIFY(header->length() < w.width());
        QCOMPARE(toolTipAt(t, rowOf(w, a), 5), longName);
        // Short texts still fit their columns.
        for (int row = 0; row < t->model()->rowCount(); ++row)
            QVERIFY(header->sectionSize(8) >= t->fontMetrics().horizontalAdvance(cellText(w, row, 8)));

        // Nothing changed: no row is reported changed.
        changed.clear();
        w.refreshTable();
        QVERIFY(changed.isEmpty());
        QCOMPARE(listMatchesStore(w), QString());

        // A search, then all again.
        Ui::Patientfind* f = w.m_patientfind->form();
        f->startchkdate->setDate(QDate(2024, 5, 1));
        f->endchkdate->setDate(QDate(2024, 5, 31));
        f->machineid->setEditText("M3");
        QTest::mouseClick(f->pushButton, Qt::LeftButton);
        QCOMPARE(listedIds(w), QStringList{QString::number(d)});
        QCOMPARE(t->model()->index(0, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        w.refreshTable();
        QCOMPARE(listMatchesStore(w), QString());
    }

    // A reload keeps the selected results selected, wherever their rows move; the case form then
    // saves into the result it was edited for.
    void reloadKeepsSelectionOnItsResults()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        seed();
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        QTableView* t = f->tableWidget;
        auto selectedIds = [&] {
            QStringList ids;
            for (const QModelIndex& index : t->selectionModel()->selectedRows())
                ids << cellText(w, index.row(), 0);
            ids.sort();
            return ids;
        };

        t->selectRow(rowOf(w, b));
        QCOMPARE(f->patientinfoname->text(), QStringLiteral("Bella"));
        f->patientinfoname->setText("Bella Rose");
        // A new result arrives while the case is edited: every row moves down by one.
        const int d = addResult("M3", QDateTime(QDate(2024, 5, 9), QTime(8, 0)), {{"id", "S004"}, {"name", "Coco"}}, "3", "TP");
        w.refreshTable();
        QCOMPARE(rowOf(w, d), 0);
        QCOMPARE(selectedIds(), QStringList{QString::number(b)});
        QCOMPARE(t->currentIndex().row(), rowOf(w, b));
        QCOMPARE(f->patientinfoname->text(), QStringLiteral("Bella Rose")); // the edit is not reloaded away
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QCOMPARE(storedPatient(b).value("name").toString(), QStringLiteral("Bella Rose"));
        QCOMPARE(storedPatient(a).value("name").toString(), QStringLiteral("Lucky"));
        QCOMPARE(storedPatient(d).value("name").toString(), QStringLiteral("Coco"));
        QCOMPARE(selectedIds(), QStringList{QString::number(b)});

        // Two selected, one of them deleted elsewhere: the other stays selected.
        t->setSelectionMode(QAbstractItemView::MultiSelection);
        t->selectRow(rowOf(w, c));
        QCOMPARE(selectedIds(), (QStringList{QString::number(b), QString::number(c)}));
        QVERIFY(Indexdb().setState({b}, 0));
        w.refreshTable();
        QCOMPARE(selectedIds(), QStringList{QString::number(c)});

        // A search that leaves the selected result out selects nothing, nor does the reload after it.
        Ui::Patientfind* q = w.m_patientfind->form();
        q->startchkdate->setDate(QDate(2024, 5, 1));
        q->endchkdate->setDate(QDate(2024, 5, 31));
        q->machineid->setEditText("M3");
        QTest::mouseClick(q->pushButton, Qt::LeftButton);
        QCOMPARE(listedIds(w), QStringList{QString::number(d)});
        QVERIFY(selectedIds().isEmpty());
        w.refreshTable();
        QVERIFY(selectedIds().isEmpty());
        QCOMPARE(listMatchesStore(w), QString());
    }

    void rowTextsRememberedPerFillMatchLookups()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        ResultRowText texts;
        PanelChkRecord r;
        for (const char* dept : {"1", "3", "", "Cardio 50%", "1"}) {
            r.speciesname = dept;
            QCOMPARE(texts.departmentOf(r), ResultRowText::department(r));
        }
        for (const char* sex : {"0", "1", "", "x", "0"}) {
            r.animalsexname = sex;
            QCOMPARE(texts.sexOf(r), ResultRowText::sex(r));
        }
        for (int panel : {0, 1, 16, 99, 1}) {
            r.panelid = panel;
            QCOMPARE(texts.testItemOf(r), ResultRowText::testItem(r));
        }
    }

    void caseFormSaveWritesSelectedResults()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        seed();
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        const QDateTime stored = column(a, "chkdatetime").toDateTime();

        f->tableWidget->selectRow(rowOf(w, a));
        f->patientinfoname->setText("Lucky O'Hara");
        f->patientinfoid->setText("P101");
        f->patientinfonumber->setText("S001b");
        f->patientinfoage->setText("1");
        f->patientinfoage1->setText("1");  // 400 days are stored: 1 year 1 month, kept as 400
        f->lineEdit_birthday->setText("2023-03-28");
        f->inspectorname->setEditText("Dr. Rossi");
        f->speciesname->setEditText(Translateword::getInstance()->trans("1", divisionIndexMap));
        f->chkdatetime->setDateTime(QDateTime(QDate(2024, 6, 1), QTime(9, 30)));
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().contains(QStringLiteral("保存成功")));

        const QJsonObject p = storedPatient(a);
        QCOMPARE(p.value("name").toString(), QStringLiteral("Lucky O'Hara"));
        QCOMPARE(p.value("number").toString(), QStringLiteral("P101"));
        QCOMPARE(p.value("id").toString(), QStringLiteral("S001b"));
        QCOMPARE(p.value("age").toString(), QStringLiteral("400"));
        QCOMPARE(p.value("birthday").toString(), QStringLiteral("2023-03-28"));
        QCOMPARE(p.value("division").toString(), QStringLiteral("1")); // other members kept
        QCOMPARE(column(a, "inspectorname").toString(), QStringLiteral("Dr. Rossi"));
        QCOMPARE(column(a, "speciesname").toString(), QStringLiteral("1")); // the code, not its translation
        QCOMPARE(column(a, "chkdatetime").toDateTime(), QDateTime(QDate(2024, 6, 1), QTime(9, 30)));
        QVERIFY(stored != QDateTime(QDate(2024, 6, 1), QTime(9, 30)));
        QCOMPARE(cellText(w, rowOf(w, a), 5), QStringLiteral("Lucky O'Hara"));

        // Several results: the case fields go to each, their check times stay their own.
        const QDateTime timeB = column(b, "chkdatetime").toDateTime();
        const QDateTime timeC = column(c, "chkdatetime").toDateTime();
        f->tableWidget->clearSelection();
        f->tableWidget->setSelectionMode(QAbstractItemView::MultiSelection);
        f->tableWidget->selectRow(rowOf(w, b));
        f->tableWidget->selectRow(rowOf(w, c));
        // selecting a result shows its case in the form; the edits come after the selection
        f->patientinfoname->setText("Lucky O'Hara");
        f->patientinfoage->setText("2");
        f->patientinfoage1->setText("");
        f->reviewername->setEditText("Dr. Bianchi");
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QCOMPARE(boxes.texts.size(), 2);
        for (int id : {b, c}) {
            QCOMPARE(storedPatient(id).value("age").toString(), QStringLiteral("730"));
            QCOMPARE(storedPatient(id).value("name").toString(), QStringLiteral("Lucky O'Hara"));
            QCOMPARE(column(id, "reviewername").toString(), QStringLiteral("Dr. Bianchi"));
        }
        QCOMPARE(column(b, "chkdatetime").toDateTime(), timeB);
        QCOMPARE(column(c, "chkdatetime").toDateTime(), timeC);
        QCOMPARE(storedPatient(a).value("age").toString(), QStringLiteral("400"));

        // A result moved to the recycle list meanwhile is not written and the user is told.
        f->tableWidget->clearSelection();
        f->tableWidget->selectRow(rowOf(w, b));
        Indexdb().setState({b}, 0);
        f->patientinfoname->setText("Ghost");
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QCOMPARE(boxes.texts.size(), 3);
        QVERIFY(boxes.texts.last().contains(QStringLiteral("保存失败")));
        QCOMPARE(storedPatient(b).value("name").toString(), QStringLiteral("Lucky O'Hara"));
    }

    void birthdayTypedGivesAge()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        Index w;
        const QDate born = QDate::currentDate().addDays(-400);
        w.form()->lineEdit_birthday->clear();
        QTest::keyClicks(w.form()->lineEdit_birthday, born.toString("yyyy-MM-dd"));
        QCOMPARE(w.form()->patientinfoage->text(), QStringLiteral("1"));
        QCOMPARE(w.form()->patientinfoage1->text(), QStringLiteral("1"));
        // Filling the field from code leaves the age alone.
        w.form()->patientinfoage->setText("7");
        w.form()->lineEdit_birthday->setText(QDate::currentDate().addDays(-30).toString("yyyy-MM-dd"));
        QCOMPARE(w.form()->patientinfoage->text(), QStringLiteral("7"));
    }

private:
    void seed()
    {
        a = addResult("M1", QDateTime(QDate(2024, 5, 1), QTime(10, 0)),
                      {{"id", "S001"}, {"name", "Lucky"}, {"number", "P100"}, {"division", "1"}, {"age", "400"}}, "1", "TP,ALB");
        b = addResult("M2", QDateTime(QDate(2024, 5, 3), QTime(23, 59, 30)),
                      {{"id", "S002"}, {"name", "Bella"}, {"number", "P200"}}, "2", "ALB");
        c = addResult("M1", QDateTime(QDate(2024, 5, 5), QTime(0, 0)),
                      {{"id", "S003"}, {"name", "Max"}, {"number", "P300"}}, "Cardio 50%", "P,GLU");
        QVERIFY(a > 0 && b > 0 && c > 0);
    }
};

QTEST_MAIN(tst_resultlist)
#include "tst_resultlist.moc"
