#include "Sendinspectordb.h"

Sendinspectordb::Sendinspectordb(QObject* parent) : LookupTabledb(QStringLiteral("sendinspector"), {QStringLiteral("name")}, parent)
{
}

bool Sendinspectordb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Sendinspectordb::queryAll");
}
