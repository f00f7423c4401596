#include "QcReportAssembly.h"

#include "PrintSettings.h"
#include "ResultDetail.h"
#include "SystemSettings.h"
#include "Translateword.h"
#include "qcReportPage.h"
#include "resultText.h"

#include <QDebug>
#include <QJsonObject>

void QcReportAssembly::applySettings(qcReportPage& page)
{
    const QcPrintOptions o = PrintSettings::readQc();
    page.chartMode = o.chart == 0;
    page.paperMode = o.paper;
    page.optionMask = o.optEnable;
    page.fontSize = o.fontSize;
    page.customText = o.customText;
    page.language = getLanguage();
}

QVector<ReportItem> QcReportAssembly::reportRows(const QJsonArray& analytes, const QSet<QString>& ticked,
                                                 int unitMode, const QcLimits& qcLimits, const NameOf& nameOf)
{
    QVector<ReportItem> rows;
    for (const QJsonValue& v : analytes) {
        const QJsonObject o = v.toObject();
        const QString code = o.value(QStringLiteral("N")).toString();
        if (!ticked.isEmpty() && !ticked.contains(code))
            continue;
        const QJsonArray a = o.value(QStringLiteral("I")).toArray();
        ReportItem item;
        item.code = code;
        item.name = nameOf ? nameOf(code) : QString();
        item.resultText = convertUnitValue(code, ResultDetail::number(a, 0), unitMode);
        item.value = item.resultText.toDouble();
        item.target = convertUnitValue(code, ResultDetail::number(a, 3), unitMode);
        item.addType = o.value(QStringLiteral("addType")).toInt();

        double lower = ResultDetail::number(a, 3), upper = ResultDetail::number(a, 4);
        convertUnitLimits(code, unitMode, lower, upper);
        item.upperLimit = upper;
        if (item.addType == 0 && upper != 0 && item.value >= upper)
            item.resultText = QStringLiteral("≥") + QString::number(upper, 'g', 6);
        else if (item.addType == 0 && belowTolerance(code, item.value))
            item.resultText = QStringLiteral("---");

        item.unit = unitOfProject(code, ResultDetail::unitOf(a), unitMode);
        double low = ResultDetail::number(a, 1), high = ResultDetail::number(a, 2);
        const QVector<double> limits = qcLimits ? qcLimits(code) : QVector<double>();
        if (limits.size() >= 2) {
            low = limits.at(0);
            high = limits.at(1);
        }
        item.rangeText = convertUnitRange(code, low, high, unitMode);
        item.low = low;
        item.high = high;
        rows.append(item);
    }
    return rows;
}

bool QcReportAssembly::fillFromResult(qcReportPage& page, const PanelQcResult& result, const QSet<QString>& ticked,
                                      const QcLimits& qcLimits)
{
    QJsonArray analytes;
    if (!ResultDetail::parseResults(result.result, &analytes)) {
        qDebug() << "QcReportAssembly::fillFromResult 数据解析有误" << result.id;
        return false;
    }
    Translateword* words = Translateword::getInstance();
    page.errcodeTail = result.Errcode.right(3);
    page.reportItems = reportRows(analytes, ticked, getUnitMode(), qcLimits,
                                  [words](const QString& code) { return words->transByKey(code); });
    page.qcProduct = result.QcProduct;
    page.qcLot = result.QcLot;
    page.division = words->trans(result.division, divisionIndexMap);
    page.testTime = result.chkdatetime.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    page.tester = result.inspectorname;
    page.reviewer = result.reviewername;
    page.serialNumber = result.machineid;
    page.sampleJson = result.patientinfo;
    return true;
}
