#include "Sampletypedb.h"

Sampletypedb::Sampletypedb(QObject* parent) : LookupTabledb(QStringLiteral("sampletype"), {QStringLiteral("name")}, parent)
{
}

bool Sampletypedb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Sampletypedb::queryAll");
}
