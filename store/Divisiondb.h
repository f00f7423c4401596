#pragma once
#include "DictEntry.h"
#include "LookupTabledb.h"

// Lookup table "division".
class Divisiondb : public LookupTabledb
{
    Q_OBJECT
public:
    explicit Divisiondb(QObject* parent = nullptr);
    // Appends every row (id, name) in id order; false when the query fails.
    bool queryAll(QVector<DictEntry>* out);
};
