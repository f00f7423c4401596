#include "chkReportPage.h"

#include "printTool.h"

#include "HtmlCell.h"
#include "XlsxDocument.h"
#include "XlsxFormat.h"
#include "elementBase.h"
#include "mergeCellBlock.h"
#include "testReportBuilder.h"
#include "reportFileWriter.h"
#include "reportWorkbookFrame.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>

#include <memory>

chkReportPage::chkReportPage() = default;

chkReportPage::~chkReportPage()
{
    // The page owns the printTool behind its pointer (and with it the printer).
    if (previewTool) {
        delete previewTool;
        previewTool = nullptr;
    }
}

QString chkReportPage::resultGauge(double value, double low, double high, QString& image, QString& arrow)
{
    QString colour;
    if (high == 0 && low == 0) {
        image.clear();
        arrow.clear();
        return colour;
    }
    if (value > high) {
        arrow = QStringLiteral("↑");
        colour = QStringLiteral("red");
        if (value <= high * 6 / 5)
            image = QStringLiteral("11.png");
        else if (value <= high * 7 / 5)
            image = QStringLiteral("12.png");
        else if (value <= high * 8 / 5)
            image = QStringLiteral("13.png");
        else if (value <= high * 9 / 5)
            image = QStringLiteral("14.png");
        else
            image = QStringLiteral("15.png");
    } else if (value < low) {
        arrow = QStringLiteral("↓");
        colour = QStringLiteral("#0db9ef");
        if (value >= low * 4 / 5)
            image = QStringLiteral("05.png");
        else if (value >= low * 3 / 5)
            image = QStringLiteral("04.png");
        else if (value >= low * 2 / 5)
            image = QStringLiteral("03.png");
        else if (value >= low / 5)
            image = QStringLiteral("02.png");
        else
            image = QStringLiteral("01.png");
    } else {
        const double d = high - low;
        if (value <= low + d / 5)
            image = QStringLiteral("06.png");
        else if (value <= low + 2 * d / 5)
            image = QStringLiteral("07.png");
        else if (value <= low + 3 * d / 5)
            image = QStringLiteral("08.png");
        else if (value <= low + 4 * d / 5)
            image = QStringLiteral("09.png");
        else
            image = QStringLiteral("10.png");
    }
    return colour;
}

// ---- test report: results section, heading, contact block and outputs ----

namespace {

QString asIs(const QString& text)
{
    return text;
}

} // namespace

QString chkReportPage::buildBody(const QVector<ReportItem>& rows) const
{
    return testReportBuilder<chkReportPage, elementBase>::body(*this, rows);
}

QString chkReportPage::buildTitle() const
{
    return testReportBuilder<chkReportPage, elementBase>::title(*this);
}

QString chkReportPage::buildContact() const
{
    return testReportBuilder<chkReportPage, elementBase>::contact(*this);
}

printTool* chkReportPage::makePrintTool(int pagesPerSheet) const
{
    printTool* tool = new printTool(paperMode, nullptr);
    tool->m_title = buildTitle();
    tool->m_contact = buildContact();
    tool->m_body = buildBody(reportItems);
    if (pagesPerSheet > 0)
        tool->m_pagesPerSheet = pagesPerSheet;
    return tool;
}

bool chkReportPage::exportPdf(const QString& fileName) const
{
    std::unique_ptr<printTool> tool(makePrintTool(0));
    return reportFileWriter::writePdf(*tool, fileName);
}

void chkReportPage::printPreview() const
{
    printPreviewSheets(0);
}

void chkReportPage::printPreviewSheets(int pagesPerSheet) const
{
    std::unique_ptr<printTool> tool(makePrintTool(pagesPerSheet));
    tool->showPreviewDialog();
}

bool chkReportPage::print() const
{
    return printSheets(0);
}

bool chkReportPage::printSheets(int pagesPerSheet) const
{
    std::unique_ptr<printTool> tool(makePrintTool(pagesPerSheet));
    return tool->printDirect();
}

bool chkReportPage::exportExcel(const QString& fileName) const
{
    XlsxDocument doc;
    reportWorkbookFrame::setUpSheet(doc);
    const XlsxFormat base = workbookBaseFormat();

    auto cellName = [](char column, int row) { return QStringLiteral("%1%2").arg(QLatin1Char(column)).arg(row); };
    auto separator = [&doc](int row) { reportWorkbookFrame::writeBand(doc, row); };

    // Heading: logo, clinic name, report title.
    reportWorkbookFrame::writeHeading(doc, QStringLiteral("生化检验报告单"), !isOptionOff(1));

    const ReportPatientInfo& p = patientInfo;
    const int r1 = writeMergedCell(3, testReportCells::headingFields(p, ageText, asIs), 3, &doc);
    separator(r1);

    // Results table, closing rule and serum indices.
    const int f = reportWorkbookFrame::writeResults(doc, r1 + 1, reportItems, !isOptionOff(14), false, base,
                                                    [](const ReportItem& item, QString& arrow) {
                                                        QString image;
                                                        return resultGauge(item.value, item.low, item.high, image, arrow);
                                                    });
    QVector<HtmlCell> serum;
    serumIndexText(errcodeTail, p.sampleJson, serum);
    const int s1 = reportWorkbookFrame::writeClosing(doc, f, serum, base);
    int t = writeMergedCell(s1, testReportCells::peopleCells(p, asIs), 3, &doc);

    // Closing lines.
    XlsxFormat disclaimer = base;
    disclaimer.setFontItalic(true);
    auto line = [&](int option, const QString& text, int width, const XlsxFormat& format) {
        if (isOptionOff(option))
            return;
        doc.write(cellName('A', t), text, XlsxFormat());
        mergeCellBlock(doc, 'A', t, width, 1, format);
        ++t;
    };
    line(21, QCoreApplication::translate("T", "临床诊断") + QLatin1Char(':') + p.diagnosis, 9, base);
    line(22, QCoreApplication::translate("T", "序列号") + QLatin1Char(':') + p.serialNumber, 3, base);
    line(23, QCoreApplication::translate("T", "本次检验仅对该样本负责!"), 8, disclaimer);
    line(24, p.customText, 8, base);

    // Contact rows.
    separator(t);
    reportWorkbookFrame::writeContact(doc, t + 1, !isOptionOff(2), !isOptionOff(3), !isOptionOff(4));

    if (!doc.saveAs(fileName)) {
        qDebug() << "chkReportPage::exportExcel" << fileName << "error:" << doc.errorString();
        return false;
    }
    return true;
}
