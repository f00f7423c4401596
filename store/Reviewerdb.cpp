#include "Reviewerdb.h"

Reviewerdb::Reviewerdb(QObject* parent) : LookupTabledb(QStringLiteral("reviewer"), {QStringLiteral("name")}, parent)
{
}

bool Reviewerdb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Reviewerdb::queryAll");
}
