#pragma once
#include <QString>

// One clinical-significance row.
struct ClinicalEntry
{
    int id = 0;
    QString projectname;
    QString projectvalue;
    QString remark;
};
