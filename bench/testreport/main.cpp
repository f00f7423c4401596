// Builds a filled test report from a stored result and writes it as a PDF file and as a
// workbook, once and then 100 times in a row, and prints the times.
#include "BenchSupport.h"
#include "PanelChkRecord.h"
#include "ReportAssembly.h"
#include "chkReportPage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

PanelChkRecord sampleRecord()
{
    PanelChkRecord r;
    r.id = 1;
    r.panelid = 3;
    r.machineid = QStringLiteral("QV202400001");
    r.chkdatetime = QDateTime(QDate(2024, 3, 1), QTime(10, 15));
    r.name = QStringLiteral("Bella");
    r.number = QStringLiteral("P-0042");
    r.sampleid = QStringLiteral("S-17");
    r.age = QStringLiteral("400");
    r.speciesname = QStringLiteral("1");
    r.animalsexname = QStringLiteral("0");
    r.sampletypename = QStringLiteral("0");
    r.inspectorname = QStringLiteral("李四");
    r.reviewername = QStringLiteral("王五");
    r.clinicalinformation = QStringLiteral("慢性肾病复查");
    r.Errcode = QStringLiteral("101");
    r.patientinfo = QStringLiteral("{\"name\":\"Bella\",\"age\":400}");
    r.testresults = QStringLiteral(
        "[{\"N\":\"TP\",\"I\":[61.2,52,82,40,120,\"g/L\"]},{\"N\":\"ALB\",\"I\":[31.5,22,39,10,60,\"g/L\"]},"
        "{\"N\":\"GLOB\",\"I\":[29.7,25,45,10,60,\"g/L\"]},{\"N\":\"ALT\",\"I\":[148,10,125,5,1000,\"U/L\"]},"
        "{\"N\":\"AST\",\"I\":[30,0,50,5,1000,\"U/L\"]},{\"N\":\"ALP\",\"I\":[88,23,212,5,2000,\"U/L\"]},"
        "{\"N\":\"GGT\",\"I\":[3,0,11,5,1000,\"U/L\"]},{\"N\":\"TBIL\",\"I\":[4.2,0,15,2,500,\"umol/L\"]},"
        "{\"N\":\"CRE\",\"I\":[198,44,159,10,2000,\"umol/L\"]},{\"N\":\"BUN\",\"I\":[12.1,2.5,9.6,1,50,\"mmol/L\"]},"
        "{\"N\":\"GLU\",\"I\":[3.6,4.11,7.95,1,40,\"mmol/L\"]},{\"N\":\"CHOL\",\"I\":[4.9,2.84,8.27,1,20,\"mmol/L\"]},"
        "{\"N\":\"Ca2+\",\"I\":[2.4,1.98,3,0.5,4,\"mmol/L\"]},{\"N\":\"PHOS\",\"I\":[1.5,0.81,2.19,0.2,5,\"mmol/L\"]},"
        "{\"N\":\"AMY\",\"I\":[900,500,1500,10,3000,\"U/L\"]},{\"N\":\"TG\",\"I\":[0.8,0.11,1.13,0.1,10,\"mmol/L\"]}]");
    return r;
}

void fill(chkReportPage& page, const PanelChkRecord& record)
{
    ReportAssembly::applySettings(page);
    ReportAssembly::fillFromRecord(page, record, {}, nullptr);
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
    const PanelChkRecord record = sampleRecord();

    auto html = [&record](int) {
        chkReportPage page;
        fill(page, record);
        page.buildTitle();
        page.buildContact();
        page.buildBody(page.reportItems);
        return true;
    };
    auto pdf = [&record](const QString& name) {
        chkReportPage page;
        fill(page, record);
        return page.exportPdf(name);
    };
    auto xlsx = [&record](const QString& name) {
        chkReportPage page;
        fill(page, record);
        return page.exportExcel(name);
    };
    // The first report also pays for loading fonts and the word table.
    const double firstBuild = timeRuns(1, html);
    const double onePdf = timeRuns(1, [&](int) { return pdf(QStringLiteral("one.pdf")); });
    const double oneXlsx = timeRuns(1, [&](int) { return xlsx(QStringLiteral("one.xlsx")); });
    const double manyHtml = timeRuns(count, html);
    const double manyPdf = timeRuns(count, [&](int i) { return pdf(QStringLiteral("r%1.pdf").arg(i)); });
    const double manyXlsx = timeRuns(count, [&](int i) { return xlsx(QStringLiteral("r%1.xlsx").arg(i)); });
    if (onePdf < 0 || oneXlsx < 0 || manyPdf < 0 || manyXlsx < 0)
        return 1;

    std::printf("test report, %d analytes\n", int(record.testresults.count(QStringLiteral("\"N\""))));
    std::printf("first build of the three HTML parts: %8.1f ms\n", firstBuild);
    std::printf("one report as PDF:                   %8.1f ms (%lld bytes)\n", onePdf,
                QFileInfo(QStringLiteral("one.pdf")).size());
    std::printf("one report as workbook:              %8.1f ms (%lld bytes)\n", oneXlsx,
                QFileInfo(QStringLiteral("one.xlsx")).size());
    std::printf("%d reports, HTML parts only:        %8.1f ms (%.2f ms each)\n", count, manyHtml, manyHtml / count);
    std::printf("%d reports as PDF:                  %8.1f ms (%.2f ms each)\n", count, manyPdf, manyPdf / count);
    std::printf("%d reports as workbook:             %8.1f ms (%.2f ms each)\n", count, manyXlsx, manyXlsx / count);
    return 0;
}
