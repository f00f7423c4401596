#include "printTool.h"

#include "ReportFonts.h"
#include "elementBase.h"

#include <QAbstractTextDocumentLayout>
#include <QDebug>
#include <QGridLayout>
#include <QLayout>
#include <QPainter>
#include <QPolygon>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QWidget>

#include <cmath>
#include <memory>

namespace {

QTextDocument* layoutDocument(const QString& html, double width, double height)
{
    auto* doc = new QTextDocument();
    doc->setPageSize(QSizeF(width, height));
    doc->setHtml(html);
    return doc;
}

double rightEdge(const QTextDocument& doc, QTextFrame* frame)
{
    double right = doc.documentLayout()->frameBoundingRect(frame).right();
    for (QTextFrame* child : frame->childFrames())
        right = qMax(right, rightEdge(doc, child));
    return right;
}

// The scale that brings what a document laid out at `width` really takes back within that
// width; 1 when it fits. Qt's table layout can end a nested table past its cell: the result
// bar, with its collapsed cell borders, runs a few units over at many widths.
double fitScale(const QTextDocument& doc, double width)
{
    const double right = qMax(doc.documentLayout()->documentSize().width(), rightEdge(doc, doc.rootFrame()));
    return right > width && width > 0 ? width / right : 1.0;
}

// Draws the part of the document in `clip` (document units, as wide as the page) at the
// painter's origin, shrunk by `scale` so that nothing reaches past the page's width.
void drawScaled(QPainter& painter, QTextDocument& doc, double scale, const QRectF& clip)
{
    painter.save();
    painter.scale(scale, scale);
    painter.translate(-clip.x(), -clip.y());
    doc.drawContents(&painter, QRectF(clip.x(), clip.y(), clip.width() / scale, clip.height()));
    painter.restore();
}

} // namespace

printTool::printTool(int paperMode, QObject* parent) : QObject(parent), m_paperMode(paperMode)
{
    ReportFonts::install();
}

printTool::~printTool()
{
    delete m_printer;
    m_printer = nullptr;
}

QPrinter* printTool::printer()
{
    return m_printer ? m_printer : createPrinter();
}

QPrinter* printTool::createPrinter()
{
    if (m_printer) {
        delete m_printer;
        m_printer = nullptr;
    }
    m_printer = new QPrinter(QPrinter::ScreenResolution);
    if (m_paperMode == 1) {
        m_printer->setPageOrientation(QPageLayout::Landscape);
        m_printer->setPageSize(QPageSize(QPageSize::A5));
    } else {
        m_printer->setPageOrientation(QPageLayout::Portrait);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
    }
    if (m_paperMode == 0 || m_paperMode == 1) {
        m_printer->setPageMargins(QMarginsF(0, 50, 0, 0));
    } else {
        const QMarginsF m = m_printer->pageLayout().margins(QPageLayout::Millimeter);
        m_printer->setPageMargins(QMarginsF(m.left() + 10, m.top() + 10, m.right() + 10, m.bottom() + 10),
                                  QPageLayout::Millimeter);
    }
    return m_printer;
}

void printTool::previewInWidget(QWidget* host)
{
    if (!host)
        return;
    if (host->layout()) {
        clearLayout(host->layout());
    } else {
        auto* grid = new QGridLayout(host);
        grid->setContentsMargins(0, 0, 0, 0);
    }
    auto* preview = new QPrintPreviewWidget(printer(), host);
    host->layout()->addWidget(preview);
    preview->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(preview, &QPrintPreviewWidget::paintRequested, this, &printTool::slotPrintPreview);
    preview->updatePreview();
}

void printTool::showPreviewDialog()
{
    QPrintPreviewDialog dialog(printer());
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &printTool::slotPrintPreview);
    if (QScreen* screen = dialog.screen()) {
        const QRect area = screen->availableGeometry();
        dialog.resize(area.width() / 2, area.height() * 9 / 10);
    }
    dialog.exec();
}

bool printTool::printDirect()
{
    QPrinter* p = printer();
    if (p->outputFormat() == QPrinter::NativeFormat && p->printerName().isEmpty()) {
        qWarning() << "printTool::printDirect no printer";
        return false;
    }
    m_printFailed = false;
    QPrintPreviewWidget preview(p);
    preview.setZoomMode(QPrintPreviewWidget::FitInView);
    connect(&preview, &QPrintPreviewWidget::paintRequested, this, &printTool::slotPrintPreview);
    preview.print();
    return !m_printFailed;
}

QString printTool::noPrinterText()
{
    return tr("没有可用的打印机，报告未打印。请连接打印机并将其设为默认打印机后重试。");
}

void printTool::exportPdf(const QString& fileName)
{
    QPrinter* p = printer();
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(fileName);
    printDocument(p);
}

void printTool::slotPrintPreview(QPrinter* _printer)
{
    printDocument(_printer);
}

bool printTool::printDocument(QPrinter* printer)
{
    if (!printer)
        return false;
    const double W = printer->width();
    const double H = printer->height();
    const double hT = measureHeight(m_title);
    const double hC = measureHeight(m_contact);

    // Body height of one report page when n report pages share a sheet.
    auto bodyHeight = [&](int n) {
        double rest = H;
        if (hT != 0)
            rest -= (hT + 10) * n;
        if (hC != 0)
            rest -= (hC + 10) * n;
        rest -= 20.0 * n;
        return rest / n;
    };
    // When title and contact leave the body no room at all, fewer report pages go on a sheet;
    // when even one does not fit, title, body and contact run on as one flow (title on the
    // first page, contact on the last), so that nothing is lost.
    int n = qMax(1, m_pagesPerSheet);
    while (n > 1 && bodyHeight(n) <= 0)
        --n;
    const bool flow = bodyHeight(n) <= 0;
    const double bodyH = flow ? qMax(1.0, H - 20) : bodyHeight(n);

    std::unique_ptr<QTextDocument> title(layoutDocument(m_title, W, hT));
    std::unique_ptr<QTextDocument> contact(layoutDocument(m_contact, W, hC));
    std::unique_ptr<QTextDocument> body(
        layoutDocument(flow ? m_title + m_body + m_contact : m_body, W, bodyH));
    const int P = body->pageCount();
    const bool showTitle = !flow && hT != 0;
    const bool showContact = !flow && hC != 0;
    // Laid out at the printable width, but drawn within it even where the layout ran past it.
    const double titleScale = fitScale(*title, W);
    const double contactScale = fitScale(*contact, W);
    const double bodyScale = fitScale(*body, W);

    QPainter painter;
    if (!painter.begin(printer)) {
        qWarning() << "printTool::printDocument cannot draw on" << printer->printerName();
        m_printFailed = true;
        return false;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const int sheets = P / n + (P % n > 0 ? 1 : 0);
    int p = 0;
    for (int sheet = 0; sheet < sheets; ++sheet) {
        painter.save();
        for (int slot = 0; slot < n && p < P; ++slot) {
            if (showTitle) {
                drawScaled(painter, *title, titleScale, QRectF(0, 0, W, hT));
                drawPageMark(&painter, int(hT), int(W));
                painter.translate(0, hT + 10);
            }
            drawScaled(painter, *body, bodyScale, QRectF(0, p * bodyH, W, bodyH));
            if (showContact) {
                drawPageMark(&painter, int(bodyH), int(W));
                painter.translate(0, bodyH + 10);
                drawScaled(painter, *contact, contactScale, QRectF(0, 0, W, hC));
                painter.translate(0, hC);
            } else {
                painter.translate(0, bodyH);
            }
            // The footer line is 10 units high, less than a line of the font: unclipped, so
            // that the page numbers stay readable.
            painter.drawText(QRectF(0, 0, W, 10), Qt::AlignCenter | Qt::TextDontClip, QStringLiteral("%1 / %2").arg(p + 1).arg(P));
            painter.translate(0, 10);
            ++p;
        }
        painter.restore();
        if (sheet + 1 >= sheets)
            break;
        if (!printer->newPage())
            qWarning() << "newPage print fail " << sheet + 1;
    }
    return painter.end();
}

double printTool::measureHeight(const QString& html)
{
    if (html.isEmpty())
        return 0;
    QPrinter* p = printer();
    QTextDocument doc;
    doc.setPageSize(QSizeF(p->width(), p->height()));
    doc.setHtml(html);
    return doc.documentLayout()->documentSize().height();
}

void printTool::drawPageMark(QPainter* painter, int y, int width)
{
    const int w2 = (2 * width) / 5;
    painter->save();
    painter->setPen(QPen(Qt::transparent));
    painter->setBrush(QBrush(QColor(138, 170, 197), Qt::SolidPattern));
    painter->drawPolygon(QPolygon({QPoint(0, y), QPoint(w2 - 5, y), QPoint(w2, y + 10), QPoint(0, y + 10)}),
                         Qt::OddEvenFill);
    painter->setBrush(QBrush(QColor(128, 128, 128), Qt::SolidPattern));
    painter->drawPolygon(QPolygon({QPoint(w2, y), QPoint(width, y), QPoint(width, y + 10), QPoint(w2 + 5, y + 10)}),
                         Qt::OddEvenFill);
    painter->restore();
}

void printTool::clearLayout(QLayout* layout)
{
    if (!layout)
        return;
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* w = item->widget())
            w->deleteLater();
        if (QLayout* inner = item->layout())
            clearLayout(inner);
        delete item;
    }
}

bool printTool::fitFontSize(int fontSize, int passThrough, int maxHeight)
{
    const QMap<QString, QString> style{{QStringLiteral("style"), QStringLiteral("'font-size: %1px;'").arg(fontSize)}};
    auto wrap = [&style](const QString& part) {
        std::unique_ptr<elementBase> div(elementBase::createElementText(QStringLiteral("div"), part, style));
        return div->html();
    };
    const QString title = wrap(m_title);
    const QString contact = wrap(m_contact);
    const QString body = wrap(m_body);
    if (fontSize <= 7) {
        qDebug() << "already min font size " << 8;
        return false;
    }
    const int hTitle = int(measureHeight(title));
    const int hContact = int(measureHeight(contact));
    const int hBody = int(measureHeight(body));
    const int total = hBody + (hTitle != 0 ? hTitle + 10 : 0) + (hContact != 0 ? hContact + 10 : 0) + 20;
    if (total > maxHeight)
        return fitFontSize(fontSize - 1, passThrough, maxHeight);
    m_title = title;
    m_contact = contact;
    m_body = body;
    return true;
}

int printTool::bodyBottom(int* pageHeight)
{
    QPrinter* p = printer();
    QTextDocument doc;
    doc.setPageSize(QSizeF(p->width(), p->height()));
    doc.setHtml(m_body);
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    const QRectF r = doc.documentLayout()->blockBoundingRect(cursor.block());
    if (pageHeight)
        *pageHeight = p->height();
    return int(r.y() + r.height());
}
