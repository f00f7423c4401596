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

#include <QColor>
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

    // Results table.
    const int r2 = r1 + 1;
    const int n = reportItems.size();
    const bool numbers = !isOptionOff(14);
    for (int row = r2; row <= r2 + n; ++row) {
        if (numbers)
            mergeCellBlock(doc, 'C', row, 2, 1, base);
        else
            mergeCellBlock(doc, 'B', row, 3, 1, base);
        mergeCellBlock(doc, 'E', row, 2, 1, base);
        mergeCellBlock(doc, 'H', row, 2, 1, base);
    }
    XlsxFormat head = base;
    head.setBottomBorderStyle(XlsxFormat::BorderThin);
    for (char c = 'A'; c <= 'I'; ++c)
        doc.write(cellName(c, r2), QString(), head);
    doc.write(cellName(numbers ? 'B' : 'A', r2), QCoreApplication::translate("T", "项目缩写"), XlsxFormat());
    doc.write(cellName(numbers ? 'C' : 'B', r2), QCoreApplication::translate("T", "全称"), XlsxFormat());
    doc.write(cellName('E', r2), QCoreApplication::translate("T", "检验结果"), XlsxFormat());
    doc.write(cellName('G', r2), QCoreApplication::translate("T", "提示"), XlsxFormat());
    XlsxFormat rangeHead = head;
    rangeHead.setHorizontalAlignment(XlsxFormat::AlignRight);
    doc.write(cellName('H', r2), QCoreApplication::translate("T", "参考范围"), rangeHead);

    int s = 1;
    for (int k = 0; k < n; ++k) {
        const ReportItem& item = reportItems.at(k);
        const int row = r2 + 1 + k;
        QString image, arrow;
        const QString colour = resultGauge(item.value, item.low, item.high, image, arrow);
        XlsxFormat f = base;
        if (!colour.isEmpty()) {
            QColor c;
            c.setNamedColor(colour);
            f.setFontColor(c);
        }
        if (numbers)
            doc.write(cellName('A', row), QString::number(s++), f);
        doc.write(cellName(numbers ? 'B' : 'A', row), item.code, f);
        doc.write(cellName(numbers ? 'C' : 'B', row), item.name, f);
        doc.write(cellName('E', row), item.resultText + item.unit, f);
        doc.write(cellName('G', row), arrow, f);
        if (!(item.high == 0 && item.low == 0)) {
            f.setHorizontalAlignment(XlsxFormat::AlignRight);
            doc.write(cellName('H', row), item.rangeText, f);
        }
    }

    // Closing rule, serum indices, people and times.
    const int f = r2 + n + 1;
    XlsxFormat rule = base;
    rule.setTopBorderStyle(XlsxFormat::BorderThin);
    mergeCellBlock(doc, 'A', f, 9, 1, rule);
    doc.setRowHeight(f, f, 5.0);

    QVector<HtmlCell> serum;
    serumIndexText(errcodeTail, p.sampleJson, serum);
    char column = 'A';
    for (const HtmlCell& cell : qAsConst(serum)) {
        if (column > 'I')
            break;
        doc.write(cellName(column, f + 1), cell.text, XlsxFormat());
        mergeCellBlock(doc, column, f + 1, 3, 1, base);
        column += 3;
    }
    const int s1 = serum.isEmpty() ? f + 1 : f + 2;
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
