#pragma once
#include "ClinicalEntry.h"
#include "LookupTabledb.h"

// Lookup table "clinical": clinical significance per test item.
class Clinicaldb : public LookupTabledb
{
    Q_OBJECT
public:
    explicit Clinicaldb(QObject* parent = nullptr);
    // Appends every row in id order; false when the query fails.
    bool queryAll(QVector<ClinicalEntry>* out);
};
