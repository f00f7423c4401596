// Builds a filled QC report from a stored QC run and writes it as a PDF file and as a workbook,
// once and then N times in a row (default 100), and prints the times beside a floor: the same
// HTML drawn by a bare QPainter on a QPrinter into a PDF, on one page, without the report's
// layout, page marks or the safe file replacement.
#include "BenchSupport.h"
#include "PanelQcResult.h"
#include "QcReportAssembly.h"
#include "qcReportPage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>

namespace {

PanelQcResult sampleRun()
{
    PanelQcResult r;
    r.id = 1;
    r.QcProduct = 1;
    r.QcLot = QStringLiteral("L-2024-07");
    r.division = QStringLiteral("1");
    r.machineid = QStringLiteral("QV202400001");
    r.inspectorname = QStringLiteral("李四");
    r.reviewername = QStringLiteral("王五");
    r.chkdatetime = QDateTime(QDate(2024, 5, 20), QTime(9, 30));
    r.Errcode = QStringLiteral("000");
    const char* codes[] = {"TP", "ALB", "GLOB", "ALT", "AST", "ALP", "GGT", "TBIL", "CRE", "BUN",
                           "GLU", "CHOL", "Ca2+", "PHOS", "AMY", "TG"};
    QJsonArray a;
    int i = 0;
    for (const char* code : codes) {
        const double target = 20 + 7 * i;
        const double value = target * (i % 5 == 0 ? 1.4 : 1.02);
        a.append(QJsonObject{{"N", code}, {"I", QJsonArray{value, 0, 0, target, 2000, "U/L"}}});
        ++i;
    }
    r.result = QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact));
    return r;
}

// QC limits of +-15 % around the target.
QVector<double> limitsOf(const QString& code)
{
    const int i = qHash(code) % 16;
    const double target = 20 + 7 * i;
    return {target * 0.85, target * 1.15};
}

bool fill(qcReportPage& page, const PanelQcResult& run)
{
    QcReportAssembly::applySettings(page);
    return QcReportAssembly::fillFromResult(page, run, {}, &limitsOf);
}

} // namespace

int main(int argc, char* argv[])
{
    useOffscreenByDefault();
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100;
    QTemporaryDir dir;
    if (!enterBenchFolder(dir))
        return 1;
    writeBenchClinic();
    const PanelQcResult run = sampleRun();

    // The first report also pays for loading fonts and the word table.
    QString html;
    const double firstBuild = timeRuns(1, [&](int) {
        qcReportPage page;
        if (!fill(page, run))
            return false;
        html = page.buildTitle() + page.buildBody(page.reportItems) + page.buildContact();
        return true;
    });
    if (firstBuild < 0)
        return 1;

    auto barePdf = [&html](const QString& name) {
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(name);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&printer);
        QTextDocument doc;
        doc.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
        doc.setHtml(html);
        doc.drawContents(&painter);
        return true;
    };
    auto htmlParts = [&run](int) {
        qcReportPage page;
        fill(page, run);
        page.buildTitle();
        page.buildContact();
        page.buildBody(page.reportItems);
        return true;
    };
    auto pdf = [&run](const QString& name) {
        qcReportPage page;
        fill(page, run);
        return page.exportPdf(name);
    };
    auto xlsx = [&run](const QString& name) {
        qcReportPage page;
        fill(page, run);
        return page.exportExcel(name);
    };
    const double oneFloor = timeRuns(1, [&](int) { return barePdf(QStringLiteral("floor.pdf")); });
    const double onePdf = timeRuns(1, [&](int) { return pdf(QStringLiteral("one.pdf")); });
    const double oneXlsx = timeRuns(1, [&](int) { return xlsx(QStringLiteral("one.xlsx")); });
    const double manyHtml = timeRuns(count, htmlParts);
    const double manyFloor = timeRuns(count, [&](int i) { return barePdf(QStringLiteral("f%1.pdf").arg(i)); });
    const double manyPdf = timeRuns(count, [&](int i) { return pdf(QStringLiteral("r%1.pdf").arg(i)); });
    const double manyXlsx = timeRuns(count, [&](int i) { return xlsx(QStringLiteral("r%1.xlsx").arg(i)); });
    if (onePdf < 0 || oneXlsx < 0 || manyPdf < 0 || manyXlsx < 0)
        return 1;

    std::printf("QC report, %d analytes\n", int(run.result.count(QStringLiteral("\"N\""))));
    std::printf("first build of the three HTML parts:    %8.1f ms\n", firstBuild);
    std::printf("one report as PDF:                      %8.1f ms (%lld bytes)\n", onePdf,
                QFileInfo(QStringLiteral("one.pdf")).size());
    std::printf("  floor, bare QPrinter PDF of its HTML: %8.1f ms (%lld bytes)\n", oneFloor,
                QFileInfo(QStringLiteral("floor.pdf")).size());
    std::printf("one report as workbook:                 %8.1f ms (%lld bytes)\n", oneXlsx,
                QFileInfo(QStringLiteral("one.xlsx")).size());
    std::printf("%d reports, HTML parts only:           %8.1f ms (%.2f ms each)\n", count, manyHtml, manyHtml / count);
    std::printf("%d reports as PDF:                     %8.1f ms (%.2f ms each)\n", count, manyPdf, manyPdf / count);
    std::printf("  floor, %d bare QPrinter PDFs:        %8.1f ms (%.2f ms each)\n", count, manyFloor, manyFloor / count);
    std::printf("%d reports as workbook:                %8.1f ms (%.2f ms each)\n", count, manyXlsx, manyXlsx / count);
    return 0;
}
