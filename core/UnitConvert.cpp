#include "UnitConvert.h"

#include <utility>

namespace {

QMap<QString, UnitConvert> buildUnitConvertMap()
{
    const std::pair<const char*, UnitConvert> entries[] = {
        {"ALB", {"ALB", "g/dL", 0.1, 2, 0}},
        {"Ca2+", {"Ca2+", "mg/dL", 4.0, 1, 2}},
        {"Ca", {"Ca", "mg/dL", 4.0, 1, 2}},
        {"TC", {"TC", "mg/dL", 38.7, 0, 1}},
        {"CRE", {"CRE", "mg/dL", 0.0113, 2, 0}},
        {"GLOB", {"GLOB", "g/dL", 0.1, 1, 0}},
        {"CHOL", {"CHOL", "mg/dL", 38.7, 0, 2}},
        {"P", {"P", "mg/dL", 3.1, 2, 2}},
        {"GLU", {"GLU", "mg/dL", 18.0, 0, 1}},
        {"Mg2+", {"Mg2+", "mg/dL", 2.431, 2, 2}},
        {"PHOS", {"PHOS", "mg/dL", 3.1, 2, 2}},
        {"TBIL", {"TBIL", "mg/dL", 0.0585, 2, 0}},
        {"TP", {"TP", "g/dL", 0.1, 2, 0}},
        {"UA", {"UA", "mg/dL", 0.0168, 2, 0}},
        {"DBIL", {"DBIL", "mg/dL", 0.0585, 2, 0}},
        {"IBIL", {"IBIL", "mg/dL", 0.0585, 1, 0}},
        {"UREA", {"UREA", "mg/dL", 6.006, 1, 1}},
        {"BUN", {"BUN", "mg/dL", 2.802, 1, 1}},
        {"TG", {"TG", "mg/dL", 88.5, 0, 2}},
        {"HDL-C", {"HDL-C", "mg/dL", 38.17, 1, 2}},
        {"LDL-C", {"LDL-C", "mg/dL", 38.48, 0, 2}},
        {"NH3", {"NH3", "ug/dL", 1.7, 0, 0}},
    };
    QMap<QString, UnitConvert> map;
    for (const auto& e : entries)
        map.insert(QString::fromLatin1(e.first), e.second);
    return map;
}

} // namespace

const QMap<QString, UnitConvert> unitConvertMap = buildUnitConvertMap();
