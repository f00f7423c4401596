#pragma once
#include <QString>

// One printed result row, in the display unit.
struct ReportItem
{
    double value = 0;
    double low = 0;
    double high = 0;
    double upperLimit = 0;  // top of the measuring range; the range bar falls back to high at 0
    QString code;
    QString name;
    QString resultText;
    QString unit;
    QString rangeText;
    int addType = 0;
    QString target = QStringLiteral("0");
};
