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
    // Prints on the printer (the system's default one unless set otherwise); false when there is no
    // printer to print on or it cannot be drawn on.
    bool printDirect();
    // What the user is told when printDirect finds no printer.
    static QString noPrinterText();
    void exportPdf(const QString& fileName);
    // False when the printer cannot be drawn on.
    bool printDocument(QPrinter* printer);
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
    bool m_printFailed = false;
};
