#include "ReportAssembly.h"

#include "PanelChkRecord.h"
#include "PrintSettings.h"
#include "ResultDetail.h"
#include "SystemSettings.h"
#include "Translateword.h"
#include "chkReportPage.h"
#include "configAccess.h"
#include "resultText.h"

#include <QCoreApplication>
#include <QJsonObject>

int ReportAssembly::unitMode()
{
    return getUnitMode();
}

QStringList ReportAssembly::hiddenAnalytes(int panelId)
{
    return getHiddenAnalytes(panelId);
}

QVector<double> ReportAssembly::storedQcLimits(const QString& code)
{
    return configAccess::getInstance()->getQcLimits(code);
}

void ReportAssembly::applySettings(chkReportPage& page)
{
    const TestPrintOptions o = PrintSettings::readTest();
    page.optionMask = o.optEnable;
    page.language = getLanguage();
    page.paperMode = o.paper;
    page.chartMode = o.chart == 0;
    page.printClinical = o.paper == 3;
    page.fontSize = o.fontSize;
    page.patientInfo.customText = o.customText;
}

QSet<QString> ReportAssembly::tickedFor(const QString& resultId, const QString& detailResultId,
                                        const QSet<QString>& detailTicks)
{
    if (resultId.isEmpty() || resultId != detailResultId)
        return QSet<QString>();
    return detailTicks;
}

QVector<ReportItem> ReportAssembly::reportRows(const QJsonArray& results, const QStringList& hidden,
                                               const QSet<QString>& ticked, int unitMode, bool qcRun,
                                               const QcLimits& qcLimits, const NameOf& nameOf)
{
    QVector<ReportItem> rows;
    const double tgThreshold = unitMode == 1 ? 400.02 : 4.52;
    double tgValue = 0;
    for (const QJsonValue& v : results) {
        const QJsonObject o = v.toObject();
        const QString code = o.value(QStringLiteral("N")).toString();
        if (hidden.contains(code))
            continue;
        // The detail view shows "Ca2+" as "Ca"; its ticks name the code as shown.
        if (!ticked.isEmpty() && !ticked.contains(code) && !ticked.contains(ResultDetail::shownCode(code)))
            continue;
        const QJsonArray a = o.value(QStringLiteral("I")).toArray();
        ReportItem item;
        const QString valueText = convertUnitValue(code, ResultDetail::number(a, 0), unitMode);
        item.value = valueText.toDouble();
        item.resultText = valueText;
        item.target = qcRun ? convertUnitValue(code, ResultDetail::number(a, 3), unitMode) : QString();
        double lower = 0, upper = 0;
        ResultDetail::measuringLimits(a, code, qcRun, qcLimits, lower, upper);
        const int addType = o.value(QStringLiteral("addType")).toInt();
        item.addType = addType;
        if (addType == 0 && !ResultDetail::applyMeasuringLimits(code, unitMode, item.value, lower, upper,
                                                                 item.resultText)) {
            if (code == QLatin1String("TG"))
                tgValue = item.value;
            else if (code == QLatin1String("LDL-C") && tgValue >= tgThreshold)
                item.resultText = QStringLiteral("---");
        }
        item.unit = unitOfProject(code, ResultDetail::unitOf(a), unitMode);
        double low = ResultDetail::number(a, 1), high = ResultDetail::number(a, 2);
        item.rangeText = convertUnitRange(code, low, high, unitMode);
        item.low = low;
        item.high = high;
        item.upperLimit = upper;
        item.code = code;
        item.name = nameOf ? nameOf(code) : QString();
        rows.append(item);
    }
    return rows;
}

bool ReportAssembly::fillFromRecord(chkReportPage& page, const PanelChkRecord& record,
                                    const QSet<QString>& ticked, const QcLimits& qcLimits)
{
    page.errcodeTail = record.Errcode.right(3);
    QJsonArray results;
    // An empty text is no result list either: the report stays without a patient block.
    if (record.testresults.trimmed().isEmpty() || !ResultDetail::parseResults(record.testresults, &results)) {
        qDebug() << "数据解析有误";
        return false;
    }
    Translateword* words = Translateword::getInstance();
    page.reportItems = reportRows(results, hiddenAnalytes(record.panelid), ticked, unitMode(),
                                  record.testType == 1, qcLimits,
                                  [words](const QString& code) { return words->transByKey(code); });

    ReportPatientInfo& info = page.patientInfo;
    info.division = words->trans(record.speciesname, divisionIndexMap);
    info.patientNumber = record.number;
    info.patientName = record.name;
    info.sampleType = words->trans(record.sampletypename, sampleTypeIndexMap);
    info.sex = words->trans(record.animalsexname, sexIndexMap);
    info.sampleNumber = record.sampleid;
    info.sampleTime = timeText(record.sampletime, true);
    info.submitter = record.sendinspectorname;
    info.tester = record.inspectorname;
    info.reviewer = record.reviewername;
    info.submitTime = timeText(record.sendinspectordate, true);
    info.testTime = timeText(record.chkdatetime, false);
    info.diagnosis = record.clinicalinformation;
    info.serialNumber = record.machineid;
    info.birthday = record.birthday;
    info.sampleJson = record.patientinfo;
    page.ageText = ageText(record.age);
    return true;
}

QString ReportAssembly::ageText(const QString& days)
{
    return QString::number(ResultDetail::ageYears(days)) + QCoreApplication::translate("T", "岁")
           + QString::number(ResultDetail::ageMonths(days)) + QCoreApplication::translate("T", "月");
}

QString ReportAssembly::timeText(const QDateTime& time, bool placeholderIsEmpty)
{
    const QString text = time.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    if (placeholderIsEmpty && text == QLatin1String("2020/01/01 00:00:00"))
        return QString();
    return text;
}
