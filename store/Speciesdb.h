#pragma once
#include "DictEntry.h"
#include "LookupTabledb.h"

// Lookup table "species".
class Speciesdb : public LookupTabledb
{
    Q_OBJECT
public:
    explicit Speciesdb(QObject* parent = nullptr);
    // Appends every row (id, name) in id order; false when the query fails.
    bool queryAll(QVector<DictEntry>* out);
};
