#include "Clinicaldiagnosisdb.h"

Clinicaldiagnosisdb::Clinicaldiagnosisdb(QObject* parent) : LookupTabledb(QStringLiteral("clinicaldiagnosis"), {QStringLiteral("name")}, parent)
{
}

bool Clinicaldiagnosisdb::queryAll(QVector<DictEntry>* out)
{
    return queryDict(out, "Clinicaldiagnosisdb::queryAll");
}
