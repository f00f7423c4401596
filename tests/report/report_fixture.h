#pragma once
// Sample patient block and clinic details shared by the test-report tests.
#include "chkReportPage.h"

#include <QDir>
#include <QSettings>
#include <QString>

namespace report_fixture {

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
