#pragma once
#include "ReportPatientInfo.h"
#include "printHtml.h"

#include <QString>

// The test report page: printHtml state, the case texts and the report outputs.
class chkReportPage : public printHtml
{
public:
    chkReportPage();
    ~chkReportPage();

    // Colour, arrow and gauge picture name (":/images/<name>") of a result against its range.
    static QString resultGauge(double value, double low, double high, QString& image, QString& arrow);

    bool printClinical = false;  // paper layout 3: print clinical significance
    QString ageText;
    ReportPatientInfo patientInfo;

private:
    chkReportPage(const chkReportPage&) = delete;
    chkReportPage& operator=(const chkReportPage&) = delete;
};
