#pragma once
#include <QString>

// The header texts of a test report, printed as given.
struct ReportPatientInfo
{
    QString division;
    QString patientNumber;
    QString patientName;
    QString sampleType;
    QString sex;
    QString sampleNumber;
    QString sampleTime;
    QString submitter;
    QString tester;
    QString reviewer;
    QString submitTime;
    QString testTime;
    QString diagnosis;
    QString customText;    // the user's statement; may hold inline HTML
    QString serialNumber;
    QString birthday;
    QString sampleJson;    // patient information JSON; feeds the serum index line
};
