#pragma once
#include <QString>

// One lookup-list row.
struct DictEntry
{
    int id = 0;
    QString name;
};
