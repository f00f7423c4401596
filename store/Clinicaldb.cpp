#include "Clinicaldb.h"

#include "SqlUtil.h"

#include <QSqlQuery>
#include <QVariant>

Clinicaldb::Clinicaldb(QObject* parent)
    : LookupTabledb(QStringLiteral("clinical"),
                    {QStringLiteral("projectname"), QStringLiteral("projectvalue"), QStringLiteral("remark")}, parent)
{
}

bool Clinicaldb::queryAll(QVector<ClinicalEntry>* out)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select id, projectname, projectvalue, remark from clinical order by id"))) {
        logSqlError("Clinicaldb::queryAll", query);
        return false;
    }
    while (query.next()) {
        ClinicalEntry e;
        e.id = query.value(0).toInt();
        e.projectname = query.value(1).toString();
        e.projectvalue = query.value(2).toString();
        e.remark = query.value(3).toString();
        if (out)
            out->append(e);
    }
    return true;
}
