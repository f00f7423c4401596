#include "Inspectordb.h"

Inspectordb::Inspectordb(QObject* parent) : LookupTabledb(QStringLiteral("inspector"), {QStringLiteral("name")}, parent)
{
}

bool Inspectordb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Inspectordb::queryAll");
}
