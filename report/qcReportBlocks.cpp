#include "qcReportBlocks.h"

#include "elementBase.h"
#include "elementTemplate.h"
#include "elementTreeHtml.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

using Attributes = QMap<QString, QString>;

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

QString label(const char* text)
{
    return QCoreApplication::translate("T", text);
}

} // namespace

template <class Node>
QString qcReportBlocks<Node>::productName(int qcProduct)
{
    return qcProduct == 0 ? label("质控一") : label("质控二");
}

template <class Node>
QString qcReportBlocks<Node>::title(const reportFragments<Node>& page, const QcReportInfo& info)
{
    const QVector<HtmlCell> cells{
        HtmlCell(QcOption::Product, label("质控品") + QLatin1Char(':') + productName(info.qcProduct)),
        HtmlCell(QcOption::Lot, label("质控批号") + QLatin1Char(':') + esc(info.qcLot)),
        HtmlCell(QcOption::Division, label("科室") + QLatin1Char(':') + esc(info.division)),
    };
    return renderAndDelete(page.reportTitle(label("生化分析仪质控报告单"), cells, 3));
}

template <class Node>
QString qcReportBlocks<Node>::contact(const reportFragments<Node>& page)
{
    return renderAndDelete(page.reportContact());
}

template <class Node>
QString qcReportBlocks<Node>::body(const reportFragments<Node>& page, const QcReportInfo& info,
                                   const QVector<ReportItem>& rows)
{
    const bool chart = page.chartMode;
    elementBase* root = page.fontDiv();
    elementBase* table = Node::createElement(
        QStringLiteral("table"),
        Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")},
                   {QStringLiteral("style"), QStringLiteral("' border-collapse: collapse; '")}});
    appendChild(root, table);
    appendChild(table, page.addHeaderRow(chart, true));
    elementBase* group = page.resultRows(rows, QcOption::NumberColumn, true);
    appendChild(table, group);

    QVector<HtmlCell> serum;
    page.serumIndexText(page.errcodeTail, info.sampleJson, serum);
    appendChild(root, page.createTable(serum, 3, 100));

    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    const QVector<HtmlCell> signatures{
        HtmlCell(QcOption::Inspector, label("检验者") + QLatin1Char(':') + esc(info.tester)),
        HtmlCell(QcOption::Reviewer, label("审核者") + QLatin1Char(':') + esc(info.reviewer)),
        HtmlCell(QcOption::CheckTime, label("检验时间：") + esc(info.testTime)),
        HtmlCell(QcOption::PrintTime, label("打印时间") + QLatin1Char(':') + now),
    };
    appendChild(root, page.createTable(signatures, 3, 100));

    Attributes serial;
    appendChild(root, page.addNumberedDiv(QcOption::SerialNumber,
                                          label("序列号") + QLatin1Char(':') + esc(info.serialNumber), serial));
    Attributes italic{{QStringLiteral("style"), QStringLiteral("'font-style:italic; font-size: 1vw;'")}};
    appendChild(root, page.addNumberedDiv(QcOption::CustomText, info.customText, italic));   // the user's own text
    return renderAndDelete(root);
}

template class qcReportBlocks<elementBase>;
template class qcReportBlocks<elementTemplate>;
