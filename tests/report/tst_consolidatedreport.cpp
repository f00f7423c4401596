// The merged report: the main window's merge command, the dialog's table and case fields, and
// the report, PDF and preview made from them, on a real main database.
#include "ConsolidatedReport.h"
#include "ConsolidatedTable.h"
#include "Index.h"
#include "Indexdb.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "SaveDialogAnswer.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "chkReportPage.h"
#include "printTool.h"
#include "ui_ConsolidatedReport.h"
#include "ui_Index.h"

#include <QtTest>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>

namespace {

PanelChkRecord record(const QString& name, const QString& results, int testType = 0)
{
    PanelChkRecord r;
    r.machineid = QStringLiteral("QV7");
    r.chkdatetime = QDateTime(QDate(2024, 5, 2), QTime(9, 30));
    r.panelid = 4;
    const QJsonObject patient{{"name", name}, {"number", "P-" + name}, {"id", "S-" + name}, {"age", "400"}};
    r.patientinfo = QString::fromUtf8(QJsonDocument(patient).toJson(QJsonDocument::Compact));
    r.speciesname = QStringLiteral("1");
    r.animalsexname = QStringLiteral("0");
    r.sendinspectorname = "sender " + name;
    r.clinicalinformation = "diagnosis " + name;
    r.testresults = results;
    r.testType = testType;
    r.Errcode = QStringLiteral("001");
    return r;
}

// The record as stored (the patient fields read back from its patient information).
PanelChkRecord stored(int id)
{
    QVector<PanelChkRecord> out;
    Indexdb().queryById(QString::number(id), &out);
    return out.value(0);
}

void writeIni(const QString& file, const QString& key, const QVariant& value)
{
    QSettings s("./saveFile/" + file, QSettings::IniFormat);
    s.setIniCodec("UTF8");
    s.setValue(key, value);
}

// Selects the rows of these result ids in the result list, one selection range each, in order.
void selectIds(Index& w, const QList<int>& ids)
{
    QAbstractItemView* t = w.form()->tableWidget;
    w.refreshTable();
    t->clearSelection();
    QAbstractItemModel* m = t->model();
    for (int id : ids) {
        for (int row = 0; row < m->rowCount(); ++row) {
            if (m->index(row, 0).data().toString() == QString::number(id))
                t->selectionModel()->select(m->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
}

QStringList column(const ConsolidatedReport& d, int c)
{
    QStringList out;
    const QTableWidget* t = d.form()->tableWidget;
    for (int row = 0; row < t->rowCount(); ++row)
        out << (t->item(row, c) ? t->item(row, c)->text() : QString("<none>"));
    return out;
}

QString pageHtml(ConsolidatedReport& d, chkReportPage& page)
{
    d.buildReportHtml(page);
    return page.buildTitle() + page.buildBody(page.reportItems) + page.buildContact();
}

// Sheets of the next print preview dialog, which it then closes.
class PreviewCounter : public QObject
{
public:
    PreviewCounter()
    {
        connect(&m_timer, &QTimer::timeout, this, [this]() {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* dlg = qobject_cast<QPrintPreviewDialog*>(w);
                if (!dlg || !dlg->isVisible())
                    continue;
                if (auto* view = dlg->findChild<QPrintPreviewWidget*>())
                    sheets = view->pageCount();
                dlg->reject();
            }
        });
        m_timer.start(30);
    }
    int sheets = -1;

private:
    QTimer m_timer;
};

const char* const kFirst =
    R"([{"N":"TP","I":[60,55,75,20,120,"g/L"]},{"N":"ALB","I":[30,25,40,10,60,"g/L"]},)"
    R"({"N":"CRE","I":[80,44,159,10,2000,"umol/L"]},{"N":"GLU","I":[5.5,3.9,6.1,1.1,33.3,"mmol/L"]}])";
const char* const kSecond =
    R"([{"N":"ALB","I":[31,25,40,10,60,"g/L"]},{"N":"TP","I":[61,55,75,20,120,"g/L"]},)"
    R"({"N":"UREA","I":[9,2.5,9.6,1,15,"mmol/L"]}])";

} // namespace

class tst_consolidatedreport : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        PcComData::getInstance()->stopScanPort();
    }

    // The merge command: the selected results grouped by analyte on the last one's case data,
    // each merged report a modeless dialog of its own, freed when closed.
    void mergeCommandOpensGroupedReports()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        writeIni("project.ini", "hideProject/4", QStringList{"GLU"});
        const int a = storeResult(record("Bella", kFirst));
        const int b = storeResult(record("Max", kSecond));
        Index w;
        w.show();
        selectIds(w, {a, b});
        QVERIFY(w.on_pushButton_4_clicked());
        QPointer<ConsolidatedReport> first = w.m_consolidatedReport.data();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(!first->isModal());
        QCOMPARE(column(*first, 0), (QStringList{"TP", "TP", "ALB", "ALB", "CRE", "UREA"}));   // GLU hidden
        QCOMPARE(column(*first, 2), (QStringList{"60", "61", "30", "31", "80", "9"}));
        QCOMPARE(first->form()->lineEdit_3->text(), QStringLiteral("Max"));
        QCOMPARE(first->form()->patientinfonumber->text(), QStringLiteral("S-Max"));
        QCOMPARE(first->form()->lineEdit_9->currentText(), QStringLiteral("sender Max"));
        QCOMPARE(first->form()->lineEdit_6->text(), QStringLiteral("1"));
        QCOMPARE(first->form()->lineEdit_13->text(), QStringLiteral("1"));
        QVERIFY(first->form()->tableWidget->isColumnHidden(3));
        const QString shot = qEnvironmentVariable("CHEMDESK_SHOT");
        if (!shot.isEmpty()) {
            first->resize(760, 680);
            QVERIFY(first->grab().save(shot));
        }

        // the other order: the case data follow the last result taken
        selectIds(w, {b, a});
        QVERIFY(w.on_pushButton_4_clicked());
        QPointer<ConsolidatedReport> second = w.m_consolidatedReport.data();
        QVERIFY(second && second != first);
        QCOMPARE(column(*second, 0), (QStringList{"ALB", "ALB", "TP", "TP", "UREA", "CRE"}));
        QCOMPARE(second->form()->lineEdit_3->text(), QStringLiteral("Bella"));
        second->form()->lineEdit_3->setText("edited");
        QCOMPARE(first->form()->lineEdit_3->text(), QStringLiteral("Max"));

        // a closed report is freed; the other stays
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(second && second->isVisible());
        second->close();
        QTRY_VERIFY(second.isNull());
        QVERIFY(w.m_consolidatedReport.isNull());

        // nothing selected, or only results gone meanwhile: nothing opens
        w.form()->tableWidget->clearSelection();
        QVERIFY(w.on_pushButton_4_clicked());
        QVERIFY(w.m_consolidatedReport.isNull());
        selectIds(w, {a});
        QVERIFY(Indexdb().setState({a}, 0));
        QVERIFY(w.on_pushButton_4_clicked());
        QVERIFY(w.m_consolidatedReport.isNull());
        // the last selected result gone: the base is the last one found
        selectIds(w, {b});
        QVERIFY(w.form()->tableWidget->selectionModel()->hasSelection());
        const int c = storeResult(record("Rex", kFirst));
        selectIds(w, {b, c});
        QVERIFY(Indexdb().setState({c}, 0));
        QVERIFY(w.on_pushButton_4_clicked());
        QVERIFY(w.m_consolidatedReport);
        QCOMPARE(w.m_consolidatedReport->form()->lineEdit_3->text(), QStringLiteral("Max"));
        QCOMPARE(column(*w.m_consolidatedReport, 0), (QStringList{"ALB", "TP", "UREA"}));
    }

    void tableInSiUnits()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const char* results =
            R"([{"N":"ALB","I":[60,25,40,10,60,"g/L"]},{"N":"CRE","I":[10,44,159,10,2000,"umol/L"]},)"
            R"({"N":"AST","I":[-6,10,100,5,1000,"U/L"]},{"N":"XYZ","I":[5,0,0,0,0,"u"]},)"
            R"({"N":"ALT","I":[2000,10,100,5,1000,"U/L"],"addType":1}])";
        ConsolidatedReport d(stored(storeResult(record("Bella", results))));
        QCOMPARE(column(d, 0), (QStringList{"ALB", "CRE", "AST", "XYZ", "ALT"}));
        // at the upper limit "≥", at the lower limit "≤", below the tolerance "---"; no limit
        // signs without measuring limits nor for an analyte added by hand
        QCOMPARE(column(d, 2), (QStringList{QStringLiteral("≥60"), QStringLiteral("≤10"), "---", "5", "2000"}));
        QCOMPARE(column(d, 4), (QStringList{"25-40", "44-159", "10-100", "", "10-100"}));
        QCOMPARE(column(d, 5), (QStringList{"g/L", "umol/L", "U/L", "u", "U/L"}));
        const QTableWidget* t = d.form()->tableWidget;
        QCOMPARE(t->item(0, 2)->data(Qt::UserRole + 1).toDouble(), 60.0);
        QCOMPARE(t->item(4, 1)->data(Qt::UserRole + 1).toInt(), 1);
        QVERIFY(!t->item(0, 1)->data(Qt::UserRole + 1).isValid());
        QVERIFY(t->isColumnHidden(3));
        // unit mode 2 reads as SI
        writeIni("hospital.ini", "systemCfg/getModeSelect", 2);
        ConsolidatedReport again(stored(storeResult(record("Bella", results))));
        QCOMPARE(column(again, 2), column(d, 2));
    }

    void tableInConventionalUnits()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        writeIni("hospital.ini", "systemCfg/getModeSelect", 1);
        // UREA 9 mmol/L is 54.1 mg/dL, within its measuring range of 15 mmol/L (90.1 mg/dL)
        const char* results =
            R"([{"N":"UREA","I":[9,2.5,9.6,1,15,"mmol/L"]},{"N":"UREA","I":[15,2.5,9.6,1,15,"mmol/L"]},)"
            R"({"N":"ALB","I":[35,25,40,10,60,"g/L"]},{"N":"GLOB","I":[30,25,40,10,60,"g/L"]},)"
            R"({"N":"P","I":[0.5,0.8,1.6,0.5,5,"mmol/L"]},{"N":"ALT","I":[50,10,100,5,1000,"U/L"]}])";
        ConsolidatedReport d(stored(storeResult(record("Bella", results))));
        QCOMPARE(column(d, 2), (QStringList{"54.1", QStringLiteral("≥90.1"), "3.50", "3.0", QStringLiteral("≤1.55"), "50"}));
        QCOMPARE(column(d, 4), (QStringList{"15.0-57.7", "15.0-57.7", "2.50-4.00", "2.5-4.0", "2.48-4.96", "10-100"}));
        QCOMPARE(column(d, 5), (QStringList{"mg/dL", "mg/dL", "g/dL", "g/dL", "mg/dL", "U/L"}));
    }

    // A QC run shows its targets and is held to the QC limits of the configuration database
    // (TP 55-65 g/L), converted like its values.
    void qcRunUsesQcLimits()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const char* results =
            R"([{"N":"TP","I":[66,55,75,60,120,"g/L"]},{"N":"TP","I":[60,55,75,60,120,"g/L"]},)"
            R"({"N":"TP","I":[55,55,75,60,120,"g/L"]}])";
        ConsolidatedReport si(stored(storeResult(record("QC", results, 1))));
        QVERIFY(!si.form()->tableWidget->isColumnHidden(3));
        QCOMPARE(column(si, 3), (QStringList{"60", "60", "60"}));
        QCOMPARE(column(si, 2), (QStringList{QStringLiteral("≥65"), "60", QStringLiteral("≤55")}));
        writeIni("hospital.ini", "systemCfg/getModeSelect", 1);
        ConsolidatedReport conventional(stored(storeResult(record("QC", results, 1))));
        QCOMPARE(column(conventional, 3), (QStringList{"6.00", "6.00", "6.00"}));
        QCOMPARE(column(conventional, 2), (QStringList{QStringLiteral("≥6.5"), "6.00", QStringLiteral("≤5.5")}));
    }

    // Edits of values and case fields go into the report, its HTML escaped; a removed row is gone.
    void editsReachHtmlAndPdf()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        writeIni("hospital.ini", "systemCfg/hospital", QStringLiteral("安心动物医院"));
        writeIni("project.ini", "hideProject/4", QStringList{"GLU"});
        const int a = storeResult(record("Bella", kFirst));
        const int b = storeResult(record("Max", kSecond));
        Index w;
        writeIni("printsetting.ini", "systemCfg/optEnable", 0);   // every line printed, the serial number too
        selectIds(w, {a, b});
        QVERIFY(w.on_pushButton_4_clicked());
        ConsolidatedReport* d = w.m_consolidatedReport;
        QVERIFY(d);
        Ui::ConsolidatedReport* f = d->form();
        QTableWidget* t = f->tableWidget;
        t->item(1, 2)->setText("72.5");                        // TP of the second result
        t->item(4, 4)->setText("-1-5");                        // CRE's range
        f->lineEdit_3->setText("Max <Lab> & Co");
        f->lineEdit_9->setCurrentText("Dr. Typed");            // a sender not in the list
        f->lineEdit_13->clear();
        t->setCurrentCell(5, 0);                               // UREA
        QTest::mouseClick(f->pushButton_3, Qt::LeftButton);
        QCOMPARE(column(*d, 0), (QStringList{"TP", "TP", "ALB", "ALB", "CRE"}));
        t->setCurrentCell(-1, -1);
        QTest::mouseClick(f->pushButton_3, Qt::LeftButton);    // no current row: nothing removed
        QCOMPARE(t->rowCount(), 5);

        chkReportPage page;
        const QString html = pageHtml(*d, page);
        QCOMPARE(page.reportItems.size(), 5);
        QCOMPARE(page.reportItems.at(1).value, 72.5);
        QCOMPARE(page.reportItems.at(0).value, 60.0);
        QCOMPARE(page.reportItems.at(4).low, -1.0);
        QCOMPARE(page.reportItems.at(4).high, 5.0);
        QCOMPARE(page.patientInfo.submitter, QStringLiteral("Dr. Typed"));
        QCOMPARE(page.patientInfo.serialNumber, QStringLiteral("QV7"));
        QCOMPARE(page.patientInfo.testTime, QStringLiteral("2024/05/02 09:30:00"));
        QCOMPARE(page.patientInfo.sampleTime, QString());        // the form's placeholder
        QCOMPARE(page.ageText, QStringLiteral("1岁"));
        QVERIFY(html.contains("72.5"));
        QVERIFY(html.contains("Max &lt;Lab&gt; &amp; Co"));
        QVERIFY(!html.contains("Max <Lab>"));
        QVERIFY(!html.contains("UREA"));
        QVERIFY(html.contains("CRE"));

        const QString file = dir.file("merged.pdf");
        {
            SaveDialogAnswer answer(dir.file("merged"));   // ".pdf" added
            MessageBoxCloser boxes;
            QTest::mouseClick(f->pushButton_4, Qt::LeftButton);
            QVERIFY(answer.answered);
            QCOMPARE(answer.filter, QStringLiteral("Text Files (*.pdf)"));
            QCOMPARE(boxes.texts, QStringList());
        }
        const QString text = pdfText(file, {"-layout"});
        if (!qEnvironmentVariableIsEmpty("CHEMDESK_KEEP_PDF"))
            QFile::copy(file, qEnvironmentVariable("CHEMDESK_KEEP_PDF"));
        for (const char* part : {"72.5", "Max <Lab> & Co", "Dr. Typed", "QV7", "CRE", "-1-5", "2024/05/02 09:30:00"})
            QVERIFY2(text.contains(QString::fromUtf8(part)), part);
        QVERIFY(text.contains(QStringLiteral("安心动物医院")));   // as written, no radical in place of 心
        QVERIFY(!text.contains("UREA"));
        QVERIFY(!text.contains("Bella"));

        // a cancelled save writes nothing; an unwritable one says so
        {
            SaveDialogAnswer answer{QString()};
            MessageBoxCloser boxes;
            d->on_pushButton_4_clicked();
            QVERIFY(answer.answered);
            QCOMPARE(boxes.texts, QStringList());
        }
        {
            MessageBoxCloser boxes;
            QVERIFY(!d->savePdf(dir.file("missing/folder/merged.pdf")));
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts.first().contains(QStringLiteral("文件无法写入")));
        }

        // every row removed: a report without result rows
        while (t->rowCount() > 0) {
            t->setCurrentCell(0, 0);
            d->on_pushButton_3_clicked();
        }
        chkReportPage empty;
        d->buildReportHtml(empty);
        QVERIFY(empty.reportItems.isEmpty());
    }

    // Print and preview put two report pages on a sheet in paper mode 0, one in the others.
    void previewSheets()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        QJsonArray many;
        for (int i = 0; i < 60; ++i)
            many.append(QJsonObject{{"N", QStringLiteral("TP")}, {"I", QJsonArray{60 + i % 10, 55, 75, 20, 120, "g/L"}}});
        ConsolidatedReport d(stored(storeResult(record("Bella", QString::fromUtf8(QJsonDocument(many).toJson())))));
        chkReportPage probe;
        d.buildReportHtml(probe);
        // the same report laid out one and two report pages a sheet, as PDF files
        int pages[3] = {0, 0, 0};
        for (int perSheet : {1, 2}) {
            printTool tool(probe.paperMode);
            tool.m_title = probe.buildTitle();
            tool.m_body = probe.buildBody(probe.reportItems);
            tool.m_contact = probe.buildContact();
            tool.m_pagesPerSheet = perSheet;
            const QString file = dir.file(QStringLiteral("sheets%1.pdf").arg(perSheet));
            tool.exportPdf(file);
            QProcess info;
            info.start("pdfinfo", {file});
            info.waitForFinished(30000);
            const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(info.readAllStandardOutput()));
            QVERIFY(m.hasMatch());
            pages[perSheet] = m.captured(1).toInt();
        }
        QVERIFY2(pages[1] >= 2 && pages[2] != pages[1], qPrintable(QString("%1 %2").arg(pages[1]).arg(pages[2])));

        {
            PreviewCounter counter;
            d.on_pushButton_2_clicked();
            QCOMPARE(counter.sheets, pages[2]);
        }
        writeIni("printsetting.ini", "systemCfg/getModeSelect1", 2);
        {
            PreviewCounter counter;
            d.on_pushButton_2_clicked();
            QCOMPARE(counter.sheets, pages[1]);
        }

        // Printing with no printer to print on tells the user.
        const QByteArray printer = qgetenv("PRINTER"), lpdest = qgetenv("LPDEST");
        qputenv("PRINTER", "chemdesk-no-such-printer");
        qputenv("LPDEST", "chemdesk-no-such-printer");
        {
            MessageBoxCloser boxes;
            d.on_pushButton_clicked();
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY2(boxes.texts.at(0).contains(QStringLiteral("没有可用的打印机")), qPrintable(boxes.texts.at(0)));
        }
        qputenv("PRINTER", printer);
        qputenv("LPDEST", lpdest);
    }

    void reportRowsFromTableTexts_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("range");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("as filled") << QStringLiteral("≥60") << "3.5-5.5" << 61.0 << 3.5 << 5.5;
        QTest::newRow("typed over") << "5.2" << "" << 5.2 << 0.0 << 0.0;
        QTest::newRow("typed text") << "n/a" << "abc" << 0.0 << 0.0 << 0.0;
        QTest::newRow("negative range") << "5.2" << "-1-5" << 5.2 << -1.0 << 5.0;
        QTest::newRow("both negative") << "5.2" << "-5--1" << 5.2 << -5.0 << -1.0;
        QTest::newRow("open above") << "5.2" << "3.5-" << 5.2 << 3.5 << 0.0;
        QTest::newRow("open below") << "5.2" << "-" << 5.2 << 0.0 << 0.0;
    }
    void reportRowsFromTableTexts()
    {
        QFETCH(QString, result);
        QFETCH(QString, range);
        QFETCH(double, value);
        QFETCH(double, low);
        QFETCH(double, high);
        const ReportItem item = ConsolidatedTable::reportItem("TP", result, QStringLiteral("≥60"), 61, range, "g/L",
                                                              [](const QString& c) { return "name of " + c; });
        QCOMPARE(item.value, value);
        QCOMPARE(item.low, low);
        QCOMPARE(item.high, high);
        QCOMPARE(item.resultText, result);
        QCOMPARE(item.rangeText, range);
        QCOMPARE(item.name, QStringLiteral("name of TP"));
    }

    // A language change empties the print time label, as the form has it; without rows the
    // target column stays as the form made it.
    void printTimeLabelAndEmptyTable()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        ConsolidatedReport d(stored(storeResult(record("Bella", "[]"))));
        QCOMPARE(d.form()->tableWidget->rowCount(), 0);
        QVERIFY(!d.form()->tableWidget->isColumnHidden(3));
        QVERIFY(!d.form()->label_23->text().isEmpty());
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&d, &change);
        QCOMPARE(d.form()->label_23->text(), QString());
    }

    void ageText()
    {
        QCOMPARE(ConsolidatedTable::ageText("2", ""), QStringLiteral("2岁"));
        QCOMPARE(ConsolidatedTable::ageText("2", "3"), QStringLiteral("2岁3月"));
        QCOMPARE(ConsolidatedTable::ageText("", ""), QStringLiteral("岁"));
    }
};

QTEST_MAIN(tst_consolidatedreport)
#include "tst_consolidatedreport.moc"
