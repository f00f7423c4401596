#include "chkPreviewPage.h"

#include "elementTemplate.h"
#include "printTool.h"
#include "testReportBuilder.h"

#include <QCoreApplication>
#include <QLayout>
#include <QWidget>

chkPreviewPage::chkPreviewPage() = default;

chkPreviewPage::~chkPreviewPage()
{
    delete previewTool;
    previewTool = nullptr;
}

void chkPreviewPage::clearHost(QWidget* host)
{
    if (!host)
        return;
    if (QLayout* layout = host->layout()) {
        while (QLayoutItem* item = layout->takeAt(0)) {
            delete item->widget();
            delete item;
        }
    }
    // Widgets parented to the host outside its layout.
    for (QWidget* w : host->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete w;
}

void chkPreviewPage::showPreview(QWidget* host)
{
    clearHost(host);
    delete previewTool;
    previewTool = nullptr;
    previewTool = new printTool(paperMode, nullptr);
    previewTool->m_title = buildTitle();
    previewTool->m_body = buildBody(reportItems);
    previewTool->m_contact = buildContact();
    previewTool->previewInWidget(host);
}

QString chkPreviewPage::buildTitle() const
{
    return testReportBuilder<chkPreviewPage, elementTemplate>::title(*this);
}

QString chkPreviewPage::buildContact() const
{
    return testReportBuilder<chkPreviewPage, elementTemplate>::contact(*this);
}

QString chkPreviewPage::buildBody(const QVector<ReportItem>& rows)
{
    if (patientInfo.customText.isEmpty())
        patientInfo.customText = QCoreApplication::translate("T", "责任声明");
    return testReportBuilder<chkPreviewPage, elementTemplate>::body(*this, rows);
}
