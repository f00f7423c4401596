#include "resultText.h"

#include "UnitConvert.h"

namespace {

// How far below zero a result may lie and still read as below the lower limit.
double tolerance(const QString& code)
{
    if (code == QLatin1String("TBIL") || code == QLatin1String("DBIL"))
        return -2;
    if (code == QLatin1String("ALT") || code == QLatin1String("AST") || code == QLatin1String("ALP"))
        return -5;
    if (code == QLatin1String("BUN") || code == QLatin1String("HCY"))
        return -1;
    if (code == QLatin1String("CK"))
        return -20;
    if (code == QLatin1String("GGT"))
        return -50;
    if (code == QLatin1String("CK-MB") || code == QLatin1String("AMY"))
        return -10;
    return 0;
}

QString general(double v)
{
    return QString::number(v, 'g', 6);
}

// v * factor as shown, and read back so that the number carries the shown rounding.
double convertRounded(double v, const UnitConvert& c)
{
    return QString::number(v * c.factor, 'f', c.decimals).toDouble();
}

} // namespace

QString resultLimitText(QString code, const double& value, const double& lowerLimit)
{
    const double t = tolerance(code);
    if (lowerLimit >= value && value >= t)
        return QStringLiteral("≤") + general(lowerLimit);
    if (value < t)
        return QStringLiteral("---");
    return general(value);
}

bool belowTolerance(const QString& code, double value)
{
    return value < tolerance(code);
}

QString convertUnitValue(QString code, double value, int unitMode)
{
    if (unitMode == 1 && value != -1000) {
        auto it = unitConvertMap.constFind(code);
        if (it != unitConvertMap.constEnd())
            return QString::number(value * it->factor, 'f', it->decimals);
    }
    return general(value);
}

QString convertUnitRange(QString code, double& low, double& high, int unitMode)
{
    if (unitMode == 1) {
        auto it = unitConvertMap.constFind(code);
        if (it != unitConvertMap.constEnd()) {
            low = convertRounded(low, *it);
            high = convertRounded(high, *it);
            return QString::number(low, 'f', it->decimals) + QLatin1Char('-')
                   + QString::number(high, 'f', it->decimals);
        }
    }
    return general(low) + QLatin1Char('-') + general(high);
}

QString unitOfProject(QString code, QString unit, int unitMode)
{
    if (unitMode == 1) {
        auto it = unitConvertMap.constFind(code);
        if (it != unitConvertMap.constEnd())
            return it->unit;
    }
    return unit;
}

void convertUnitLimits(QString code, int unitMode, double& lower, double& upper)
{
    if (unitMode != 1)
        return;
    auto it = unitConvertMap.constFind(code);
    if (it == unitConvertMap.constEnd())
        return;
    lower = convertRounded(lower, *it);
    upper = convertRounded(upper, *it);
}
