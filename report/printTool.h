#pragma once
#include <QObject>
#include <QString>

class QLayout;
class QPainter;
class QPrinter;
class QWidget;

// Lays a report's title, body and contact out on A4 or A5 pages (title and contact on every
// report page, separator bands, page footer "p / P", n report pages per sheet) and sends them
// to a preview widget, a preview dialog, the default printer or a PDF file.
class printTool : public QObject
{
    Q_OBJECT
public:
    explicit printTool(int paperMode, QObject* parent = nullptr);
    ~printTool() override;

    QPrinter* createPrinter();
    void previewInWidget(QWidget* host);
    void showPreviewDialog();
    void printDirect();
    void exportPdf(const QString& fileName);
    void printDocument(QPrinter* printer);
    double measureHeight(const QString& html);
    static void drawPageMark(QPainter* painter, int y, int width);
    static void clearLayout(QLayout* layout);
    bool fitFontSize(int fontSize, int passThrough, int maxHeight);
    int bodyBottom(int* pageHeight);

    int m_paperMode;
    QPrinter* m_printer = nullptr;
    QString m_body;
    QString m_title;
    QString m_contact;
    int m_pagesPerSheet = 1;

public slots:
    void slotPrintPreview(QPrinter* _printer);

private:
    QPrinter* printer();
};
