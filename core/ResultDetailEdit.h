#ifndef RESULTDETAILEDIT_H
#define RESULTDETAILEDIT_H

#include <QString>

// One row of the detail table as the save reads it: the texts now in the cells and the texts
// the view put there, so that only cells the user changed are converted back.
struct ResultDetailEdit
{
    int storedIndex = -1;   // -1: a row added by hand in the table
    QString storedCode;     // "N" of the stored analyte the row was filled from
    QString codeText;       // column 1
    QString valueText, shownValueText;     // column 3
    bool hasTargetItem = false;
    QString targetText, shownTargetText;   // column 4
    QString rangeText, shownRangeText;     // column 5
    QString unitText, shownUnitText;       // column 6
    bool addedByHand = false;              // the hand-added mark on column 2
};

#endif // RESULTDETAILEDIT_H
