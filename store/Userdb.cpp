#include "Userdb.h"

#include "SqlUtil.h"

#include <QDebug>
#include <QSqlQuery>
#include <QVariant>

Userdb::Userdb(QObject* parent, const QString& connection) : QObject(parent)
{
    if (!connection.isEmpty())
        m_sqlDatabase = QSqlDatabase::database(connection, false);
}

bool Userdb::insertData(const UserEntry& entry)
{
    QSqlQuery query(m_sqlDatabase);
    query.prepare(QStringLiteral("insert into user(devicename,devicepassword)values(:devicename,:devicepassword)"));
    query.bindValue(QStringLiteral(":devicename"), entry.devicename);
    query.bindValue(QStringLiteral(":devicepassword"), entry.devicepassword);
    if (!query.exec()) {
        logSqlError("Userdb::insertData", query);
        return false;
    }
    return true;
}

bool Userdb::queryAll(QVector<UserEntry>* out)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select id, devicename, devicepassword from user order by id"))) {
        logSqlError("Userdb::queryAll", query);
        return false;
    }
    while (query.next()) {
        UserEntry e;
        e.id = query.value(0).toInt();
        e.devicename = query.value(1).toString();
        e.devicepassword = query.value(2).toString();
        qDebug() << "data.devicename:" << e.devicename;
        if (out)
            out->append(e);
    }
    return true;
}

bool Userdb::deleteById(int id)
{
    QSqlQuery query(m_sqlDatabase);
    query.prepare(QStringLiteral("delete from user where id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        logSqlError("Userdb::deleteById", query);
        return false;
    }
    return true;
}
