#pragma once
#include "QcReportInfo.h"
#include "printHtml.h"

#include <QString>
#include <QVector>

class printTool;

// The QC report page: printHtml state, the QC header block and the report outputs. A page
// starts with every field set (option mask 0, first QC material, no rows).
class qcReportPage : public printHtml, public QcReportInfo
{
public:
    qcReportPage();
    ~qcReportPage();

    QString buildTitle() const;
    QString buildContact() const;
    QString buildBody(const QVector<ReportItem>& rows) const;

    // Outputs; each builds the report afresh. The file outputs return false when the file could
    // not be written (an existing file is then left as it was).
    void printPreview() const;
    // False when there is no printer to print on.
    bool print() const;
    bool exportPdf(const QString& fileName) const;
    bool exportExcel(const QString& fileName) const;

private:
    // A print object holding the three parts of the report.
    printTool* makePrintTool() const;

    qcReportPage(const qcReportPage&) = delete;
    qcReportPage& operator=(const qcReportPage&) = delete;
};
