#pragma once
#include "ReportPatientInfo.h"
#include "previewHtml.h"

#include <QString>
#include <QVector>

class QWidget;

// Template preview of the test report for the print settings: the same blocks as the printed
// page, every optional part numbered and a switched-off part struck through in its place.
// Owns its printTool (previewTool).
class chkPreviewPage : public previewHtml
{
public:
    chkPreviewPage();
    ~chkPreviewPage();

    // Builds the three blocks and shows them in host through a new printTool. The preview
    // shown in host before is taken out of it before the printTool it draws through is freed.
    void showPreview(QWidget* host);

    // Takes every preview widget out of host and deletes it now, so that nothing left in the
    // host draws through a printer about to be freed.
    static void clearHost(QWidget* host);

    QString buildTitle() const;
    QString buildContact() const;
    // Fills an empty custom text with the placeholder "责任声明" (kept in the page).
    QString buildBody(const QVector<ReportItem>& rows);

    bool printClinical = false;   // paper layout 3; not read by the preview
    QString ageText;
    ReportPatientInfo patientInfo;

private:
    chkPreviewPage(const chkPreviewPage&) = delete;
    chkPreviewPage& operator=(const chkPreviewPage&) = delete;
};
