#pragma once
#include "ReportPatientInfo.h"
#include "printHtml.h"

#include <QString>
#include <QVector>

class printTool;

// The test report page: printHtml state, the case texts and the report outputs.
class chkReportPage : public printHtml
{
public:
    chkReportPage();
    ~chkReportPage();

    // Colour, arrow and gauge picture name (":/images/<name>") of a result against its range.
    static QString resultGauge(double value, double low, double high, QString& image, QString& arrow);

    // The three HTML parts of the printed report: results section, heading, contact block.
    QString buildBody(const QVector<ReportItem>& rows) const;
    QString buildTitle() const;
    QString buildContact() const;

    // Outputs; each builds the three parts afresh. The file outputs return false when the file
    // could not be written (an existing file is then left as it was).
    bool exportPdf(const QString& fileName) const;
    bool exportExcel(const QString& fileName) const;
    void printPreview() const;
    void printPreviewSheets(int pagesPerSheet) const;
    // Both false when nothing could be printed (no usable printer).
    bool print() const;
    bool printSheets(int pagesPerSheet) const;

    bool printClinical = false;  // paper layout 3: print clinical significance
    QString ageText;
    ReportPatientInfo patientInfo;

private:
    // A print object holding the three parts; pagesPerSheet 0 keeps its default.
    printTool* makePrintTool(int pagesPerSheet) const;

    chkReportPage(const chkReportPage&) = delete;
    chkReportPage& operator=(const chkReportPage&) = delete;
};
