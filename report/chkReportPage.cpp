#include "chkReportPage.h"

#include "printTool.h"

chkReportPage::chkReportPage() = default;

chkReportPage::~chkReportPage()
{
    // The page owns the printTool behind its pointer (and with it the printer).
    if (previewTool) {
        delete previewTool;
        previewTool = nullptr;
    }
}

QString chkReportPage::resultGauge(double value, double low, double high, QString& image, QString& arrow)
{
    QString colour;
    if (high == 0 && low == 0) {
        image.clear();
        arrow.clear();
        return colour;
    }
    if (value > high) {
        arrow = QStringLiteral("↑");
        colour = QStringLiteral("red");
        if (value <= high * 6 / 5)
            image = QStringLiteral("11.png");
        else if (value <= high * 7 / 5)
            image = QStringLiteral("12.png");
        else if (value <= high * 8 / 5)
            image = QStringLiteral("13.png");
        else if (value <= high * 9 / 5)
            image = QStringLiteral("14.png");
        else
            image = QStringLiteral("15.png");
    } else if (value < low) {
        arrow = QStringLiteral("↓");
        colour = QStringLiteral("#0db9ef");
        if (value >= low * 4 / 5)
            image = QStringLiteral("05.png");
        else if (value >= low * 3 / 5)
            image = QStringLiteral("04.png");
        else if (value >= low * 2 / 5)
            image = QStringLiteral("03.png");
        else if (value >= low / 5)
            image = QStringLiteral("02.png");
        else
            image = QStringLiteral("01.png");
    } else {
        const double d = high - low;
        if (value <= low + d / 5)
            image = QStringLiteral("06.png");
        else if (value <= low + 2 * d / 5)
            image = QStringLiteral("07.png");
        else if (value <= low + 3 * d / 5)
            image = QStringLiteral("08.png");
        else if (value <= low + 4 * d / 5)
            image = QStringLiteral("09.png");
        else
            image = QStringLiteral("10.png");
    }
    return colour;
}
