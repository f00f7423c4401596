#pragma once
#include <QMap>
#include <QString>

// Conventional unit of one analyte: conventional value = SI value * factor.
struct UnitConvert
{
    QString item;
    QString unit;
    double factor = 1;
    int decimals = 0;
    int secondDecimals = 0;
};

// Analyte code (exact, case-sensitive) to its conventional unit; complete before main runs.
extern const QMap<QString, UnitConvert> unitConvertMap;
