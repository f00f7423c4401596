#pragma once
#include "QcReportInfo.h"
#include "previewHtml.h"

#include <QString>
#include <QVector>

class QWidget;

// The QC report as a settings template: numbered parts, switched-off ones struck through.
// The page owns the print object of its preview.
class qcPreviewPage : public previewHtml, public QcReportInfo
{
public:
    qcPreviewPage();
    ~qcPreviewPage();

    QString buildTitle() const;
    QString buildContact() const;
    // An empty custom text becomes the placeholder "责任声明" (kept by the page).
    QString buildBody(const QVector<ReportItem>& rows);

    // Renders the report into the host widget, replacing what it showed.
    void showPreview(QWidget* host);

private:
    qcPreviewPage(const qcPreviewPage&) = delete;
    qcPreviewPage& operator=(const qcPreviewPage&) = delete;
};
