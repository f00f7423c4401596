#pragma once
#include <QString>

// The header block of a QC report.
struct QcReportInfo
{
    int qcProduct = 0;     // 0 first QC material, otherwise the second
    QString qcLot;
    QString division;
    QString testTime;
    QString tester;
    QString reviewer;
    QString customText;
    QString serialNumber;
    QString sampleJson;
};
