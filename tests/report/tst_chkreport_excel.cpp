#include "TestSupport.h"
#include "chkReportPage.h"
#include "report_fixture.h"
#include "tst_workbook_check.h"

#include <QtTest>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSettings>

// The test report workbook, read back with openpyxl through tools/xlsx-check.
class tst_chkreport_excel : public QObject
{
    Q_OBJECT

    static int bits(std::initializer_list<int> options) { return report_fixture::bits(options); }

    static ReportItem item(const QString& code, const QString& name, double value, double low, double high,
                           const QString& result, const QString& unit, double upper = 0)
    {
        return report_fixture::item(code, name, value, low, high, result, unit, upper);
    }

    static void fillPage(chkReportPage& page, int mask)
    {
        report_fixture::fillPatient(page);
        page.optionMask = mask;
        page.reportItems = {item("ALB", "白蛋白", 35, 25, 40, "35", "g/L"),
                            item("ALT", "丙氨酸氨基转移酶", 130.5, 10, 100, "130.5", "U/L"),
                            item("GLU", "葡萄糖", 3.2, 3.9, 6.1, "3.2", "mmol/L")};
        page.errcodeTail = QStringLiteral("111");
    }

    static void writeSettings(const QString& hospital)
    {
        report_fixture::writeHospital(hospital);
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

private slots:
    void allOptionsOn()
    {
        TempWorkDir dir;
        writeSettings(QStringLiteral("安心动物医院"));
        chkReportPage page;
        fillPage(page, 0);
        QVERIFY(page.exportExcel(dir.file("all.xlsx")));
        const XlsxCheckResult r = checkWorkbookFile(dir.file("all.xlsx"), testDataDir() + "/testreport/workbook_all_on.json");
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        const QString printed = dumpWorkbook(dir.file("all.xlsx"))["cells"].toObject()["G14"].toObject()["value"].toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^打印时间:\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$")).match(printed).hasMatch(),
                 qPrintable(printed));
    }

    void numberColumnOff()
    {
        TempWorkDir dir;
        writeSettings(QStringLiteral("安心动物医院"));
        chkReportPage page;
        fillPage(page, bits({14}));
        QVERIFY(page.exportExcel(dir.file("n.xlsx")));
        const QJsonObject dump = dumpWorkbook(dir.file("n.xlsx"));
        const QJsonArray merged = dump["merged"].toArray();
        for (const char* range : {"B7:D7", "B8:D8", "B10:D10", "E8:F8", "H9:I9"})
            QVERIFY2(merged.contains(QString(range)), range);
        QVERIFY(!merged.contains(QString("C8:D8")));
        CHECK_WORKBOOK(dir.file("n.xlsx"),
                       (QJsonObject{{"cells", cells({{"A7", QJsonObject{{"value", QStringLiteral("项目缩写")}}},
                                                     {"B7", QJsonObject{{"value", QStringLiteral("全称")}}},
                                                     {"C7", QJsonValue()},
                                                     {"A8", QJsonObject{{"value", "ALB"}}},
                                                     {"B8", QJsonObject{{"value", QStringLiteral("白蛋白")}}},
                                                     {"A9", QJsonObject{{"value", "ALT"},
                                                                        {"font", QJsonObject{{"color", "FFFF0000"}}}}},
                                                     {"E9", QJsonObject{{"value", "130.5U/L"}}},
                                                     {"C9", QJsonValue()}})}}));
    }

    void headingFieldsOff()
    {
        TempWorkDir dir;
        writeSettings(QStringLiteral("安心动物医院"));
        chkReportPage page;
        fillPage(page, bits({5, 6, 7, 8, 9, 10, 11, 12, 13}));
        QVERIFY(page.exportExcel(dir.file("h.xlsx")));
        CHECK_WORKBOOK(dir.file("h.xlsx"),
                       (QJsonObject{{"empty_rows", QJsonArray{3}},
                                    {"rows", QJsonObject{{"4", QJsonObject{{"height", 5.0}}}}},
                                    {"cells", cells({{"A4", QJsonObject{{"fill", "FF8AAAC5"}}},
                                                     {"B5", QJsonObject{{"value", QStringLiteral("项目缩写")}}}})}}));
        // some of the grid switched off: the others move up
        chkReportPage part;
        fillPage(part, bits({5, 7}));
        QVERIFY(part.exportExcel(dir.file("p.xlsx")));
        CHECK_WORKBOOK(dir.file("p.xlsx"),
                       (QJsonObject{{"cells", cells({{"A3", QJsonObject{{"value", QStringLiteral("患者编号：P-001")}}},
                                                     {"D3", QJsonObject{{"value", QStringLiteral("样本类型：血清")}}},
                                                     {"G4", QJsonObject{{"value", QStringLiteral("生日：2023-01-15")}}},
                                                     {"A5", QJsonObject{{"value", QStringLiteral("采样时间：2024/03/01 08:30:00")}}}})},
                                    {"rows", QJsonObject{{"6", QJsonObject{{"height", 5.0}}}}}}));
    }

    void contactVariants()
    {
        TempWorkDir dir;
        writeSettings(QStringLiteral("安心动物医院"));
        chkReportPage page;
        fillPage(page, bits({2, 4}));
        QVERIFY(page.exportExcel(dir.file("c.xlsx")));
        const QJsonObject dump = dumpWorkbook(dir.file("c.xlsx"));
        const QJsonArray merged = dump["merged"].toArray();
        QVERIFY(merged.contains(QString("A20:C20")));
        QVERIFY(!merged.contains(QString("D20:F20")));
        QVERIFY(!merged.contains(QString("A21:F21")));
        CHECK_WORKBOOK(dir.file("c.xlsx"),
                       (QJsonObject{{"empty_rows", QJsonArray{21}},
                                    {"images", QJsonArray{QJsonObject{{"anchor", "A1"}}, QJsonObject{{"anchor", "H21"}}}},
                                    {"cells", cells({{"A20", QJsonObject{{"value", QStringLiteral("邮箱:vet@example.org")},
                                                                         {"font", QJsonObject{{"bold", true}}}}}})}}));
    }

    void closingLinesAndLogoOff()
    {
        TempWorkDir dir;
        writeSettings(QStringLiteral("安心动物医院"));
        chkReportPage page;
        fillPage(page, bits({1, 15, 16, 17, 18, 19, 20, 21, 23}));
        page.errcodeTail = QStringLiteral("000");      // no serum index cells
        page.reportItems.append(item("TP", "总蛋白", 60, 0, 0, "60", "g/L"));
        QVERIFY(page.exportExcel(dir.file("l.xlsx")));
        // results in rows 8-11, rule 12, no serum line; the people block writes nothing and
        // leaves row 13 empty, so the serial number comes in row 14
        CHECK_WORKBOOK(dir.file("l.xlsx"),
                       (QJsonObject{{"images", QJsonArray{QJsonObject{{"anchor", "H18"}}}},
                                    {"empty_rows", QJsonArray{13}},
                                    {"rows", QJsonObject{{"12", QJsonObject{{"height", 5.0}}},
                                                         {"16", QJsonObject{{"height", 5.0}}}}},
                                    {"cells", cells({{"A11", QJsonObject{{"value", "4"}, {"font", QJsonObject{{"color", QJsonValue()}}}}},
                                                     {"G11", QJsonValue()},
                                                     {"H11", QJsonValue()},
                                                     {"A14", QJsonObject{{"value", QStringLiteral("序列号:QV100200")}}},
                                                     {"A15", QJsonObject{{"value", QStringLiteral("<b>自定义</b>说明")}}},
                                                     {"A17", QJsonObject{{"value", QStringLiteral("电话:0571-1234")}}}})}}));
        const QJsonArray merged = dumpWorkbook(dir.file("l.xlsx"))["merged"].toArray();
        QVERIFY(merged.contains(QString("A1:B2")));       // kept merged without a logo
        QVERIFY(merged.contains(QString("A14:C14")));
        QVERIFY(merged.contains(QString("A15:H15")));
    }

    void valuesStayText()
    {
        TempWorkDir dir;
        writeSettings(QStringLiteral("=HYPERLINK(\"http://evil\",\"x\")"));
        chkReportPage page;
        fillPage(page, 0);
        page.patientInfo.patientName = QStringLiteral("=1+2");
        page.reportItems[0].resultText = QStringLiteral("=SUM(A1:A3)");
        QVERIFY(page.exportExcel(dir.file("t.xlsx")));
        CHECK_WORKBOOK(dir.file("t.xlsx"),
                       (QJsonObject{{"all_strings", true},
                                    {"hyperlinks", 0},
                                    {"cells", cells({{"C1", QJsonObject{{"value", "=HYPERLINK(\"http://evil\",\"x\")"}, {"type", "s"}}},
                                                     {"G3", QJsonObject{{"value", QStringLiteral("姓名：=1+2")}}},
                                                     {"E8", QJsonObject{{"value", "=SUM(A1:A3)g/L"}, {"type", "s"}}}})}}));
    }

    void emptyReportAndFailedSave()
    {
        TempWorkDir dir;
        chkReportPage page;                      // no settings file, no rows
        page.optionMask = 0;
        QVERIFY(page.exportExcel(dir.file("e.xlsx")));
        CHECK_WORKBOOK(dir.file("e.xlsx"),
                       (QJsonObject{{"cells", cells({{"C1", QJsonValue()},
                                                     {"B7", QJsonObject{{"value", QStringLiteral("项目缩写")}}},
                                                     {"A8", QJsonObject{{"border", QJsonObject{{"top", QJsonArray{"thin", QJsonValue()}}}}}},
                                                     {"A16", QJsonObject{{"value", QStringLiteral("电话:")}}}})},
                                    {"images", QJsonArray{QJsonObject{{"anchor", "H17"}}}}}));
        QVERIFY(!page.exportExcel(dir.file("no/such/folder/e.xlsx")));
        QVERIFY(!QFile::exists(dir.file("no/such/folder/e.xlsx")));
    }
};

QTEST_MAIN(tst_chkreport_excel)
#include "tst_chkreport_excel.moc"
