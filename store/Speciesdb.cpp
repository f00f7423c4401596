#include "Speciesdb.h"

Speciesdb::Speciesdb(QObject* parent) : LookupTabledb(QStringLiteral("species"), {QStringLiteral("name")}, parent)
{
}

bool Speciesdb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Speciesdb::queryAll");
}
