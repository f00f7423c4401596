#include "Inspectdb.h"

Inspectdb::Inspectdb(QObject* parent) : LookupTabledb(QStringLiteral("inspectremark"), {QStringLiteral("name")}, parent)
{
}

bool Inspectdb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Inspectdb::queryAll");
}
