#include "qcReportPage.h"

#include "XlsxDocument.h"
#include "XlsxFormat.h"
#include "mergeCellBlock.h"
#include "printTool.h"
#include "qcReportBlocks.h"
#include "reportFileWriter.h"
#include "reportWorkbookFrame.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>

#include <memory>

namespace {

using Blocks = qcReportBlocks<elementBase>;

QString cellName(char column, int row)
{
    return QStringLiteral("%1%2").arg(QLatin1Char(column)).arg(row);
}

QString label(const char* text)
{
    return QCoreApplication::translate("T", text);
}

} // namespace

qcReportPage::qcReportPage()
{
    optionMask = 0;
    qcProduct = 0;
}

qcReportPage::~qcReportPage()
{
    // The outputs use print objects of their own; one left behind is the page's.
    delete previewTool;
    previewTool = nullptr;
}

QString qcReportPage::buildTitle() const
{
    return Blocks::title(*this, *this);
}

QString qcReportPage::buildContact() const
{
    return Blocks::contact(*this);
}

QString qcReportPage::buildBody(const QVector<ReportItem>& rows) const
{
    return Blocks::body(*this, *this, rows);
}

printTool* qcReportPage::makePrintTool() const
{
    auto* tool = new printTool(paperMode, nullptr);
    tool->m_title = buildTitle();
    tool->m_contact = buildContact();
    tool->m_body = buildBody(reportItems);
    return tool;
}

void qcReportPage::printPreview() const
{
    std::unique_ptr<printTool> tool(makePrintTool());
    tool->showPreviewDialog();
}

void qcReportPage::print() const
{
    std::unique_ptr<printTool> tool(makePrintTool());
    tool->printDirect();
}

bool qcReportPage::exportPdf(const QString& fileName) const
{
    std::unique_ptr<printTool> tool(makePrintTool());
    return reportFileWriter::writePdf(*tool, fileName);
}

bool qcReportPage::exportExcel(const QString& fileName) const
{
    XlsxDocument doc;
    reportWorkbookFrame::setUpSheet(doc);
    const XlsxFormat base = workbookBaseFormat();
    reportWorkbookFrame::writeHeading(doc, QStringLiteral("生化分析仪质控报告单"), !isOptionOff(QcOption::Logo));

    const QVector<HtmlCell> header{
        HtmlCell(QcOption::Product, label("质控品") + QLatin1Char(':') + Blocks::productName(qcProduct)),
        HtmlCell(QcOption::Lot, label("质控批号") + QLatin1Char(':') + qcLot),
        HtmlCell(QcOption::Division, label("科室") + QLatin1Char(':') + division),
    };
    const int r = writeMergedCell(3, header, 3, &doc);
    reportWorkbookFrame::writeBand(doc, r);

    // Results table: header row r + 1, one row per result below it.
    const int n = reportItems.size();
    const bool numbers = !isOptionOff(QcOption::NumberColumn);
    for (int row = r + 1; row <= r + 1 + n; ++row) {
        mergeCellBlock(doc, numbers ? 'C' : 'B', row, numbers ? 2 : 3, 1, base);
        mergeCellBlock(doc, 'H', row, 2, 1, base);
    }
    const int head = r + 1;
    XlsxFormat headFormat = base;
    headFormat.setBottomBorderStyle(XlsxFormat::BorderThin);
    for (char c = 'A'; c <= 'I'; ++c)
        doc.write(cellName(c, head), QString(), headFormat);
    doc.write(cellName(numbers ? 'B' : 'A', head), label("项目缩写"), XlsxFormat());
    doc.write(cellName(numbers ? 'C' : 'B', head), label("全称"), XlsxFormat());
    doc.write(cellName('E', head), label("检验结果"), XlsxFormat());
    doc.write(cellName('F', head), label("靶值"), XlsxFormat());
    doc.write(cellName('G', head), label("提示"), XlsxFormat());
    XlsxFormat rangeHead = headFormat;
    rangeHead.setHorizontalAlignment(XlsxFormat::AlignRight);
    doc.write(cellName('H', head), label("参考范围"), rangeHead);

    for (int k = 0; k < n; ++k) {
        const ReportItem item = reportItems.at(k);
        const int row = head + 1 + k;
        QString bar, arrow;
        const QString colour = rangeBar(item.value, item.low, item.high, item.upperLimit, bar, arrow);
        XlsxFormat f = base;
        if (!colour.isEmpty()) {
            QColor c;
            c.setNamedColor(colour);
            f.setFontColor(c);
        }
        if (numbers)
            doc.write(cellName('A', row), QString::number(k + 1), f);
        doc.write(cellName(numbers ? 'B' : 'A', row), item.code, f);
        doc.write(cellName(numbers ? 'C' : 'B', row), item.name, f);
        doc.write(cellName('E', row), item.resultText + item.unit, f);
        doc.write(cellName('F', row), item.target, f);
        doc.write(cellName('G', row), arrow, f);
        if (!(item.low == 0 && item.high == 0)) {
            f.setHorizontalAlignment(XlsxFormat::AlignRight);
            doc.write(cellName('H', row), item.rangeText, f);
        }
    }

    const int closing = head + 1 + n;
    XlsxFormat rule = base;
    rule.setTopBorderStyle(XlsxFormat::BorderThin);
    mergeCellBlock(doc, 'A', closing, 9, 1, rule);
    doc.setRowHeight(closing, closing, 5.0);

    const int s = closing + 1;
    QVector<HtmlCell> serum;
    serumIndexText(errcodeTail, sampleJson, serum);
    char column = 'A';
    for (const HtmlCell& cell : qAsConst(serum)) {
        if (column > 'I')
            break;
        doc.write(cellName(column, s), cell.text, XlsxFormat());
        mergeCellBlock(doc, column, s, 3, 1, base);
        column = char(column + 3);
    }
    const int t = serum.isEmpty() ? s : s + 1;

    const QVector<HtmlCell> signatures{
        HtmlCell(QcOption::Inspector, label("检验者") + QLatin1Char(':') + tester),
        HtmlCell(QcOption::Reviewer, label("审核者") + QLatin1Char(':') + reviewer),
        HtmlCell(QcOption::CheckTime, label("检验时间：") + testTime),
        HtmlCell(QcOption::PrintTime, label("打印时间") + QLatin1Char(':')
                                          + QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"))),
    };
    int u = writeMergedCell(t, signatures, 3, &doc);
    if (!isOptionOff(QcOption::SerialNumber)) {
        doc.write(cellName('A', u), label("序列号") + QLatin1Char(':') + serialNumber, XlsxFormat());
        mergeCellBlock(doc, 'A', u, 3, 1, base);
        ++u;
    }
    if (!isOptionOff(QcOption::CustomText)) {
        doc.write(cellName('A', u), customText, XlsxFormat());
        mergeCellBlock(doc, 'A', u, 8, 1, base);
        ++u;
    }
    reportWorkbookFrame::writeBand(doc, u);
    reportWorkbookFrame::writeContact(doc, u + 1, !isOptionOff(QcOption::Phone), !isOptionOff(QcOption::Email),
                                      !isOptionOff(QcOption::Address));

    if (!doc.saveAs(fileName)) {
        qDebug() << "qcReportPage::exportExcel" << fileName << "error:" << doc.errorString();
        return false;
    }
    return true;
}
