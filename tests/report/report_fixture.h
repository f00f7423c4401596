#pragma once
// Sample patient block and clinic details shared by the test-report tests.
#include "chkReportPage.h"

#include <QDir>
#include <QSettings>
#include <QString>

#include <initializer_list>

namespace report_fixture {

// Option mask with the given option numbers switched off.
inline int bits(std::initializer_list<int> options)
{
    int mask = 0;
    for (int n : options)
        mask |= int(quint32(1) << n);
    return mask;
}

// One printed result row with its range text.
inline ReportItem item(const QString& code, const QString& name, double value, double low, double high,
                       const QString& result, const QString& unit, double upper = 0)
{
    ReportItem r;
    r.value = value;
    r.low = low;
    r.high = high;
    r.upperLimit = upper;
    r.code = code;
    r.name = name;
    r.resultText = result;
    r.unit = unit;
    r.rangeText = QString::number(low) + "-" + QString::number(high);
    return r;
}

// Fills the page's language, age and patient block with one sample case (markup in the name,
// HTML in the custom statement); the caller sets items, options and the error-code tail.
inline void fillPatient(chkReportPage& page)
{
    page.language = QStringLiteral("Chinese");
    page.ageText = QStringLiteral("1岁1月");
    ReportPatientInfo& p = page.patientInfo;
    p.division = QStringLiteral("内科");
    p.patientNumber = QStringLiteral("P-001");
    p.patientName = QStringLiteral("Bella <Lab> & Co");
    p.sampleType = QStringLiteral("血清");
    p.sex = QStringLiteral("雌");
    p.sampleNumber = QStringLiteral("S-7");
    p.sampleTime = QStringLiteral("2024/03/01 08:30:00");
    p.submitter = QStringLiteral("张三");
    p.tester = QStringLiteral("李四");
    p.reviewer = QStringLiteral("王五");
    p.submitTime = QStringLiteral("2024/03/01 09:00:00");
    p.testTime = QStringLiteral("2024/03/01 10:15:00");
    p.diagnosis = QStringLiteral("肾病?");
    p.customText = QStringLiteral("<b>自定义</b>说明");
    p.serialNumber = QStringLiteral("QV100200");
    p.birthday = QStringLiteral("2023-01-15");
}

// Writes the clinic details of "./saveFile/hospital.ini" with the given clinic name.
inline void writeHospital(const QString& name)
{
    QDir().mkpath("saveFile");
    QSettings s("./saveFile/hospital.ini", QSettings::IniFormat);
    s.setIniCodec("UTF8");
    s.setValue("/systemCfg/hospital", name);
    s.setValue("/systemCfg/address", QStringLiteral("滨江路 8 号"));
    s.setValue("/systemCfg/phone", QStringLiteral("0571-1234"));
    s.setValue("/systemCfg/email", QStringLiteral("vet@example.org"));
}

} // namespace report_fixture
