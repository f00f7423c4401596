#include "TestSupport.h"
#include "printTool.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QImage>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

int pdfPages(const QString& file)
{
    const QString info = runProgram("pdfinfo", {file});
    QRegularExpression re("Pages:\\s+(\\d+)");
    auto m = re.match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Page size of the first page in points.
QSizeF pdfPageSize(const QString& file)
{
    const QString info = runProgram("pdfinfo", {file});
    QRegularExpression re("Page size:\\s+([\\d.]+) x ([\\d.]+) pts");
    auto m = re.match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// Text of the PDF (or of one page of it) in content order.
QString rawText(const QString& file, int page = 0)
{
    QStringList options{"-raw"};
    if (page > 0)
        options << "-f" << QString::number(page) << "-l" << QString::number(page);
    return pdfText(file, options);
}

// A body of exactly the given number of pages, each marked.
QString pagedBody(int pages)
{
    QString body;
    for (int i = 1; i <= pages; ++i) {
        body += i == 1 ? QStringLiteral("<p>") : QStringLiteral("<p style='page-break-before: always'>");
        body += QStringLiteral("Body page %1 结果</p>").arg(i);
    }
    return body;
}

const QString kTitle = QStringLiteral("<div><h2>中文标题 ReportTitle</h2></div>");
const QString kContact = QStringLiteral("<div><p>联系电话 ContactLine</p></div>");

// Rows of the first page image (at 72 dpi) whose pixel at the given share of the width has
// the band colour, as runs of consecutive rows.
QVector<QPair<int, int>> bandRuns(const QString& png, double xShare, QColor colour)
{
    QImage image(png);
    QVector<QPair<int, int>> runs;
    if (image.isNull())
        return runs;
    const int x = int(image.width() * xShare);
    int start = -1;
    for (int y = 0; y <= image.height(); ++y) {
        bool hit = false;
        if (y < image.height()) {
            const QColor c = image.pixelColor(x, y);
            hit = qAbs(c.red() - colour.red()) < 8 && qAbs(c.green() - colour.green()) < 8
                  && qAbs(c.blue() - colour.blue()) < 8;
        }
        if (hit && start < 0)
            start = y;
        if (!hit && start >= 0) {
            runs.append({start, y - 1});
            start = -1;
        }
    }
    return runs;
}

QString firstPagePng(const QString& pdf, const QString& stem)
{
    runProgram("pdftoppm", {"-png", "-r", "72", "-f", "1", "-l", "1", "-singlefile", pdf, stem});
    return stem + ".png";
}

} // namespace

class tst_printTool : public QObject
{
    Q_OBJECT
    TempWorkDir m_dir;

private slots:
    void paperSizes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("A4, mode 0") << 0 << QSizeF(595.3, 841.9);
        QTest::newRow("A5 landscape") << 1 << QSizeF(595.3, 419.5);
        QTest::newRow("A4, mode 2") << 2 << QSizeF(595.3, 841.9);
        QTest::newRow("A4, mode 3") << 3 << QSizeF(595.3, 841.9);
    }

    void paperSizes()
    {
        QFETCH(int, mode);
        QFETCH(QSizeF, points);
        const QString file = m_dir.file(QStringLiteral("paper%1.pdf").arg(mode));
        printTool tool(mode);
        tool.m_title = kTitle;
        tool.m_body = pagedBody(1);
        tool.exportPdf(file);
        const QSizeF size = pdfPageSize(file);
        QVERIFY2(qAbs(size.width() - points.width()) < 1 && qAbs(size.height() - points.height()) < 1,
                 qPrintable(runProgram("pdfinfo", {file})));
        QCOMPARE(pdfPages(file), 1);
        QVERIFY(rawText(file).contains("1 / 1"));
    }

    void margins()
    {
        printTool a(0);
        QPrinter* p = a.createPrinter();
        QCOMPARE(p->pageLayout().margins(), QMarginsF(0, 50, 0, 0));
        QCOMPARE(p->pageLayout().orientation(), QPageLayout::Portrait);

        QPrinter plain(QPrinter::ScreenResolution);
        plain.setPageSize(QPageSize(QPageSize::A4));
        const QMarginsF base = plain.pageLayout().margins(QPageLayout::Millimeter);
        printTool b(3);
        const QMarginsF wide = b.createPrinter()->pageLayout().margins(QPageLayout::Millimeter);
        QVERIFY(qAbs(wide.left() - base.left() - 10) < 0.01);
        QVERIFY(qAbs(wide.top() - base.top() - 10) < 0.01);
        QVERIFY(qAbs(wide.bottom() - base.bottom() - 10) < 0.01);

        // A second call replaces the printer.
        QPointer<QObject> guard;
        QPrinter* first = b.m_printer;
        QVERIFY(b.createPrinter() != nullptr);
        QVERIFY(b.m_printer != nullptr);
        Q_UNUSED(first);
    }

    void twoReportPagesPerSheet()
    {
        const QString file = m_dir.file("sheets.pdf");
        printTool tool(0);
        tool.m_title = kTitle;
        tool.m_contact = kContact;
        tool.m_body = pagedBody(3);
        tool.m_pagesPerSheet = 2;
        tool.exportPdf(file);
        QCOMPARE(pdfPages(file), 2);
        const QString all = rawText(file);
        for (const char* footer : {"1 / 3", "2 / 3", "3 / 3"})
            QVERIFY2(all.contains(footer), footer);
        const QString first = rawText(file, 1);
        const QString second = rawText(file, 2);
        QVERIFY(first.contains("Body page 1") && first.contains("Body page 2"));
        QVERIFY(!first.contains("Body page 3"));
        QVERIFY(second.contains("Body page 3") && second.contains("3 / 3"));
        QCOMPARE(first.count("ReportTitle"), 2);
        QCOMPARE(first.count("ContactLine"), 2);
        QCOMPARE(second.count("ReportTitle"), 1);
        // Chinese comes out as text.
        QVERIFY(first.contains(QStringLiteral("中文标题")));
        QVERIFY(first.contains(QStringLiteral("联系电话")));
        QVERIFY(second.contains(QStringLiteral("结果")));
    }

    void onePageReport()
    {
        const QString file = m_dir.file("one.pdf");
        printTool tool(1);
        tool.m_title = kTitle;
        tool.m_contact = kContact;
        tool.m_body = pagedBody(1);
        tool.exportPdf(file);
        QCOMPARE(pdfPages(file), 1);
        const QString text = rawText(file);
        QVERIFY(text.contains("1 / 1"));
        QVERIFY(!text.contains("1 / 2"));
    }

    void bandsFollowTitleAndContact()
    {
        const QColor blue(138, 170, 197), grey(128, 128, 128);
        struct Case { QString title, contact; int bands; };
        const QVector<Case> cases{{kTitle, kContact, 2}, {kTitle, QString(), 1}, {QString(), kContact, 1},
                                  {QString(), QString(), 0}};
        int n = 0;
        for (const Case& c : cases) {
            const QString file = m_dir.file(QStringLiteral("bands%1.pdf").arg(n));
            printTool tool(0);
            tool.m_title = c.title;
            tool.m_contact = c.contact;
            tool.m_body = pagedBody(1);
            tool.exportPdf(file);
            const QString png = firstPagePng(file, m_dir.file(QStringLiteral("bands%1").arg(n)));
            const auto left = bandRuns(png, 0.1, blue);
            const auto right = bandRuns(png, 0.9, grey);
            QCOMPARE(left.size(), c.bands);
            QCOMPARE(right.size(), c.bands);
            for (int i = 0; i < left.size(); ++i) {
                QVERIFY(qAbs(left[i].first - right[i].first) <= 1);
                QVERIFY(left[i].second - left[i].first >= 4);   // 10 device units high
                QVERIFY(left[i].second - left[i].first <= 10);
            }
            if (c.bands == 2) {
                // The title band stands in the upper part, the contact band below the body.
                QImage image(png);
                QVERIFY(left[0].first < image.height() / 4);
                QVERIFY(left[1].first > image.height() / 2);
            }
            ++n;
        }
    }

    void bodyNeverLostWhenTitleLeavesNoRoom()
    {
        // A title taller than the page: title, body and contact run on as one flow.
        QString tall;
        for (int i = 0; i < 120; ++i)
            tall += QStringLiteral("<p>TitleLine%1</p>").arg(i);
        for (int perSheet : {1, 2, 0, -3}) {
            const QString file = m_dir.file(QStringLiteral("tall%1.pdf").arg(perSheet + 10));
            printTool tool(0);
            tool.m_title = tall;
            tool.m_contact = kContact;
            tool.m_body = pagedBody(2);
            tool.m_pagesPerSheet = perSheet;
            tool.exportPdf(file);
            const QString text = rawText(file);
            QVERIFY(text.contains("TitleLine0"));
            QVERIFY(text.contains("TitleLine119"));
            QVERIFY(text.contains("Body page 1"));
            QVERIFY(text.contains("Body page 2"));
            QVERIFY(text.contains("ContactLine"));
            const int pages = pdfPages(file);
            QVERIFY(pages >= 3 && pages < 10);
            QVERIFY(text.contains(QStringLiteral("%1 / %1").arg(pages)));
            QVERIFY(rawText(file, 1).contains("TitleLine0"));
            QVERIFY(rawText(file, pages).contains("ContactLine"));
        }
    }

    // Two report pages share a sheet while their bodies have any room; one goes on a sheet only
    // when two leave the body none.
    void fewerPagesPerSheetWhenTwoDoNotFit_data()
    {
        QTest::addColumn<double>("titleShare");
        QTest::addColumn<int>("sheets");
        QTest::newRow("small body") << 0.4 << 2;
        QTest::newRow("no body left") << 0.55 << 3;
    }
    void fewerPagesPerSheetWhenTwoDoNotFit()
    {
        QFETCH(double, titleShare);
        QFETCH(int, sheets);
        printTool probe(0);
        probe.createPrinter();
        const double H = probe.m_printer->height();
        QString title;
        int lines = 0;
        while (probe.measureHeight(title) < titleShare * H && lines < 500)
            title += QStringLiteral("<p>Heading%1</p>").arg(lines++);
        QVERIFY(probe.measureHeight(title) < titleShare * H + 40);

        const QString file = m_dir.file(QStringLiteral("fewer%1.pdf").arg(sheets));
        printTool tool(0);
        tool.m_title = title;
        tool.m_body = pagedBody(3);
        tool.m_pagesPerSheet = 2;
        tool.exportPdf(file);
        QCOMPARE(pdfPages(file), sheets);
        QCOMPARE(rawText(file).count("Heading0"), 3);
        for (int page = 1; page <= 3; ++page)
            QVERIFY(rawText(file).contains(QStringLiteral("%1 / 3").arg(page)));
        QVERIFY(rawText(file, 1).contains(QStringLiteral("Body page 1")));
        QVERIFY(rawText(file, sheets).contains(QStringLiteral("Body page 3")));
    }

    void printDirectPaintsOnThePrinter()
    {
        const QString file = m_dir.file("direct.pdf");
        printTool tool(0);
        tool.createPrinter();
        tool.m_printer->setOutputFormat(QPrinter::PdfFormat);
        tool.m_printer->setOutputFileName(file);
        tool.m_body = pagedBody(2);
        QVERIFY(tool.printDirect());
        QCOMPARE(pdfPages(file), 2);
        QVERIFY(rawText(file).contains("2 / 2"));
    }

    // With no printer to print on (the default one named here does not exist), printing says so.
    void printDirectWithoutPrinterFails()
    {
        qputenv("PRINTER", "chemdesk-no-such-printer");
        qputenv("LPDEST", "chemdesk-no-such-printer");
        printTool tool(0);
        tool.m_body = pagedBody(1);
        QVERIFY(!tool.printDirect());
        QVERIFY(!tool.printDocument(nullptr));
    }

    void previewInWidget()
    {
        printTool none(0);
        none.previewInWidget(nullptr);
        QVERIFY(!none.m_printer);

        QWidget host;
        printTool first(0);
        first.m_body = pagedBody(1);
        first.previewInWidget(&host);
        QVERIFY(host.layout());
        QCOMPARE(host.layout()->count(), 1);
        QPointer<QWidget> old = host.layout()->itemAt(0)->widget();
        QVERIFY(qobject_cast<QPrintPreviewWidget*>(old.data()));
        QCOMPARE(host.layout()->contentsMargins(), QMargins(0, 0, 0, 0));

        printTool second(1);
        second.m_body = pagedBody(1);
        QLayout* layout = host.layout();
        second.previewInWidget(&host);
        QCOMPARE(host.layout(), layout);
        QCOMPARE(host.layout()->count(), 1);
        QVERIFY(host.layout()->itemAt(0)->widget() != old.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
    }

    void measuring()
    {
        printTool tool(0);
        QCOMPARE(tool.measureHeight(QString()), 0.0);
        QVERIFY(!tool.m_printer);
        const double one = tool.measureHeight("<p>x</p>");
        QVERIFY(tool.m_printer);
        const double three = tool.measureHeight("<p>x</p><p>y</p><p>z</p>");
        QVERIFY(one > 0);
        QVERIFY(three > 2 * one);

        int pageHeight = 0;
        tool.m_body = "<p>x</p><p>y</p>";
        const int bottom = tool.bodyBottom(&pageHeight);
        QCOMPARE(pageHeight, tool.m_printer->height());
        QVERIFY(bottom > 0 && bottom < three);
    }

    void fittingFontSize()
    {
        printTool tool(0);
        tool.m_title = "T";
        tool.m_body = "B";
        QVERIFY(!tool.fitFontSize(12, 0, 0));
        QCOMPARE(tool.m_body, QString("B"));
        QVERIFY(tool.fitFontSize(12, 0, 100000));
        QCOMPARE(tool.m_body, QString("<div  style='font-size: 12px;' >B</div>"));
        QCOMPARE(tool.m_contact, QString("<div  style='font-size: 12px;' ></div>"));
    }

    void previewDialogSize()
    {
        printTool tool(0);
        tool.m_body = pagedBody(1);
        QSize seen;
        QSize expected;
        QTimer::singleShot(0, this, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            const QRect area = w->screen()->availableGeometry();
            expected = QSize(area.width() / 2, area.height() * 9 / 10).expandedTo(w->minimumSize());
            seen = w->size();
            QVERIFY(!(w->windowFlags() & Qt::WindowContextHelpButtonHint));
            w->close();
        });
        tool.showPreviewDialog();
        QVERIFY(seen.isValid());
        QCOMPARE(seen, expected);
    }
};

QTEST_MAIN(tst_printTool)
#include "tst_printTool.moc"
