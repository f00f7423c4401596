#include "testReportBuilder.h"

#include "chkPreviewPage.h"
#include "chkReportPage.h"
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

QString nowText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
}

} // namespace

QVector<HtmlCell> testReportCells::headingFields(const ReportPatientInfo& p, const QString& ageText,
                                                QString (*prepare)(const QString&))
{
    return {
        HtmlCell(5, QCoreApplication::translate("T", "科室：") + prepare(p.division)),
        HtmlCell(6, QCoreApplication::translate("T", "患者编号：") + prepare(p.patientNumber)),
        HtmlCell(7, QCoreApplication::translate("T", "姓名：") + prepare(p.patientName)),
        HtmlCell(8, QCoreApplication::translate("T", "样本类型：") + prepare(p.sampleType)),
        HtmlCell(9, QCoreApplication::translate("T", "性别：") + prepare(p.sex)),
        HtmlCell(10, QCoreApplication::translate("T", "样本编号：") + prepare(p.sampleNumber)),
        HtmlCell(11, QCoreApplication::translate("T", "年龄：") + prepare(ageText)),
        HtmlCell(12, QCoreApplication::translate("T", "生日：") + prepare(p.birthday)),
        HtmlCell(13, QCoreApplication::translate("T", "采样时间：") + prepare(p.sampleTime)),
    };
}

QVector<HtmlCell> testReportCells::peopleCells(const ReportPatientInfo& p, QString (*prepare)(const QString&))
{
    return {
        HtmlCell(15, QCoreApplication::translate("T", "送检者") + QLatin1Char(':') + prepare(p.submitter)),
        HtmlCell(16, QCoreApplication::translate("T", "检验者") + QLatin1Char(':') + prepare(p.tester)),
        HtmlCell(17, QCoreApplication::translate("T", "审核者") + QLatin1Char(':') + prepare(p.reviewer)),
        HtmlCell(18, QCoreApplication::translate("T", "送检时间：") + prepare(p.submitTime)),
        HtmlCell(19, QCoreApplication::translate("T", "检验时间：") + prepare(p.testTime)),
        HtmlCell(20, QCoreApplication::translate("T", "打印时间") + QLatin1Char(':') + nowText()),
    };
}

template <class Page, class Node>
QString testReportBuilder<Page, Node>::body(const Page& page, const QVector<ReportItem>& rows)
{
    elementBase* root = page.fontDiv();
    elementBase* table = elementBase::createElement(
        QStringLiteral("table"),
        Attributes{{QStringLiteral("width"), QStringLiteral("'100%'")},
                   {QStringLiteral("style"), QStringLiteral("' border-collapse: collapse; '")}});
    appendChild(root, table);
    appendChild(table, page.addHeaderRow(page.chartMode, false));
    elementBase* group = page.resultRows(rows, 14, false);
    appendChild(table, group);

    QVector<HtmlCell> serum;
    Page::serumIndexText(page.errcodeTail, page.patientInfo.sampleJson, serum);
    appendChild(root, page.createTable(serum, 3, 100));

    const ReportPatientInfo& p = page.patientInfo;
    appendChild(root, page.createTable(testReportCells::peopleCells(p, esc), 3, 100));

    Attributes a21, a22, a24;
    Attributes a23{{QStringLiteral("style"), QStringLiteral("'font-style:italic; font-size: 1vw;'")}};
    appendChild(root, page.addNumberedDiv(21, QCoreApplication::translate("T", "临床诊断：") + esc(p.diagnosis), a21));
    appendChild(root, page.addNumberedDiv(22, QCoreApplication::translate("T", "序列号") + QLatin1Char(':') + esc(p.serialNumber), a22));
    appendChild(root, page.addNumberedDiv(23, QCoreApplication::translate("T", "本次检验仅对该样本负责!"), a23));
    appendChild(root, page.addNumberedDiv(24, p.customText, a24));   // the user's own text, may hold HTML
    return renderAndDelete(root);
}

template <class Page, class Node>
QString testReportBuilder<Page, Node>::title(const Page& page)
{
    return renderAndDelete(page.reportTitle(QCoreApplication::translate("T", "生化检验报告单"),
                                            testReportCells::headingFields(page.patientInfo, page.ageText, esc), 4));
}

template <class Page, class Node>
QString testReportBuilder<Page, Node>::contact(const Page& page)
{
    return renderAndDelete(page.reportContact());
}

template struct testReportBuilder<chkReportPage, elementBase>;
template struct testReportBuilder<chkPreviewPage, elementTemplate>;
