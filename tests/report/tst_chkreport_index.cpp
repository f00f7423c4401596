// The main window's result detail view, detail save and report commands on a real database.
#include "Index.h"
#include "Indexdb.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "ReportAssembly.h"
#include "SaveDialogAnswer.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "tst_workbook_check.h"
#include "ui_Index.h"

#include <QtTest>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSqlQuery>

namespace {

const char* const kResults =
    R"([{"N":"ALB","I":[35,25,40,10,60,"g/L"]},{"N":"CRE","I":[44,44,159,10,2000,"umol/L"]},)"
    R"({"N":"Ca2+","I":[2.1,2.3,3.0,0.5,4.0,"mmol/L"]},{"N":"ALT","I":[130.5,10,100,5,1000,"U/L"]},)"
    R"({"N":"GLU","I":[3.2,3.9,6.1,1.1,33.3,"mmol/L"]},{"N":"TP","I":[60.123,0,0,20,120,"g/L"]},)"
    R"({"N":"Ca","I":[2.5,2.0,3.0,0.5,4.0,"mmol/L"]}])";

int addResult(const QString& results, int testType = 0, const QString& age = QStringLiteral("400"))
{
    PanelChkRecord r;
    r.machineid = QStringLiteral("QV7");
    r.chkdatetime = QDateTime(QDate(2024, 5, 2), QTime(9, 30));
    r.panelid = 4;
    QJsonObject patient{{"name", "Bella"}, {"number", "P-77"}, {"id", "S-5"}, {"age", age}, {"birthday", "2023-01-02"}};
    r.patientinfo = QString::fromUtf8(QJsonDocument(patient).toJson(QJsonDocument::Compact));
    r.speciesname = QStringLiteral("1");
    r.animalsexname = QStringLiteral("0");
    r.testresults = results;
    r.testType = testType;
    r.Errcode = QStringLiteral("001");
    return storeResult(r);
}

QString storedResults(int id)
{
    QSqlQuery q;
    q.prepare("select testresults from PanelChkResult where id = ?");
    q.addBindValue(id);
    q.exec();
    return q.next() ? q.value(0).toString() : QString();
}

void setStoredResults(int id, const QString& text)
{
    QSqlQuery q;
    q.prepare("update PanelChkResult set testresults = ? where id = ?");
    q.addBindValue(text);
    q.addBindValue(id);
    q.exec();
}

void select(Index& w, int id)
{
    QTableView* t = w.form()->tableWidget;
    w.refreshTable();
    for (int row = 0; row < t->model()->rowCount(); ++row) {
        if (t->model()->index(row, 0).data().toString() == QString::number(id)) {
            t->clearSelection();
            t->selectRow(row);
            return;
        }
    }
}

QStringList column(Index& w, int c)
{
    QStringList out;
    QTableWidget* t = w.form()->tableWidget_2;
    for (int row = 0; row < t->rowCount(); ++row)
        out << (t->item(row, c) ? t->item(row, c)->text() : QString("<none>"));
    return out;
}

void writeIni(const QString& file, const QString& key, const QVariant& value)
{
    QSettings s("./saveFile/" + file, QSettings::IniFormat);
    s.setIniCodec("UTF8");
    s.setValue(key, value);
}

} // namespace

class tst_chkreport_index : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        PcComData::getInstance()->stopScanPort();
    }

    void detailViewSiUnits()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        writeIni("project.ini", "hideProject/4", QStringList{"GLU"});
        const int id = addResult(kResults);
        Index w;
        select(w, id);
        QCOMPARE(w.m_currentId, QString::number(id));
        QCOMPARE(column(w, 1), (QStringList{"ALB", "CRE", "Ca", "ALT", "TP", "Ca"}));   // GLU hidden
        QCOMPARE(column(w, 3), (QStringList{"35", "44", "2.1", "130.5", "60.123", "2.5"}));
        QCOMPARE(column(w, 5), (QStringList{"25-40", "44-159", "2.3-3", "10-100", "", "2-3"}));
        QCOMPARE(column(w, 6).at(0), QStringLiteral("g/L"));
        QTableWidget* t = w.form()->tableWidget_2;
        QCOMPARE(t->item(2, 3)->foreground().color(), QColor("#00afd6"));   // Ca2+ below
        QCOMPARE(t->item(3, 1)->foreground().color(), QColor("#eb1c30"));   // ALT above
        QVERIFY(t->item(0, 3)->foreground().style() == Qt::NoBrush);        // inside: black
        QVERIFY(t->isColumnHidden(4));
        QVERIFY(!(t->item(0, 3)->flags() & Qt::ItemIsEditable));
        QVERIFY(t->item(0, 6)->flags() & Qt::ItemIsEditable);
        for (int row = 0; row < t->rowCount(); ++row)
            QVERIFY(qobject_cast<QCheckBox*>(t->cellWidget(row, 0))->isChecked());
        // case form: ages as years and months, placeholder dates for missing times
        QCOMPARE(w.form()->patientinfoname->text(), QStringLiteral("Bella"));
        QCOMPARE(w.form()->patientinfonumber->text(), QStringLiteral("S-5"));
        QCOMPARE(w.form()->patientinfoage->text(), QStringLiteral("1"));
        QCOMPARE(w.form()->patientinfoage1->text(), QStringLiteral("1"));
        QCOMPARE(w.form()->sampletime->dateTime(), QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
        QCOMPARE(w.form()->lineEdit_birthday->text(), QStringLiteral("2023-01-02"));

        const int yearOld = addResult(kResults, 0, "365");
        select(w, yearOld);
        QCOMPARE(w.form()->patientinfoage->text(), QStringLiteral("1"));
        QCOMPARE(w.form()->patientinfoage1->text(), QString());
        const int noAge = addResult(kResults, 0, "");
        select(w, noAge);
        QCOMPARE(w.form()->patientinfoage->text(), QStringLiteral("0"));
        QCOMPARE(w.form()->patientinfoage1->text(), QString());
    }

    void detailViewConventionalQcAndLimits()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        writeIni("hospital.ini", "systemCfg/getModeSelect", 1);
        const char* results =
            R"([{"N":"ALB","I":[35,25,40,10,60,"g/L"]},{"N":"CRE","I":[44,44,159,10,2000,"umol/L"]},)"
            R"({"N":"ALT","I":[1000,10,100,5,1000,"U/L"]},{"N":"AST","I":[-6,10,100,5,1000,"U/L"]},)"
            R"({"N":"TBIL","I":[1,0,15,2,500,"umol/L"]}])";
        const int id = addResult(results);
        const int qc = addResult(results, 1);
        Index w;
        select(w, id);
        QTableWidget* t = w.form()->tableWidget_2;
        QVERIFY(t->isColumnHidden(4));
        QCOMPARE(column(w, 3), (QStringList{"3.50", "0.50", QStringLiteral("≥1000"), "---", QStringLiteral("≤0.12")}));
        QCOMPARE(column(w, 5).mid(0, 2), (QStringList{"2.50-4.00", "0.50-1.80"}));
        QCOMPARE(column(w, 6).mid(0, 2), (QStringList{"g/dL", "mg/dL"}));
        QVERIFY(t->item(1, 3)->foreground().style() == Qt::NoBrush);        // 0.50 equals the low end
        for (const QString& cell : column(w, 4))
            QVERIFY(cell.isEmpty());

        select(w, qc);                                                      // a QC run shows its targets
        QVERIFY(!t->isColumnHidden(4));
        QCOMPARE(column(w, 4), (QStringList{"1.00", "0.11", "5", "5", "0.12"}));
    }

    // An unedited table saved in conventional units keeps every stored number.
    void saveKeepsUneditedValues()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        writeIni("hospital.ini", "systemCfg/getModeSelect", 1);
        writeIni("project.ini", "hideProject/4", QStringList{"GLU"});
        const int id = addResult(kResults);
        const QString before = storedResults(id);
        Index w;
        select(w, id);
        {
            MessageBoxCloser boxes;
            w.on_pushButton_6_clicked();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("保存成功")});
        }
        QCOMPARE(storedResults(id), before);

        // delete ALT, then save: ALT is gone, GLU (hidden) and the code "Ca" stay as stored
        QTableWidget* t = w.form()->tableWidget_2;
        t->setCurrentCell(3, 1);
        QCOMPARE(t->item(3, 1)->text(), QStringLiteral("ALT"));
        w.on_pushButton_15_clicked();
        {
            MessageBoxCloser boxes;
            w.on_pushButton_6_clicked();
        }
        const QJsonArray was = QJsonDocument::fromJson(before.toUtf8()).array();
        const QJsonArray now = QJsonDocument::fromJson(storedResults(id).toUtf8()).array();
        QCOMPARE(now.size(), was.size() - 1);
        int j = 0;
        for (const QJsonValue& v : was) {
            if (v.toObject().value("N") == QJsonValue("ALT"))
                continue;
            QCOMPARE(QJsonDocument(now.at(j).toObject()).toJson(QJsonDocument::Compact),
                     QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
            ++j;
        }
        QCOMPARE(now.at(1).toObject().value("I").toArray().at(0).toDouble(), 44.0);    // not 44.24779
        QCOMPARE(now.at(3).toObject().value("N").toString(), QStringLiteral("GLU"));
        QCOMPARE(now.at(5).toObject().value("N").toString(), QStringLiteral("Ca"));
        QCOMPARE(column(w, 1), (QStringList{"ALB", "CRE", "Ca", "TP", "Ca"}));         // shown again
    }

    void saveStoresAnEditedRowInSiUnits()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        writeIni("hospital.ini", "systemCfg/getModeSelect", 1);
        const int id = addResult(kResults);
        Index w;
        select(w, id);
        w.on_pushButton_7_clicked();                                  // a row added by hand
        QTableWidget* t = w.form()->tableWidget_2;
        const int row = t->rowCount() - 1;
        t->setItem(row, 1, new QTableWidgetItem("GLOB"));
        t->setItem(row, 3, new QTableWidgetItem("3.5"));
        t->setItem(row, 5, new QTableWidgetItem("2.5-4.5"));
        t->setItem(row, 6, new QTableWidgetItem("g/dL"));
        {
            MessageBoxCloser boxes;
            w.on_pushButton_6_clicked();
        }
        const QJsonArray now = QJsonDocument::fromJson(storedResults(id).toUtf8()).array();
        QCOMPARE(now.size(), 8);
        const QJsonObject glob = now.at(7).toObject();
        QCOMPARE(glob.value("N").toString(), QStringLiteral("GLOB"));
        QCOMPARE(glob.value("addType").toInt(), 1);
        QCOMPARE(glob.value("I").toArray().at(0).toDouble(), 35.0);
        QCOMPARE(glob.value("I").toArray().at(1).toDouble(), 25.0);
        QCOMPARE(glob.value("I").toArray().at(2).toDouble(), 45.0);
        QCOMPARE(column(w, 1).last(), QStringLiteral("GLOB"));
        QCOMPARE(column(w, 3).last(), QStringLiteral("3.5"));     // GLOB shows one decimal
    }

    void saveRefusesAnUnreadableResult()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int id = addResult(kResults);
        Index w;
        select(w, id);
        setStoredResults(id, "{broken");
        {
            MessageBoxCloser boxes;
            w.on_pushButton_6_clicked();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("该结果的检测数据无法读取，未保存")});
        }
        QCOMPARE(storedResults(id), QStringLiteral("{broken"));
        // the result was moved away meanwhile: nothing is written
        setStoredResults(id, kResults);
        QSqlQuery("update PanelChkResult set state = 0").exec();
        {
            MessageBoxCloser boxes;
            w.on_pushButton_6_clicked();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("该结果已无法读取，未保存")});
        }
        QCOMPARE(storedResults(id), QString::fromUtf8(kResults));
    }

    void pdfCommandWritesTheReport()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        writeIni("hospital.ini", "systemCfg/hospital", QStringLiteral("安心动物医院"));
        const int id = addResult(kResults);
        Index w;
        select(w, id);
        const QString file = dir.file("report.pdf");
        {
            SaveDialogAnswer answer(file);
            MessageBoxCloser boxes;
            w.on_pushButton_9_clicked();
            QCOMPARE(boxes.texts, QStringList());
            QCOMPARE(answer.filter, QStringLiteral("Text Files (*.pdf)"));
        }
        QVERIFY(QFile::exists(file));
        const QString text = withoutBlanks(pdfText(file));
        for (const char* part : {"生化检验报告单", "姓名：Bella", "安心动物医院", "ALB", "CRE", "ALT", "GLU", "130.5", "60.123", "44-159"})
            QVERIFY2(text.contains(QString::fromUtf8(part)), part);
        if (!qEnvironmentVariableIsEmpty("CHEMDESK_KEEP_PDF"))
            QFile::copy(file, qEnvironmentVariable("CHEMDESK_KEEP_PDF"));

        // only the analytes ticked in the detail table
        QTableWidget* t = w.form()->tableWidget_2;
        for (int row = 1; row < t->rowCount(); ++row)
            qobject_cast<QCheckBox*>(t->cellWidget(row, 0))->setChecked(false);
        {
            SaveDialogAnswer answer(dir.file("one"));   // ".pdf" added
            w.on_pushButton_9_clicked();
        }
        const QString one = withoutBlanks(pdfText(dir.file("one.pdf")));
        QVERIFY(one.contains("ALB"));
        QVERIFY(!one.contains("CRE"));
    }

    // Printing one ticked row takes the detail table's ticks only when that table shows the
    // ticked result; the print command finds that result by the table's "resultId".
    void detailTableNamesItsResult()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int first = addResult(kResults);
        const int second = addResult(kResults);
        Index w;
        select(w, first);
        QCOMPARE(w.form()->tableWidget_2->property("resultId").toString(), QString::number(first));
        QTableWidget* t = w.form()->tableWidget_2;
        for (int row = 1; row < t->rowCount(); ++row)
            qobject_cast<QCheckBox*>(t->cellWidget(row, 0))->setChecked(false);
        const QSet<QString> ticks = w.getCheckedIds();
        QCOMPARE(ticks, QSet<QString>{"ALB"});
        QCOMPARE(ReportAssembly::tickedFor(QString::number(first),
                                           t->property("resultId").toString(), ticks),
                 ticks);
        QVERIFY(ReportAssembly::tickedFor(QString::number(second),
                                          t->property("resultId").toString(), ticks)
                    .isEmpty());
        select(w, second);
        QCOMPARE(t->property("resultId").toString(), QString::number(second));
    }

    void fileCommandsReportFailures()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int id = addResult(kResults);
        Index w;
        select(w, id);
        {
            SaveDialogAnswer answer(dir.file("missing/folder/r.pdf"));
            MessageBoxCloser boxes;
            w.on_pushButton_9_clicked();
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts.first().startsWith(QStringLiteral("文件无法写入")));
        }
        {
            SaveDialogAnswer answer(dir.file("missing/folder/r.xlsx"));
            MessageBoxCloser boxes;
            w.on_pushButton_excel_clicked();
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts.first().startsWith(QStringLiteral("文件无法写入")));
        }
        // an unreadable result gives a message and no file
        setStoredResults(id, "not json");
        {
            SaveDialogAnswer answer(dir.file("bad.pdf"));
            MessageBoxCloser boxes;
            w.on_pushButton_9_clicked();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("该结果无法读取，未生成报告")});
        }
        QVERIFY(!QFile::exists(dir.file("bad.pdf")));
        {
            SaveDialogAnswer answer(dir.file("bad.xlsx"));
            MessageBoxCloser boxes;
            w.on_pushButton_excel_clicked();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("该结果无法读取，未生成报告")});
        }
        QVERIFY(!QFile::exists(dir.file("bad.xlsx")));
        // print: nothing ticked gives the hint; an unreadable ticked result is named
        {
            MessageBoxCloser boxes;
            w.on_pushButton_3_clicked();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("请勾选打印报告")});
        }
        QAbstractItemModel* list = w.form()->tableWidget->model();
        QVERIFY(list->setData(list->index(0, 1), Qt::Checked, Qt::CheckStateRole));
        {
            MessageBoxCloser boxes;
            w.on_pushButton_3_clicked();
            QCOMPARE(boxes.texts.size(), 2);
            QCOMPARE(boxes.texts.at(0), QStringLiteral("确认打印吗？"));
            QVERIFY(boxes.texts.at(1).contains(QString::number(id)));
        }
        QCOMPARE(list->index(0, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    }

    void excelCommandWritesTheWorkbook()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        writeIni("hospital.ini", "systemCfg/hospital", QStringLiteral("=cmd|' /C calc'!A0"));
        const int id = addResult(kResults);
        Index w;
        select(w, id);
        {
            SaveDialogAnswer answer(dir.file("r"));   // ".xlsx" added
            MessageBoxCloser boxes;
            w.on_pushButton_excel_clicked();
            QCOMPARE(boxes.texts, QStringList());
            QCOMPARE(answer.filter, QStringLiteral("Text Files (*.xlsx)"));
        }
        CHECK_WORKBOOK(dir.file("r.xlsx"),
                       (QJsonObject{{"all_strings", true},
                                    {"cells", QJsonObject{{"C1", QJsonObject{{"value", "=cmd|' /C calc'!A0"}}},
                                                          {"G3", QJsonObject{{"value", QStringLiteral("姓名：Bella")}}},
                                                          {"B8", QJsonObject{{"value", "ALB"}}},
                                                          {"E8", QJsonObject{{"value", "35g/L"}}},
                                                          {"G11", QJsonObject{{"value", QStringLiteral("↑")}}}}}}));
    }
};

QTEST_MAIN(tst_chkreport_index)
#include "tst_chkreport_index.moc"
