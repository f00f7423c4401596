#include "ConsolidatedTable.h"

#include "PanelChkRecord.h"
#include "ReportAssembly.h"
#include "PrintSettings.h"
#include "chkReportPage.h"

#include <QCoreApplication>
#include <QDebug>

QVector<ResultDetailRow> ConsolidatedTable::rows(const PanelChkRecord& record, int unitMode,
                                                 const QcLimits& qcLimits, const NameOf& nameOf)
{
    QJsonArray results;
    if (!ResultDetail::parseResults(record.testresults, &results)) {
        qDebug() << "ConsolidatedTable::rows unreadable test results, id:" << record.id;
        return {};
    }
    return ResultDetail::buildRows(results, QStringList(), unitMode, record.testType == 1, qcLimits, nameOf);
}

ReportItem ConsolidatedTable::reportItem(const QString& code, const QString& resultText,
                                         const QString& filledText, double filledValue,
                                         const QString& rangeText, const QString& unit,
                                         const NameOf& nameOf)
{
    ReportItem item;
    item.code = code;
    item.name = nameOf ? nameOf(code) : QString();
    item.resultText = resultText;
    item.value = resultText == filledText ? filledValue : resultText.trimmed().toDouble();
    item.unit = unit;
    item.rangeText = rangeText;
    QString low, high;
    if (ResultDetail::splitRange(rangeText, &low, &high)) {
        item.low = low.toDouble();
        item.high = high.toDouble();
    } else if (rangeText.contains(QLatin1Char('-'))) {
        // Otherwise the parts around each "-", empty ones kept: "3.5-" reads as 3.5 and 0.
        const QStringList parts = rangeText.split(QLatin1Char('-'));
        item.low = parts.value(0).trimmed().toDouble();
        item.high = parts.value(1).trimmed().toDouble();
    }
    return item;
}

QString ConsolidatedTable::ageText(const QString& years, const QString& months)
{
    QString text = years + QCoreApplication::translate("T", "岁");
    if (!months.isEmpty())
        text += months + QCoreApplication::translate("T", "月");
    return text;
}

void ConsolidatedTable::fill(chkReportPage& page, const QVector<ReportItem>& items,
                             const ReportPatientInfo& info, const QString& ageText)
{
    ReportAssembly::applySettings(page);
    const QString customText = page.patientInfo.customText;
    page.reportItems = items;
    page.patientInfo = info;
    page.patientInfo.customText = customText;
    page.ageText = ageText;
}

int ConsolidatedTable::pagesPerSheet()
{
    return PrintSettings::readTest().paper != 0 ? 1 : 2;
}
