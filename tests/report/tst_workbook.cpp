#include "TestSupport.h"
#include "XlsxDocument.h"
#include "printHtml.h"
#include "tst_workbook_check.h"

#include <QtTest>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <climits>

// The workbook adapter, read back through openpyxl.
class tst_workbook : public QObject
{
    Q_OBJECT

    static XlsxFormat baseFormat() { return printHtml::workbookBaseFormat(); }

private slots:
    void valuesAreLiteralStrings()
    {
        TempWorkDir dir;
        XlsxDocument doc;
        QVERIFY(doc.write("A1", QStringLiteral("=HYPERLINK(\"http://x\",\"y\")")));
        QVERIFY(doc.write("A2", QStringLiteral("=1+1")));
        QVERIFY(doc.write("A3", 12.5));           // a number is still written as text
        QVERIFY(doc.write("A4", QStringLiteral("http://example.org")));
        QVERIFY(doc.write("A5", QStringLiteral("诊所 <b>&amp;</b> \"x\"")));
        QVERIFY(doc.write("B1", QStringLiteral("0012")));
        const QString file = dir.file("lit.xlsx");
        QVERIFY2(doc.saveAs(file), qPrintable(doc.errorString()));

        QJsonObject cells{
            {"A1", QJsonObject{{"value", "=HYPERLINK(\"http://x\",\"y\")"}, {"type", "s"}}},
            {"A2", QJsonObject{{"value", "=1+1"}, {"type", "s"}}},
            {"A3", QJsonObject{{"value", "12.5"}, {"type", "s"}}},
            {"A4", QJsonObject{{"value", "http://example.org"}, {"type", "s"}}},
            {"A5", QJsonObject{{"value", QStringLiteral("诊所 <b>&amp;</b> \"x\"")}}},
            {"B1", QJsonObject{{"value", "0012"}}},
        };
        CHECK_WORKBOOK(file, (QJsonObject{{"cells", cells}, {"all_strings", true}, {"hyperlinks", 0}}));
    }

    // Text blocks of the report pages: three blocks a row, a switched-off cell gives up its
    // place, and -1 tests bit 31 like any other option number.
    void mergedCellRows()
    {
        TempWorkDir dir;
        printHtml page;
        page.optionMask = (1 << 6) | INT_MIN;  // option 6 and bit 31 off
        const QVector<HtmlCell> cells{HtmlCell(5, "a"),  HtmlCell(6, "off"), HtmlCell(7, "b"),
                                      HtmlCell(-1, "bit 31"), HtmlCell(8, "c"), HtmlCell(9, "d"),
                                      HtmlCell(10, "e")};
        XlsxDocument doc;
        QCOMPARE(page.writeMergedCell(4, cells, 3, &doc), 6);
        QCOMPARE(doc.mergedRanges(), QStringList({"A4:C4", "D4:F4", "G4:I4", "A5:C5", "D5:F5"}));
        // Nothing shown: nothing written, the next row is row + 1.
        QCOMPARE(page.writeMergedCell(8, {HtmlCell(6, "off")}, 3, &doc), 9);
        QCOMPARE(page.writeMergedCell(9, {}, 3, &doc), 10);
        page.optionMask = 0;
        QCOMPARE(page.writeMergedCell(10, {HtmlCell(-1, "shown")}, 3, &doc), 11);

        const QString file = dir.file("blocks.xlsx");
        QVERIFY(doc.saveAs(file));
        const QJsonObject block{{"font", QJsonObject{{"name", "SimHei"}, {"size", 10}}},
                                {"align", QJsonObject{{"h", "left"}, {"v", "top"}, {"wrap", true}}}};
        QJsonObject a = block;
        a.insert("value", "a");
        CHECK_WORKBOOK(file, (QJsonObject{
            {"merged", QJsonArray{"A4:C4", "D4:F4", "G4:I4", "A5:C5", "D5:F5", "A10:C10"}},
            {"cells", QJsonObject{{"A4", a}, {"C4", block},
                                  {"D4", QJsonObject{{"value", "b"}}},
                                  {"G4", QJsonObject{{"value", "c"}}},
                                  {"A5", QJsonObject{{"value", "d"}}},
                                  {"D5", QJsonObject{{"value", "e"}}},
                                  {"G5", QJsonValue()}, {"A8", QJsonValue()},
                                  {"A10", QJsonObject{{"value", "shown"}}}}}}));
    }

    void layoutFormatsAndImages()
    {
        TempWorkDir dir;
        XlsxDocument doc;
        doc.setGridLinesVisible(false);
        const XlsxFormat base = baseFormat();
        QVERIFY(doc.setColumnWidth(1, 9, 10.5));
        QVERIFY(doc.setColumnFormat(1, 9, base));

        XlsxFormat title = base;
        title.setHorizontalAlignment(XlsxFormat::AlignHCenter);
        title.setFontSize(base.fontSize() * 2);
        title.setFontBold(true);
        title.setFontColor(QColor(138, 170, 197));
        QVERIFY(doc.write("C1", QStringLiteral("诊所"), XlsxFormat()));
        QVERIFY(doc.mergeCells("C1:G1", title));

        XlsxFormat sepLeft;
        sepLeft.setPatternBackgroundColor(QColor(138, 170, 197));
        QVERIFY(doc.mergeCells("A6:C6", sepLeft));
        XlsxFormat sepRight = sepLeft;
        sepRight.setPatternBackgroundColor(QColor(128, 128, 128));
        sepRight.setLeftBorderStyle(XlsxFormat::BorderThick);
        sepRight.setLeftBorderColor(Qt::white);
        QVERIFY(doc.mergeCells("D6:I6", sepRight));
        QVERIFY(doc.setRowHeight(6, 6, 5.0));

        XlsxFormat head = base;
        head.setBottomBorderStyle(XlsxFormat::BorderThin);
        QVERIFY(doc.write("D7", QString(), head));
        XlsxFormat rule = base;
        rule.setTopBorderStyle(XlsxFormat::BorderThin);
        QVERIFY(doc.mergeCells("A8:I8", rule));
        XlsxFormat italic = base;
        italic.setFontItalic(true);
        QVERIFY(doc.write("A9", QStringLiteral("斜体"), italic));
        QVERIFY(doc.write("A10", QStringLiteral("plain")));   // no format: the column format

        QImage wide(120, 24, QImage::Format_ARGB32);
        wide.fill(Qt::red);
        QVERIFY(doc.insertImage(0, 0, wide));
        QImage logo(120, 30, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        QVERIFY(doc.insertImage(20, 7, logo));
        QVERIFY(!doc.insertImage(1, 1, QImage()));           // a null image is not inserted

        const QString file = dir.file("layout.xlsx");
        QVERIFY2(doc.saveAs(file), qPrintable(doc.errorString()));

        QJsonObject cells{
            {"C1", QJsonObject{{"value", QStringLiteral("诊所")},
                               {"font", QJsonObject{{"name", "SimHei"}, {"size", 20}, {"bold", true},
                                                    {"color", "FF8AAAC5"}}},
                               {"align", QJsonObject{{"h", "center"}, {"v", "top"}, {"wrap", true}}}}},
            {"G1", QJsonObject{{"font", QJsonObject{{"size", 20}, {"bold", true}}}}},
            {"A6", QJsonObject{{"fill", "FF8AAAC5"}}},
            {"C6", QJsonObject{{"fill", "FF8AAAC5"}}},
            {"D6", QJsonObject{{"fill", "FF808080"},
                               {"border", QJsonObject{{"left", QJsonArray{"thick", "FFFFFFFF"}}}}}},
            {"D7", QJsonObject{{"border", QJsonObject{{"bottom", QJsonArray{"thin", QJsonValue()}}}}}},
            {"E8", QJsonObject{{"border", QJsonObject{{"top", QJsonArray{"thin", QJsonValue()}}}}}},
            {"A9", QJsonObject{{"font", QJsonObject{{"italic", true}, {"bold", false}, {"size", 10}}}}},
            {"A10", QJsonObject{{"value", "plain"},
                                {"font", QJsonObject{{"name", "SimHei"}, {"size", 10}}}}},
        };
        QJsonObject columns;
        for (char c = 'A'; c <= 'I'; ++c)
            columns.insert(QString(QChar(c)), QJsonObject{{"width", 10.5}});
        QJsonObject expect{
            {"gridlines", false},
            {"merged", QJsonArray{"A6:C6", "A8:I8", "C1:G1", "D6:I6"}},
            {"rows", QJsonObject{{"6", QJsonObject{{"height", 5.0}}}}},
            {"columns", columns},
            {"cells", cells},
            {"images", QJsonArray{QJsonObject{{"anchor", "A1"}, {"width", 120}, {"height", 24}},
                                  QJsonObject{{"anchor", "H21"}, {"width", 120}, {"height", 30}}}},
        };
        CHECK_WORKBOOK(file, expect);
    }

    // A value written with an empty format keeps the format of its merged block; a later merge
    // gives the block's format to a cell written earlier.
    void emptyFormatKeepsCellFormat()
    {
        XlsxDocument doc;
        XlsxFormat contact = baseFormat();
        contact.setFontBold(true);
        QVERIFY(doc.write("A20", QStringLiteral("电话:1")));
        QCOMPARE(doc.cellFormat("A20"), XlsxFormat());
        QVERIFY(doc.mergeCells("A20:C20", contact));
        QCOMPARE(doc.cellFormat("A20"), contact);
        QCOMPARE(doc.cellFormat("C20"), contact);
        QVERIFY(doc.write("A20", QStringLiteral("电话:2")));
        QCOMPARE(doc.cellFormat("A20"), contact);
        QCOMPARE(doc.read("A20"), QStringLiteral("电话:2"));
        // a merge with the empty format changes no cell format
        QVERIFY(doc.mergeCells("A21:C21"));
        QCOMPARE(doc.cellFormat("A21"), XlsxFormat());

        TempWorkDir dir;
        QVERIFY(doc.saveAs(dir.file("keep.xlsx")));
        CHECK_WORKBOOK(dir.file("keep.xlsx"),
                       (QJsonObject{{"cells", QJsonObject{{"A20", QJsonObject{{"value", QStringLiteral("电话:2")},
                                                                              {"font", QJsonObject{{"bold", true}}}}}}},
                                    {"merged", QJsonArray{"A20:C20", "A21:C21"}}}));
    }

    void overlappingMergeIsRefused()
    {
        XlsxDocument doc;
        QVERIFY(doc.mergeCells("A1:B2"));
        QVERIFY(doc.mergeCells("A1:B2"));       // the same block again is harmless
        QVERIFY(!doc.mergeCells("B2:C2"));
        QVERIFY(!doc.mergeCells("A2:I2"));
        QVERIFY(doc.mergeCells("C1:G1"));
        QCOMPARE(doc.mergedRanges(), (QStringList{"A1:B2", "C1:G1"}));
    }

    void cellNames()
    {
        int r = 0, c = 0;
        QVERIFY(XlsxDocument::parseCell("A1", r, c));
        QCOMPARE(r, 1); QCOMPARE(c, 1);
        QVERIFY(XlsxDocument::parseCell("I21", r, c));
        QCOMPARE(r, 21); QCOMPARE(c, 9);
        QVERIFY(XlsxDocument::parseCell("AA10", r, c));
        QCOMPARE(c, 27);
        QVERIFY(XlsxDocument::parseCell("XFD1048576", r, c));
        QVERIFY(!XlsxDocument::parseCell("XFE1", r, c));
        QVERIFY(!XlsxDocument::parseCell("A0", r, c));
        QVERIFY(!XlsxDocument::parseCell("A1048577", r, c));
        QVERIFY(!XlsxDocument::parseCell("1A", r, c));
        QVERIFY(!XlsxDocument::parseCell("", r, c));
        QCOMPARE(XlsxDocument::columnName(1), QStringLiteral("A"));
        QCOMPARE(XlsxDocument::columnName(26), QStringLiteral("Z"));
        QCOMPARE(XlsxDocument::columnName(27), QStringLiteral("AA"));
        QCOMPARE(XlsxDocument::columnName(16384), QStringLiteral("XFD"));

        XlsxDocument doc;
        QVERIFY(!doc.write("J", QStringLiteral("x")));
        QVERIFY(!doc.mergeCells("A1:", XlsxFormat()));
        QVERIFY(!doc.setRowHeight(0, 0, 5));
        QVERIFY(!doc.setColumnWidth(3, 2, 5));
    }

    void longTextIsCutToTheCellLimit()
    {
        TempWorkDir dir;
        XlsxDocument doc;
        QVERIFY(doc.write("A1", QString(40000, QLatin1Char('x'))));
        QCOMPARE(doc.read("A1").size(), XlsxDocument::MaxTextLength);
        QVERIFY2(doc.saveAs(dir.file("long.xlsx")), qPrintable(doc.errorString()));
        const QJsonObject dump = dumpWorkbook(dir.file("long.xlsx"));
        QCOMPARE(dump["cells"].toObject()["A1"].toObject()["value"].toString().size(), XlsxDocument::MaxTextLength);
    }

    void failedSaveIsReported()
    {
        TempWorkDir dir;
        XlsxDocument doc;
        doc.write("A1", QStringLiteral("x"));
        QVERIFY(!doc.saveAs(dir.file("missing/folder/out.xlsx")));
        QVERIFY(!doc.errorString().isEmpty());
        QVERIFY(!QFile::exists(dir.file("missing/folder/out.xlsx")));

        QVERIFY(QDir(dir.path()).mkdir("taken.xlsx"));       // a folder where the file should go
        QVERIFY(!doc.saveAs(dir.file("taken.xlsx")));
        QVERIFY(!doc.saveAs(QString()));

        // a good save replaces an existing file
        QFile old(dir.file("old.xlsx"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("not a workbook");
        old.close();
        QVERIFY(doc.saveAs(dir.file("old.xlsx")));
        CHECK_WORKBOOK(dir.file("old.xlsx"), (QJsonObject{{"cells", QJsonObject{{"A1", QJsonObject{{"value", "x"}}}}}}));
    }

    // The checker itself must report what differs.
    void checkerReportsMismatches()
    {
        TempWorkDir dir;
        XlsxDocument doc;
        doc.write("B2", QStringLiteral("abc"));
        doc.mergeCells("B2:D2");
        QVERIFY(doc.saveAs(dir.file("c.xlsx")));
        XlsxCheckResult r = checkWorkbook(dir.file("c.xlsx"),
                                          QJsonObject{{"cells", QJsonObject{{"B2", QJsonObject{{"value", "abd"}}}}},
                                                      {"merged", QJsonArray{"B2:C2"}},
                                                      {"gridlines", false}});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.output.contains("cells.B2.value"), qPrintable(r.output));
        QVERIFY2(r.output.contains("merged"), qPrintable(r.output));
        QVERIFY2(r.output.contains("gridlines"), qPrintable(r.output));
        QVERIFY2(r.output.contains("3 mismatch"), qPrintable(r.output));
        r = checkWorkbook(dir.file("c.xlsx"), QJsonObject{{"cells", QJsonObject{{"B2", QJsonValue()}}}});
        QCOMPARE(r.exitCode, 1);
        r = checkWorkbook(dir.file("c.xlsx"), QJsonObject{{"empty_rows", QJsonArray{1, 3}},
                                                          {"values_in_order", QJsonArray{"abc"}}});
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        r = checkWorkbook(dir.file("c.xlsx"), QJsonObject{{"empty_rows", QJsonArray{2}}});
        QCOMPARE(r.exitCode, 1);
    }

    // Without the imaging package the reader drops every image: the checker must refuse to run
    // rather than dump a workbook without images.
    void checkerRefusesWithoutImageReader()
    {
        TempWorkDir dir;
        XlsxDocument doc;
        doc.write("A1", QStringLiteral("x"));
        QImage logo(40, 10, QImage::Format_RGB32);
        logo.fill(Qt::darkCyan);
        QVERIFY(doc.insertImage(1, 1, logo));
        QVERIFY(doc.saveAs(dir.file("i.xlsx")));
        QCOMPARE(dumpWorkbook(dir.file("i.xlsx")).value("images").toArray().size(), 1);

        // A package named PIL ahead of the real one that fails to load, as a missing one does.
        QVERIFY(QDir().mkpath(dir.file("shadow/PIL")));
        QFile init(dir.file("shadow/PIL/__init__.py"));
        QVERIFY(init.open(QIODevice::WriteOnly));
        init.write("raise ImportError(\"No module named 'PIL'\")\n");
        init.close();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PYTHONPATH", dir.file("shadow"));
        p.setProcessEnvironment(env);
        p.start("/usr/bin/python3", {XLSX_CHECK_SCRIPT, "dump", dir.file("i.xlsx")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 3);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains("a reader it needs is missing") && err.contains("python3-pil"),
                 qPrintable(err));
    }
};

QTEST_MAIN(tst_workbook)
#include "tst_workbook.moc"
