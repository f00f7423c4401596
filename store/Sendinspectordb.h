#pragma once
#include "DictEntry.h"
#include "LookupTabledb.h"

// Lookup table "sendinspector".
class Sendinspectordb : public LookupTabledb
{
    Q_OBJECT
public:
    explicit Sendinspectordb(QObject* parent = nullptr);
    // Appends every row (id, name) in id order; false when the query fails.
    bool queryAll(QVector<DictEntry>* out);
};
