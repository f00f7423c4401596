#pragma once
#include <QString>

// Result texts of a stored SI result. Unit mode 1 means conventional units (codes found in
// unitConvertMap are converted); every other mode means SI units.

// Text of a value at or below the lower measuring limit: "≤limit", "---" or the value.
QString resultLimitText(QString code, const double& value, const double& lowerLimit);
// Whether a value (in its shown unit) lies below the analyte's tolerance: a failed measurement,
// printed as "---" (-1000 always is).
bool belowTolerance(const QString& code, double value);
QString convertUnitValue(QString code, double value, int unitMode);
// "low-high"; converts low and high in place (rounded to the shown decimals).
QString convertUnitRange(QString code, double& low, double& high, int unitMode);
QString unitOfProject(QString code, QString unit, int unitMode);
void convertUnitLimits(QString code, int unitMode, double& lower, double& upper);
