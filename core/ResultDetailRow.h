#ifndef RESULTDETAILROW_H
#define RESULTDETAILROW_H

#include <QString>

// One analyte row of the result detail view, in the unit system shown.
struct ResultDetailRow
{
    int storedIndex = -1;   // position of the analyte in the stored test-results array
    QString code;           // "N" as stored
    QString shownCode;      // the code as the view shows it ("Ca2+" reads "Ca")
    QString name;           // full name in the current language
    QString valueText;      // the value, or a limit text ("≥", "≤" and a limit, or "---")
    double value = 0;       // the shown value as a number, before any limit text
    QString targetText;     // QC run: the target value; empty otherwise
    QString rangeText;      // "low-high"; empty when both limits are 0
    QString unitText;
    QString color;          // "#00afd6" below the range, "#eb1c30" above it, else empty
    bool addedByHand = false;
};

#endif // RESULTDETAILROW_H
