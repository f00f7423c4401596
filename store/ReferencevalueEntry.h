#pragma once
#include <QString>

// One test-item name row.
struct ReferencevalueEntry
{
    int projectid = 0;
    QString projectname;
    QString projectchnname;
};
