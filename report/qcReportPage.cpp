#include "qcReportPage.h"

#include "XlsxDocument.h"
#include "XlsxFormat.h"
#include "mergeCellBlock.h"
#include "printTool.h"
#include "qcReportBlocks.h"
#include "reportFileWriter.h"
#include "reportWorkbookFrame.h"

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

bool qcReportPage::print() const
{
    std::unique_ptr<printTool> tool(makePrintTool());
    return tool->printDirect();
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
    const int closing = reportWorkbookFrame::writeResults(
        doc, r + 1, reportItems, !isOptionOff(QcOption::NumberColumn), true, base,
        [](const ReportItem& item, QString& arrow) {
            QString bar;
            return rangeBar(item.value, item.low, item.high, item.upperLimit, bar, arrow);
        });
    QVector<HtmlCell> serum;
    serumIndexText(errcodeTail, sampleJson, serum);
    const int t = reportWorkbookFrame::writeClosing(doc, closing, serum, base);

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
