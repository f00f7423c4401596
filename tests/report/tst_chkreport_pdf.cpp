#include "ReportFonts.h"
#include "TestSupport.h"
#include "chkReportPage.h"
#include "reportFileWriter.h"

#include <QtTest>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>

// The test report as a PDF file, read back with poppler's tools.
class tst_chkreport_pdf : public QObject
{
    Q_OBJECT

    static bool holds(const QString& flatText, const char* part)
    {
        QString p = QString::fromUtf8(part);
        p.remove(QRegularExpression("\\s+"));
        return flatText.contains(p);
    }

    static void fillPage(chkReportPage& page, int rows)
    {
        page.language = QStringLiteral("Chinese");
        page.optionMask = 0;
        page.ageText = QStringLiteral("2岁3月");
        page.patientInfo.patientName = QStringLiteral("Bella");
        page.patientInfo.division = QStringLiteral("内科");
        page.patientInfo.testTime = QStringLiteral("2024/03/01 10:15:00");
        page.patientInfo.customText = QStringLiteral("Thank you");
        page.errcodeTail = QStringLiteral("001");
        for (int i = 0; i < rows; ++i) {
            ReportItem r;
            r.code = QStringLiteral("AN%1").arg(i);
            r.name = QStringLiteral("白蛋白 %1").arg(i);
            r.value = 30 + i;
            r.low = 25;
            r.high = 40;
            r.resultText = QString::number(r.value);
            r.unit = QStringLiteral("g/L");
            r.rangeText = QStringLiteral("25-40");
            page.reportItems.append(r);
        }
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils missing");
    }

    void pdfHoldsTheReport_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("size");
        QTest::newRow("other") << 0 << "A4";
        QTest::newRow("a5_landscape") << 1 << "A5";
    }

    void pdfHoldsTheReport()
    {
        QFETCH(int, paper);
        QFETCH(QString, size);
        TempWorkDir dir;
        QDir().mkpath("saveFile");
        {
            QSettings s("./saveFile/hospital.ini", QSettings::IniFormat);
            s.setIniCodec("UTF8");
            s.setValue("/systemCfg/hospital", QStringLiteral("安心动物医院"));
            s.setValue("/systemCfg/phone", QStringLiteral("0571-1234"));
        }
        chkReportPage page;
        fillPage(page, 5);
        page.paperMode = paper;
        QVERIFY(page.exportPdf(dir.file("r.pdf")));
        const QString info = runProgram("pdfinfo", {dir.file("r.pdf")});
        if (size == "A4")
            QVERIFY2(info.contains("Pages:           1"), qPrintable(info));
        QVERIFY2(info.contains(size == "A4" ? "(A4)" : "(A5)"), qPrintable(info));
        const QString text = withoutBlanks(pdfText(dir.file("r.pdf")));
        for (const char* part : {"安心动物医院", "生化检验报告单", "姓名：Bella", "AN0", "AN4", "白蛋白 3", "34",
                                 "Icterus:", "0571-1234", "Thank you", "1 / "})
            QVERIFY2(holds(text, part), part);
        // landscape A5 is wider than high
        const QRegularExpression re("Page size:\\s+([0-9.]+) x ([0-9.]+)");
        const QRegularExpressionMatch m = re.match(info);
        QVERIFY(m.hasMatch());
        QCOMPARE(m.captured(1).toDouble() > m.captured(2).toDouble(), paper == 1);
    }

    // The result bar stays on the page in every paper mode: the marker of a result far above
    // the range, in the last "High" cell, is drawn whole with the bar's right edge after it.
    // QtTest lays out at 96 dpi (Qt::AA_Use96Dpi); the program prints at the screen's
    // resolution (100 dpi on the offscreen platform), another printable width in units.
    void gaugeFitsThePrintableWidth_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("screenDpi");
        QTest::newRow("no side margins") << 0 << false;
        QTest::newRow("A5 landscape") << 1 << false;
        QTest::newRow("A4") << 2 << false;
        QTest::newRow("no side margins, screen dpi") << 0 << true;
        QTest::newRow("A5 landscape, screen dpi") << 1 << true;
        QTest::newRow("A4, screen dpi") << 2 << true;
    }
    void gaugeFitsThePrintableWidth()
    {
        QFETCH(int, paper);
        QFETCH(bool, screenDpi);
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, !screenDpi);
        const auto back = qScopeGuard([] { QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true); });
        TempWorkDir dir;
        chkReportPage page;
        fillPage(page, 1);
        page.paperMode = paper;
        page.reportItems[0].value = 400;
        page.reportItems[0].resultText = QStringLiteral("400");
        QVERIFY(page.exportPdf(dir.file("g.pdf")));
        runProgram("pdftoppm", {"-png", "-r", "200", "-f", "1", "-l", "1", "-singlefile", dir.file("g.pdf"), dir.file("g")});
        const QImage image(dir.file("g.png"));
        QVERIFY(!image.isNull());
        // The marker cell: the rightmost column with a tall run of pure red.
        int markerEnd = -1, markerRow = -1;
        for (int x = image.width() - 1; x >= 0 && markerEnd < 0; --x) {
            int run = 0;
            for (int y = 0; y < image.height() && markerEnd < 0; ++y) {
                run = image.pixel(x, y) == qRgb(255, 0, 0) ? run + 1 : 0;
                if (run >= 12) {
                    markerEnd = x;
                    markerRow = y - 6;
                }
            }
        }
        QVERIFY(markerEnd > image.width() / 2);
        int edge = -1;
        for (int x = markerEnd + 1; x < image.width() && edge < 0; ++x)
            if (qGray(image.pixel(x, markerRow)) < 80)
                edge = x;
        QVERIFY2(edge > markerEnd && edge < image.width() - 1,
                 qPrintable(QString("marker ends at %1, edge %2, page %3").arg(markerEnd).arg(edge).arg(image.width())));
    }

    // The text layer holds the ideographs themselves, not the look-alike radical characters
    // (U+2E80-U+2FDF) a font may draw with the same glyph, in both report languages.
    void chineseTextReadsAsWritten_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("Chinese") << "Chinese";
        QTest::newRow("English") << "English";
    }

    void chineseTextReadsAsWritten()
    {
        QFETCH(QString, language);
        TempWorkDir dir;
        chkReportPage page;
        fillPage(page, 2);
        page.language = language;
        page.patientInfo.patientName = QStringLiteral("黄目日");
        page.patientInfo.division = QStringLiteral("血液科");
        page.reportItems[0].name = QStringLiteral("高密度脂蛋白");
        QVERIFY(page.exportPdf(dir.file("zh.pdf")));
        const QString text = withoutBlanks(pdfText(dir.file("zh.pdf")));
        QStringList parts{"黄目日", "血液科", "高密度脂蛋白", "目", "日", "高", "黄", "血"};
        if (language == "Chinese")
            parts << "生化检验报告单";
        for (const QString& part : qAsConst(parts))
            QVERIFY2(text.contains(part), qPrintable(part + " in " + text.left(300)));
        for (const QChar c : text) {
            const QString what = QStringLiteral("radical U+%1 in the text layer").arg(c.unicode(), 4, 16);
            QVERIFY2(c.unicode() < 0x2E80 || c.unicode() > 0x2FDF, qPrintable(what));
        }
    }

    // The check that chooses the fallback: the Noto CJK faces draw 生 and U+2F63 with one glyph.
    void fontCheckTellsSharedGlyphs()
    {
        QVERIFY2(!ReportFonts::hanFamily().isEmpty(), "no installed Chinese font qualifies");
        QVERIFY(ReportFonts::keepsRadicalsApart(ReportFonts::hanFamily()));
        if (!QFontDatabase().families().contains("Noto Sans CJK SC"))
            QSKIP("Noto Sans CJK SC not installed");
        QVERIFY(!ReportFonts::keepsRadicalsApart(QStringLiteral("Noto Sans CJK SC")));
    }

    void longReportRunsOverPages()
    {
        TempWorkDir dir;
        chkReportPage page;
        fillPage(page, 20);
        page.paperMode = 1;          // A5 landscape: 20 rows need more than one page
        page.chartMode = false;
        QVERIFY(page.exportPdf(dir.file("long.pdf")));
        const QString text = withoutBlanks(pdfText(dir.file("long.pdf")));
        QVERIFY(text.contains("AN0"));
        QVERIFY(text.contains("AN19"));
        QVERIFY2(text.contains("1/2") || text.contains("1/3"), qPrintable(text.right(200)));
        // an empty page is still a report: heading, contact and the results head
        chkReportPage empty;
        empty.optionMask = 0;
        QVERIFY(empty.exportPdf(dir.file("empty.pdf")));
        QVERIFY(withoutBlanks(pdfText(dir.file("empty.pdf"))).contains(QStringLiteral("项目缩写")));
    }

    // The extension of a chosen file name, added when it is missing.
    void fileNameSuffix_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("saved");
        QTest::newRow("pdf missing") << "/tmp/report" << "pdf" << "/tmp/report.pdf";
        QTest::newRow("pdf there") << "/tmp/report.pdf" << "pdf" << "/tmp/report.pdf";
        QTest::newRow("upper case") << "/tmp/report.PDF" << "pdf" << "/tmp/report.PDF";
        QTest::newRow("dot in name") << "/tmp/v1.2/report.01" << "pdf" << "/tmp/v1.2/report.01.pdf";
        QTest::newRow("xlsx missing") << "r" << "xlsx" << "r.xlsx";
        QTest::newRow("xlsx there") << "r.xlsx" << "xlsx" << "r.xlsx";
        QTest::newRow("cancelled") << "" << "pdf" << "";
    }
    void fileNameSuffix()
    {
        QFETCH(QString, typed);
        QFETCH(QString, suffix);
        QFETCH(QString, saved);
        QCOMPARE(reportFileWriter::withSuffix(typed, suffix), saved);
    }

    void unwritableFileIsReported()
    {
        TempWorkDir dir;
        chkReportPage page;
        fillPage(page, 2);
        QVERIFY(!page.exportPdf(dir.file("missing/r.pdf")));
        QVERIFY(!page.exportPdf(QString()));
        QVERIFY(QDir().mkdir(dir.file("isdir.pdf")));
        QVERIFY(!page.exportPdf(dir.file("isdir.pdf")));
        // an existing file is replaced only by a complete one
        QFile old(dir.file("old.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(page.exportPdf(dir.file("old.pdf")));
        QFile now(dir.file("old.pdf"));
        QVERIFY(now.open(QIODevice::ReadOnly));
        QVERIFY(now.read(5) == "%PDF-");
    }
};

QTEST_MAIN(tst_chkreport_pdf)
#include "tst_chkreport_pdf.moc"
