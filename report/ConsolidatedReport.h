#pragma once
#include "Clinicaldiagnosisdb.h"
#include "Inspectdb.h"
#include "Inspectordb.h"
#include "PanelChkRecord.h"
#include "Reviewerdb.h"
#include "Sendinspectordb.h"
#include "baseDlg.h"

class chkReportPage;

namespace Ui {
class ConsolidatedReport;
}

// The merged report: the case fields and analyte rows of one merged record in editable widgets,
// printed, previewed or saved as PDF as the user left them. Nothing is written back. Modeless;
// a closed dialog frees itself.
class ConsolidatedReport : public baseDlg
{
    Q_OBJECT
public:
    ConsolidatedReport(const PanelChkRecord& record, QWidget* parent = nullptr);
    ~ConsolidatedReport() override;

    // Fills a page in its initial state from the widgets and the print settings.
    void buildReportHtml(chkReportPage& page);
    // Writes the report as a PDF file; false (and a message) when it cannot be written.
    bool savePdf(const QString& fileName);

    void retranslate() override;

    Ui::ConsolidatedReport* form() const { return ui; }

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void comboxfind();
    void on_pushButton_4_clicked();

private:
    void fillCaseFields();
    void fillTable();

    Ui::ConsolidatedReport* ui;
    PanelChkRecord m_record;
    Clinicaldiagnosisdb m_clinicaldiagnosisdb;
    Inspectdb m_inspectdb;
    Inspectordb m_inspectordb;
    Reviewerdb m_reviewerdb;
    Sendinspectordb m_sendinspectordb;
    QString m_machineId;
};
