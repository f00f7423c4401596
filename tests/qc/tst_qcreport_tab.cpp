// The QC tab's report commands over a real database: PDF, workbook, preview and print.
#include "MessageBoxCloser.h"
#include "QcReportAssembly.h"
#include "QcTestDb.h"
#include "SaveDialogAnswer.h"
#include "qcReportPage.h"
#include "tst_workbook_check.h"
#include "wgtQcReport.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>

class tst_qcreport_tab : public QObject
{
    Q_OBJECT

    QcTestDb m_db;
    const QDateTime m_day{QDate(2024, 5, 20), QTime(9, 30, 0)};

    static QString analytes()
    {
        QJsonArray a;
        a.append(QJsonObject{{"N", "TP"}, {"I", QJsonArray{65.0, 0, 0, 60.0, 120, "g/L"}}});
        a.append(QJsonObject{{"N", "ALB"}, {"I", QJsonArray{32.5, 0, 0, 25.0, 60, "g/L"}}});
        a.append(QJsonObject{{"N", "GLU"}, {"I", QJsonArray{5.6, 0, 0, 5.5, 30, "mmol/L"}}});
        return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact));
    }

    static QTableView* view(wgtQcReport& w, const char* name) { return w.findChild<QTableView*>(name); }

    static void setCheck(QTableView* v, int row, int column, bool on)
    {
        v->model()->setData(v->model()->index(row, column), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    }

    static void writeIni(const QString& file, const QString& key, const QVariant& value)
    {
        QDir().mkpath("saveFile");
        QSettings s("./saveFile/" + file, QSettings::IniFormat);
        s.setIniCodec("UTF8");
        s.setValue(key, value);
    }

    static void setResult(int id, const QString& text)
    {
        QSqlQuery q(QSqlDatabase::database());
        q.prepare("update PanelQcResult set result = ? where id = ?");
        q.addBindValue(text);
        q.addBindValue(id);
        QVERIFY(q.exec());
    }

    // Exports the selected result's PDF through the tab and returns pdftotext's text as is.
    static QString exportPdf(wgtQcReport& w, const QString& file)
    {
        SaveDialogAnswer answer(file);
        MessageBoxCloser boxes;
        QMetaObject::invokeMethod(&w, "on_pushButton_printpdf_clicked");
        if (!boxes.texts.isEmpty() || answer.filter != QStringLiteral("Text Files (*.pdf)"))
            return QStringLiteral("<failed: %1 %2>").arg(boxes.texts.join('|'), answer.filter);
        return pdfText(file);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils missing");
        QVERIFY(m_db.setUp());
    }

    void init()
    {
        QcTestDb::clear();
        QFile::remove("./saveFile/printsetting.ini");
        QFile::remove("./saveFile/hospital.ini");
        writeIni("hospital.ini", "systemCfg/hospital", QStringLiteral("安心动物医院"));
    }

    void pdfHoldsTheReport_data()
    {
        QTest::addColumn<QVariant>("paper");
        QTest::addColumn<QString>("size");
        QTest::newRow("default_a4") << QVariant() << "A4";
        QTest::newRow("a5_landscape") << QVariant(1) << "A5";
        QTest::newRow("a4") << QVariant(2) << "A4";
    }

    void pdfHoldsTheReport()
    {
        QFETCH(QVariant, paper);
        QFETCH(QString, size);
        if (paper.isValid())
            writeIni("printsetting.ini", "systemCfg/QcPaper", paper);
        writeIni("printsetting.ini", "systemCfg/QcCustomText", QStringLiteral("Checked daily"));
        QcTestDb::insert(0, "L-OLD", "", "QV1", m_day.addDays(-1), analytes());
        QcTestDb::insert(1, "L-2024-7", QStringLiteral("内科"), "QV7", m_day, analytes());
        wgtQcReport w;
        view(w, "tableWidget_qc")->selectRow(0);       // the newest: L-2024-7
        const QString file = QDir::current().filePath(QStringLiteral("qc_%1.pdf").arg(QTest::currentDataTag()));
        const QString text = exportPdf(w, file);
        for (const char* part : {"生化分析仪质控报告单", "安心动物医院", "质控品:质控二", "质控批号:L-2024-7",
                                 "科室:内科", "TP", "ALB", "GLU", "65", "32.5", "5.6", "50-70", "20-30",
                                 "序列号:QV7", "Checked daily"})
            QVERIFY2(text.contains(QString::fromUtf8(part)), qPrintable(QString::fromUtf8(part) + " missing in:\n" + text));
        QVERIFY(!text.contains("L-OLD"));
        // the page footer "1 / 1" (the PDF text keeps no blanks around the slash)
        QVERIFY2(QRegularExpression("^1 ?/ ?1$", QRegularExpression::MultilineOption).match(text).hasMatch(),
                 qPrintable(text));
        const QString info = runProgram("pdfinfo", {file});
        QVERIFY2(info.contains("(" + size + ")"), qPrintable(info));
        const QRegularExpressionMatch m = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+)").match(info);
        QVERIFY(m.hasMatch());
        QCOMPARE(m.captured(1).toDouble() > m.captured(2).toDouble(), size == "A5");
        QVERIFY(info.contains("Pages:           1"));
        if (!qEnvironmentVariableIsEmpty("CHEMDESK_KEEP_PDF"))
            QFile::copy(file, qEnvironmentVariable("CHEMDESK_KEEP_PDF") + QTest::currentDataTag() + ".pdf");
    }

    // Options, unit system, QC limits and the ticked analytes all reach the report.
    void settingsAndTicksShapeTheReport()
    {
        writeIni("printsetting.ini", "systemCfg/QcOptEnable", (1 << 6) | (1 << 13));   // no lot, no serial
        writeIni("printsetting.ini", "systemCfg/QcChart", 1);                          // arrow layout
        writeIni("hospital.ini", "systemCfg/getModeSelect", 1);                        // conventional units
        QcTestDb::insert(1, "L-2024-7", QStringLiteral("内科"), "QV7", m_day, analytes());
        wgtQcReport w;
        view(w, "tableWidget_qc")->selectRow(0);
        QTableView* detail = view(w, "tableWidget_detail");
        setCheck(detail, 2, wgtQcReport::DetCheck, false);                             // GLU unticked
        const QString text = exportPdf(w, QDir::current().filePath("opts.pdf"));
        QVERIFY2(text.contains(QStringLiteral("提示")), qPrintable(text));             // arrow layout header
        QVERIFY(!text.contains(QStringLiteral("质控批号")));
        QVERIFY(!text.contains(QStringLiteral("序列号")));
        QVERIFY(text.contains(QStringLiteral("3.25")));       // ALB 32.5 g/L in g/dL
        QVERIFY(text.contains(QStringLiteral("2.00-3.00")));  // its QC limits 20-30 g/L
        QVERIFY(text.contains(QStringLiteral("g/dL")));
        QVERIFY(text.contains(QStringLiteral("↑")));
        QVERIFY(!text.contains(QStringLiteral("GLU")));

        // the page as the tab fills it
        qcReportPage page;
        QVERIFY(w.buildQcReport(page, {}, QString()));
        QCOMPARE(page.optionMask, (1 << 6) | (1 << 13));
        QCOMPARE(page.chartMode, false);
        QCOMPARE(page.paperMode, 2);
        QCOMPARE(page.fontSize, 12);
        QCOMPARE(page.qcProduct, 1);
        QCOMPARE(page.testTime, QStringLiteral("2024/05/20 09:30:00"));
        QCOMPARE(page.errcodeTail, QStringLiteral("001"));
        QCOMPARE(page.reportItems.size(), 3);
        QCOMPARE(page.reportItems.at(1).target, QStringLiteral("2.50"));
        QCOMPARE(page.reportItems.at(0).rangeText, QStringLiteral("5.00-7.00"));    // TP 50-70 g/L
        QCOMPARE(page.reportItems.at(2).rangeText, QStringLiteral("0-0"));          // GLU: no QC limits
        QCOMPARE(page.reportItems.at(0).resultText, QStringLiteral("6.50"));
    }

    // Entry 3 of a QC run is its target: a value below it is printed as measured, not as a
    // lower-limit text; the upper measuring limit still gives "≥".
    void rowsKeepTheMeasuredValue()
    {
        QJsonArray a;
        a.append(QJsonObject{{"N", "CRE"}, {"I", QJsonArray{80.0, 0, 0, 90.0, 2000, "umol/L"}}});
        a.append(QJsonObject{{"N", "ALT"}, {"I", QJsonArray{1200.0, 0, 0, 60.0, 1000, "U/L"}}});
        a.append(QJsonObject{{"N", "AST"}, {"I", QJsonArray{1200.0, 0, 0, 60.0, 1000, "U/L"}}, {"addType", 1}});
        const QVector<ReportItem> rows = QcReportAssembly::reportRows(
            a, {}, 0, [](const QString& code) { return code == "CRE" ? QVector<double>{85, 95} : QVector<double>(); },
            nullptr);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).resultText, QStringLiteral("80"));
        QCOMPARE(rows.at(0).target, QStringLiteral("90"));
        QCOMPARE(rows.at(0).rangeText, QStringLiteral("85-95"));
        QVERIFY(rows.at(0).value < rows.at(0).low);                 // printed below its QC range
        QCOMPARE(rows.at(1).resultText, QStringLiteral("≥1000"));
        QCOMPARE(rows.at(1).value, 1200.0);
        QCOMPARE(rows.at(2).resultText, QStringLiteral("1200"));    // added by hand: no limit text
        // only the ticked codes
        QCOMPARE(QcReportAssembly::reportRows(a, {"ALT"}, 0, nullptr, nullptr).size(), 1);

        // A failed measurement (-1000, or below the analyte's tolerance) is "---"; a value at the
        // tolerance is printed as measured.
        QJsonArray f;
        f.append(QJsonObject{{"N", "GLU"}, {"I", QJsonArray{-1000.0, 0, 0, 5.5, 30, "mmol/L"}}});
        f.append(QJsonObject{{"N", "TBIL"}, {"I", QJsonArray{-2.5, 0, 0, 10.0, 500, "umol/L"}}});
        f.append(QJsonObject{{"N", "TBIL"}, {"I", QJsonArray{-2.0, 0, 0, 10.0, 500, "umol/L"}}});
        f.append(QJsonObject{{"N", "GLU"}, {"I", QJsonArray{-1000.0, 0, 0, 5.5, 30, "mmol/L"}}, {"addType", 1}});
        const QVector<ReportItem> failed = QcReportAssembly::reportRows(f, {}, 0, nullptr, nullptr);
        QCOMPARE(failed.at(0).resultText, QStringLiteral("---"));
        QCOMPARE(failed.at(1).resultText, QStringLiteral("---"));
        QCOMPARE(failed.at(2).resultText, QStringLiteral("-2"));
        QCOMPARE(failed.at(3).resultText, QStringLiteral("-1000"));   // added by hand: as typed
        // In conventional units -1000 stays unconverted; the tolerance is compared with the shown
        // value (TBIL -2.5 umol/L shows as -0.15 mg/dL).
        const QVector<ReportItem> conventional = QcReportAssembly::reportRows(f, {}, 1, nullptr, nullptr);
        QCOMPARE(conventional.at(0).resultText, QStringLiteral("---"));
        QCOMPARE(conventional.at(1).resultText, QStringLiteral("-0.15"));
    }

    // The failed analyte reads "---" in the PDF and the workbook of the tab.
    void failedAnalytePrintsDashes()
    {
        QJsonArray a;
        a.append(QJsonObject{{"N", "GLU"}, {"I", QJsonArray{-1000.0, 3.0, 7.0, 5.5, 30, "mmol/L"}}});
        a.append(QJsonObject{{"N", "ALB"}, {"I", QJsonArray{32.5, 0, 0, 25.0, 60, "g/L"}}});
        QcTestDb::insert(0, "L-F", "", "QV7", m_day, QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact)));
        wgtQcReport w;
        view(w, "tableWidget_qc")->selectRow(0);
        const QString pdf = QDir::current().filePath("failed.pdf");
        const QString text = exportPdf(w, pdf);
        QVERIFY2(text.contains("---") && !text.contains("-1000") && text.contains("32.5"), qPrintable(text));
        // CHEMDESK_SHOT=<prefix> keeps the first page as a picture.
        if (qEnvironmentVariableIsSet("CHEMDESK_SHOT"))
            runProgram("pdftoppm", {"-png", "-r", "80", "-f", "1", "-l", "1", pdf, qEnvironmentVariable("CHEMDESK_SHOT")});
        const QString file = QDir::current().filePath("failed.xlsx");
        {
            SaveDialogAnswer answer(file);
            MessageBoxCloser boxes;
            QMetaObject::invokeMethod(&w, "on_pushButton_printexcel_clicked");
            QCOMPARE(boxes.texts, QStringList());
        }
        CHECK_WORKBOOK(file, (QJsonObject{{"cells", QJsonObject{{"B6", QJsonObject{{"value", "GLU"}}},
                                                                {"E6", QJsonObject{{"value", "---mmol/L"}}},
                                                                {"E7", QJsonObject{{"value", "32.5g/L"}}}}}}));
    }

    // Printing with no printer to print on tells the user.
    void printingWithoutPrinterTellsTheUser()
    {
        qputenv("PRINTER", "chemdesk-no-such-printer");
        qputenv("LPDEST", "chemdesk-no-such-printer");
        QcTestDb::insert(0, "L1", "", "QV7", m_day, analytes());
        QcTestDb::insert(0, "L2", "", "QV7", m_day.addDays(1), analytes());
        wgtQcReport w;
        setCheck(view(w, "tableWidget_qc"), 0, wgtQcReport::ColCheck, true);
        setCheck(view(w, "tableWidget_qc"), 1, wgtQcReport::ColCheck, true);
        MessageBoxCloser boxes;
        QMetaObject::invokeMethod(&w, "on_pushButton_print_clicked");
        QCOMPARE(boxes.texts.size(), 2);   // once, not once per report
        QCOMPARE(boxes.texts.at(0), QStringLiteral("确认打印吗？"));
        QVERIFY2(boxes.texts.at(1).contains(QStringLiteral("没有可用的打印机")), qPrintable(boxes.texts.at(1)));
    }

    void workbookFromTheTab()
    {
        QcTestDb::insert(0, "=1+2", QStringLiteral("内科"), "QV7", m_day, analytes());
        wgtQcReport w;
        view(w, "tableWidget_qc")->selectRow(0);
        const QString file = QDir::current().filePath("qc.xlsx");
        {
            SaveDialogAnswer answer(QDir::current().filePath("qc"));   // ".xlsx" added
            MessageBoxCloser boxes;
            QMetaObject::invokeMethod(&w, "on_pushButton_printexcel_clicked");
            QCOMPARE(boxes.texts, QStringList());
            QCOMPARE(answer.filter, QStringLiteral("Text Files (*.xlsx)"));
            QCOMPARE(answer.caption, QStringLiteral("Save Text"));
        }
        CHECK_WORKBOOK(file, (QJsonObject{{"all_strings", true},
                                          {"cells", QJsonObject{{"C1", QJsonObject{{"value", QStringLiteral("安心动物医院")}}},
                                                                {"A3", QJsonObject{{"value", QStringLiteral("质控品:质控一")}}},
                                                                {"D3", QJsonObject{{"value", QStringLiteral("质控批号:=1+2")}}},
                                                                {"B7", QJsonObject{{"value", "ALB"}, {"font", QJsonObject{{"color", "FFFF0000"}}}}},
                                                                {"E7", QJsonObject{{"value", "32.5g/L"}}},
                                                                {"F7", QJsonObject{{"value", "25"}}},
                                                                {"G7", QJsonObject{{"value", QStringLiteral("↑")}}},
                                                                {"H7", QJsonObject{{"value", "20-30"}}}}}}));
    }

    void commandsReportWhatCannotBeDone()
    {
        const int id = QcTestDb::insert(0, "L1", "", "QV7", m_day, analytes());
        wgtQcReport w;
        // nothing selected
        for (const char* slot : {"on_pushButton_printpdf_clicked", "on_pushButton_printexcel_clicked",
                                 "on_pushButton_printview_clicked"}) {
            SaveDialogAnswer answer(QDir::current().filePath("none.pdf"));
            MessageBoxCloser boxes;
            QMetaObject::invokeMethod(&w, slot);
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("请选择一条质控记录")});
            QVERIFY(!answer.answered);
        }
        view(w, "tableWidget_qc")->selectRow(0);
        // a file that cannot be written
        for (const char* name : {"missing/folder/r.pdf", "missing/folder/r.xlsx"}) {
            SaveDialogAnswer answer(QDir::current().filePath(name));
            MessageBoxCloser boxes;
            QMetaObject::invokeMethod(&w, QString(name).endsWith("pdf") ? "on_pushButton_printpdf_clicked"
                                                                         : "on_pushButton_printexcel_clicked");
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY2(boxes.texts.first().startsWith(QStringLiteral("文件无法写入")), qPrintable(boxes.texts.first()));
        }
        // an existing file is replaced only by a complete report
        QFile old("old.pdf");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(exportPdf(w, QDir::current().filePath("old.pdf")).contains("L1"));
        // a cancelled dialog writes nothing and says nothing
        {
            SaveDialogAnswer answer{QString()};
            MessageBoxCloser boxes;
            QMetaObject::invokeMethod(&w, "on_pushButton_printpdf_clicked");
            QVERIFY(answer.answered);
            QCOMPARE(boxes.texts, QStringList());
        }
        // a result whose analytes cannot be read gives a message and no file
        setResult(id, "{broken");
        for (const char* name : {"bad.pdf", "bad.xlsx"}) {
            SaveDialogAnswer answer(QDir::current().filePath(name));
            MessageBoxCloser boxes;
            QMetaObject::invokeMethod(&w, QString(name).endsWith("pdf") ? "on_pushButton_printpdf_clicked"
                                                                         : "on_pushButton_printexcel_clicked");
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("该结果无法读取，未生成报告")});
            QVERIFY(!QFile::exists(name));
        }
        {
            MessageBoxCloser boxes;
            QMetaObject::invokeMethod(&w, "on_pushButton_printview_clicked");
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("该结果无法读取，未生成报告")});
        }
        // print: nothing ticked gives the hint; an unreadable ticked result is named
        {
            MessageBoxCloser boxes;
            QMetaObject::invokeMethod(&w, "on_pushButton_print_clicked");
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("请勾选打印报告")});
        }
        setCheck(view(w, "tableWidget_qc"), 0, wgtQcReport::ColCheck, true);
        {
            MessageBoxCloser boxes;
            QMetaObject::invokeMethod(&w, "on_pushButton_print_clicked");
            QCOMPARE(boxes.texts.size(), 2);
            QCOMPARE(boxes.texts.at(0), QStringLiteral("确认打印吗？"));
            QVERIFY(boxes.texts.at(1).contains(QString::number(id)));
        }
        // a result that is gone: the page keeps what it had
        qcReportPage page;
        page.qcLot = "kept";
        QVERIFY(!w.buildQcReport(page, {}, QString::number(id + 1000)));
        QCOMPARE(page.qcLot, QStringLiteral("kept"));
        QVERIFY(page.reportItems.isEmpty());
        QVERIFY(!w.buildQcReport(page, {}, QStringLiteral("x")));
    }
};

QTEST_MAIN(tst_qcreport_tab)
#include "tst_qcreport_tab.moc"
