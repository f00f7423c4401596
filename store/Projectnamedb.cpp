#include "Projectnamedb.h"

Projectnamedb::Projectnamedb(QObject* parent) : LookupTabledb(QStringLiteral("projectname"), {QStringLiteral("name")}, parent)
{
}

bool Projectnamedb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Projectnamedb::queryAll");
}
