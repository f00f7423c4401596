#include "Animalsexdb.h"

Animalsexdb::Animalsexdb(QObject* parent) : LookupTabledb(QStringLiteral("animalsex"), {QStringLiteral("name")}, parent)
{
}

bool Animalsexdb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Animalsexdb::queryAll");
}
