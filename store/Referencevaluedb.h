#pragma once
#include "LookupTabledb.h"
#include "ReferencevalueEntry.h"

// Lookup table "referencevalue": test-item names keyed by projectid.
class Referencevaluedb : public LookupTabledb
{
    Q_OBJECT
public:
    explicit Referencevaluedb(QObject* parent = nullptr);
    // Appends every row in projectid order; false when the query fails.
    bool queryAll(QVector<ReferencevalueEntry>* out);
};
