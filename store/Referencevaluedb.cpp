#include "Referencevaluedb.h"

#include "SqlUtil.h"

#include <QSqlQuery>
#include <QVariant>

Referencevaluedb::Referencevaluedb(QObject* parent)
    : LookupTabledb(QStringLiteral("referencevalue"),
                    {QStringLiteral("projectid"), QStringLiteral("projectname"), QStringLiteral("projectchnname")},
                    parent)
{
}

bool Referencevaluedb::queryAll(QVector<ReferencevalueEntry>* out)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "select projectid, projectname, projectchnname from referencevalue order by projectid"))) {
        logSqlError("Referencevaluedb::queryAll", query);
        return false;
    }
    while (query.next()) {
        ReferencevalueEntry e;
        e.projectid = query.value(0).toInt();
        e.projectname = query.value(1).toString();
        e.projectchnname = query.value(2).toString();
        if (out)
            out->append(e);
    }
    return true;
}
