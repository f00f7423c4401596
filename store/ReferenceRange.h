#pragma once
#include <QString>

// One reference-range row of config.db.
struct ReferenceRange
{
    QString gender;
    QString indicators;
    QString ageRange;
    QString unit;
    double down = 0.0;
    double up = 0.0;
};
