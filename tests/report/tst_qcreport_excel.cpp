#include "TestSupport.h"
#include "qcReportPage.h"
#include "qcreport_fixture.h"
#include "tst_workbook_check.h"

#include <QtTest>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QRegularExpression>

// The QC report workbook, read back with openpyxl through tools/xlsx-check.
class tst_qcreport_excel : public QObject
{
    Q_OBJECT

    static int bits(std::initializer_list<int> options) { return report_fixture::bits(options); }

    static void fillPage(qcReportPage& page, int mask)
    {
        qcreport_fixture::fillInfo(page);
        page.optionMask = mask;
        page.reportItems = qcreport_fixture::fourRows();
        page.errcodeTail = QStringLiteral("111");
    }

    static void writeSettings()
    {
        report_fixture::writeHospital(QStringLiteral("安心动物医院"));
        QImage logo(400, 100, QImage::Format_RGB32);
        logo.fill(Qt::darkCyan);
        QVERIFY(logo.save("print_logo.png"));
    }

    static QJsonObject cells(std::initializer_list<QPair<QString, QJsonValue>> list)
    {
        QJsonObject o;
        for (const auto& p : list)
            o.insert(p.first, p.second);
        return o;
    }

    static QJsonObject value(const QString& text) { return QJsonObject{{"value", text}}; }

private slots:
    void allOptionsOn()
    {
        TempWorkDir dir;
        writeSettings();
        qcReportPage page;
        fillPage(page, 0);
        QVERIFY(page.exportExcel(dir.file("all.xlsx")));
        const XlsxCheckResult r = checkWorkbookFile(dir.file("all.xlsx"), testDataDir() + "/qcreport/workbook_all_on.json");
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        const QString printed = dumpWorkbook(dir.file("all.xlsx"))["cells"].toObject()["A13"].toObject()["value"].toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^打印时间:\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$")).match(printed).hasMatch(),
                 qPrintable(printed));
    }

    // Without the number column the code moves to A and the name to B:D.
    void numberColumnOff()
    {
        TempWorkDir dir;
        writeSettings();
        qcReportPage page;
        fillPage(page, bits({8}));
        QVERIFY(page.exportExcel(dir.file("n.xlsx")));
        const QJsonArray merged = dumpWorkbook(dir.file("n.xlsx"))["merged"].toArray();
        for (const char* range : {"B5:D5", "B6:D6", "B9:D9", "H7:I7"})
            QVERIFY2(merged.contains(QString(range)), range);
        QVERIFY(!merged.contains(QString("C6:D6")));
        CHECK_WORKBOOK(dir.file("n.xlsx"),
                       (QJsonObject{{"cells", cells({{"A5", value(QStringLiteral("项目缩写"))},
                                                     {"B5", value(QStringLiteral("全称"))},
                                                     {"C5", QJsonObject{{"value", QJsonValue()}}},
                                                     {"A6", value("TP")},
                                                     {"B6", value(QStringLiteral("总蛋白"))},
                                                     {"A7", QJsonObject{{"value", "ALB"}, {"font", QJsonObject{{"color", "FFFF0000"}}}}},
                                                     {"E7", value("32.5g/L")},
                                                     {"C7", QJsonValue()}})}}));
    }

    // QC header, reviewer and lines switched off: the cells close up, the rows move up.
    void headerSignatureAndLinesOff()
    {
        TempWorkDir dir;
        writeSettings();
        qcReportPage page;
        fillPage(page, bits({1, 5, 6, 7, 10, 13, 14}));
        page.errcodeTail = QStringLiteral("000");       // no serum marks
        QVERIFY(page.exportExcel(dir.file("h.xlsx")));
        // results 6-9, closing line 10, signatures in row 11 only, band 12, contact 13 and 14
        CHECK_WORKBOOK(dir.file("h.xlsx"),
                       (QJsonObject{{"empty_rows", QJsonArray{3}},
                                    {"images", QJsonArray{QJsonObject{{"anchor", "H14"}}}},
                                    {"rows", QJsonObject{{"4", QJsonObject{{"height", 5.0}}},
                                                         {"10", QJsonObject{{"height", 5.0}}},
                                                         {"12", QJsonObject{{"height", 5.0}}}}},
                                    {"cells", cells({{"A11", value(QStringLiteral("检验者:张三"))},
                                                     {"D11", value(QStringLiteral("检验时间：2024/05/20 09:30:00"))},
                                                     {"A12", QJsonObject{{"value", QJsonValue()}, {"fill", "FF8AAAC5"}}},
                                                     {"A13", value(QStringLiteral("电话:0571-1234"))},
                                                     {"A14", value(QStringLiteral("地址:滨江路 8 号"))}})}}));
        const QString g11 = dumpWorkbook(dir.file("h.xlsx"))["cells"].toObject()["G11"].toObject()["value"].toString();
        QVERIFY2(g11.startsWith(QStringLiteral("打印时间:")), qPrintable(g11));
        const QJsonArray merged = dumpWorkbook(dir.file("h.xlsx"))["merged"].toArray();
        QVERIFY(merged.contains(QString("A1:B2")));     // kept merged without a logo
    }

    void contactVariants()
    {
        TempWorkDir dir;
        writeSettings();
        qcReportPage page;
        fillPage(page, bits({2, 4}));
        QVERIFY(page.exportExcel(dir.file("c.xlsx")));
        const QJsonArray merged = dumpWorkbook(dir.file("c.xlsx"))["merged"].toArray();
        QVERIFY(merged.contains(QString("A17:C17")));
        QVERIFY(!merged.contains(QString("D17:F17")));
        QVERIFY(!merged.contains(QString("A18:F18")));
        CHECK_WORKBOOK(dir.file("c.xlsx"),
                       (QJsonObject{{"empty_rows", QJsonArray{18}},
                                    {"images", QJsonArray{QJsonObject{{"anchor", "A1"}}, QJsonObject{{"anchor", "H18"}}}},
                                    {"cells", cells({{"A17", QJsonObject{{"value", QStringLiteral("邮箱:vet@example.org")},
                                                                         {"font", QJsonObject{{"bold", true}}}}}})}}));
    }

    // Values are written as text, never as formulas or links.
    void valuesStayText()
    {
        TempWorkDir dir;
        writeSettings();
        qcReportPage page;
        fillPage(page, 0);
        page.qcLot = QStringLiteral("=HYPERLINK(\"http://evil\",\"x\")");
        page.reportItems[0].resultText = QStringLiteral("=1+2");
        QVERIFY(page.exportExcel(dir.file("t.xlsx")));
        CHECK_WORKBOOK(dir.file("t.xlsx"),
                       (QJsonObject{{"all_strings", true},
                                    {"hyperlinks", 0},
                                    {"cells", cells({{"D3", QJsonObject{{"value", "质控批号:=HYPERLINK(\"http://evil\",\"x\")"}, {"type", "s"}}},
                                                     {"E6", QJsonObject{{"value", "=1+2g/L"}, {"type", "s"}}}})}}));
    }

    // An empty page still makes a workbook; an unwritable name is reported and an existing
    // file is replaced only by a complete one.
    void emptyReportAndFailedSave()
    {
        TempWorkDir dir;
        qcReportPage page;                      // no settings file, no rows
        QVERIFY(page.exportExcel(dir.file("e.xlsx")));
        CHECK_WORKBOOK(dir.file("e.xlsx"),
                       (QJsonObject{{"cells", cells({{"C1", QJsonValue()},
                                                     {"A3", value(QStringLiteral("质控品:质控一"))},
                                                     {"B5", value(QStringLiteral("项目缩写"))},
                                                     {"A6", QJsonObject{{"border", QJsonObject{{"top", QJsonArray{"thin", QJsonValue()}}}}}},
                                                     {"A12", value(QStringLiteral("电话:"))},
                                                     {"A13", value(QStringLiteral("地址:"))}})},
                                    {"images", QJsonArray{QJsonObject{{"anchor", "H13"}}}}}));
        QVERIFY(!page.exportExcel(dir.file("no/such/folder/e.xlsx")));
        QVERIFY(!QFile::exists(dir.file("no/such/folder/e.xlsx")));
        QVERIFY(QDir().mkdir(dir.file("isdir.xlsx")));
        QVERIFY(!page.exportExcel(dir.file("isdir.xlsx")));
    }
};

QTEST_MAIN(tst_qcreport_excel)
#include "tst_qcreport_excel.moc"
