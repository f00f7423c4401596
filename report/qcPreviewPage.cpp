#include "qcPreviewPage.h"

#include "elementTemplate.h"
#include "printTool.h"
#include "qcReportBlocks.h"

#include <QCoreApplication>
#include <QPrintPreviewWidget>

namespace {
using Blocks = qcReportBlocks<elementTemplate>;
}

qcPreviewPage::qcPreviewPage()
{
    optionMask = 0;
    qcProduct = 1;
}

qcPreviewPage::~qcPreviewPage()
{
    delete previewTool;
    previewTool = nullptr;
}

QString qcPreviewPage::buildTitle() const
{
    return Blocks::title(*this, *this);
}

QString qcPreviewPage::buildContact() const
{
    return Blocks::contact(*this);
}

QString qcPreviewPage::buildBody(const QVector<ReportItem>& rows)
{
    if (customText.isEmpty())
        customText = QCoreApplication::translate("T", "责任声明");
    return Blocks::body(*this, *this, rows);
}

void qcPreviewPage::showPreview(QWidget* host)
{
    // The host's preview paints with the printer of the old print object: it goes first.
    if (host)
        qDeleteAll(host->findChildren<QPrintPreviewWidget*>(QString(), Qt::FindDirectChildrenOnly));
    delete previewTool;
    previewTool = new printTool(paperMode, nullptr);
    previewTool->m_pagesPerSheet = 1;
    previewTool->m_title = buildTitle();
    previewTool->m_body = buildBody(reportItems);
    previewTool->m_contact = buildContact();
    previewTool->previewInWidget(host);
}
