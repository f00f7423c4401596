#pragma once
#include <QString>
#include <QVector>

// One column of a report results table.
struct ReportColumnSpec
{
    int column = 0;
    int widthPercent = 0;
    bool shown = true;
    QString alignment = QStringLiteral("left");
};

// Results table with the low/middle/high bar (10 columns) and with the arrow hint (8 columns).
// Widths add up to 100. Builders copy them and never change them.
extern const QVector<ReportColumnSpec> chartColumnLayout;
extern const QVector<ReportColumnSpec> arrowColumnLayout;
