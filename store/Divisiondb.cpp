#include "Divisiondb.h"

Divisiondb::Divisiondb(QObject* parent) : LookupTabledb(QStringLiteral("division"), {QStringLiteral("name")}, parent)
{
}

bool Divisiondb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Divisiondb::queryAll");
}
