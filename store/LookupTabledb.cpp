#include "LookupTabledb.h"

#include "DictEntry.h"
#include "SqlUtil.h"

#include <QDebug>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString quoted(const QString& identifier)
{
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

} // namespace

LookupTabledb::LookupTabledb(const QString& tableName, const QStringList& columns, QObject* parent)
    : QObject(parent), m_tableName(tableName), m_columns(columns)
{
}

bool LookupTabledb::queryRows(QVector<QStringList>* rows)
{
    QStringList cols;
    for (const QString& c : m_columns)
        cols << quoted(c);
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select %1 from %2 order by rowid").arg(cols.join(QLatin1Char(',')),
                                                                            quoted(m_tableName)))) {
        logSqlError("LookupTabledb::queryRows", query);
        return false;
    }
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < m_columns.size(); ++i)
            row << query.value(i).toString();
        if (rows)
            rows->append(row);
    }
    return true;
}

bool LookupTabledb::replaceRows(const QVector<QStringList>& rows)
{
    QSqlDatabase db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
    if (!db.isOpen()) {
        qDebug() << "LookupTabledb::replaceRows database not open" << m_tableName;
        return false;
    }
    if (!db.transaction()) {
        logSqlError("LookupTabledb::replaceRows", QStringLiteral("BEGIN"), db);
        return false;
    }
    bool ok = true;
    {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("delete from %1").arg(quoted(m_tableName)))) {
            logSqlError("LookupTabledb::replaceRows", query);
            ok = false;
        }
        QStringList cols;
        QStringList marks;
        for (const QString& c : m_columns) {
            cols << quoted(c);
            marks << QStringLiteral("?");
        }
        if (ok && !query.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                                     .arg(quoted(m_tableName), cols.join(QLatin1Char(',')),
                                          marks.join(QLatin1Char(','))))) {
            logSqlError("LookupTabledb::replaceRows", query);
            ok = false;
        }
        for (int r = 0; ok && r < rows.size(); ++r) {
            const QStringList& row = rows.at(r);
            if (row.size() != m_columns.size()) {
                qDebug() << "LookupTabledb::replaceRows row" << r << "has" << row.size() << "values, expected"
                         << m_columns.size();
                ok = false;
                break;
            }
            for (int c = 0; c < row.size(); ++c)
                query.bindValue(c, row.at(c));
            if (!query.exec()) {
                logSqlError("LookupTabledb::replaceRows", query);
                ok = false;
            }
        }
    }
    if (ok && !db.commit()) {
        logSqlError("LookupTabledb::replaceRows", QStringLiteral("COMMIT"), db);
        ok = false;
    }
    if (!ok)
        db.rollback();
    return ok;
}

bool LookupTabledb::queryDict(QVector<DictEntry>* out, const char* caller)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select * from %1 order by id").arg(quoted(m_tableName)))) {
        logSqlError(caller, query);
        return false;
    }
    QVector<DictEntry> found;
    while (query.next()) {
        DictEntry e;
        e.id = query.value(0).toInt();
        e.name = query.value(1).toString();
        found.append(e);
    }
    if (out)
        *out += found;
    return true;
}
