#include "MysqlDatadb.h"
#include "MysqlConnect.h"

#include <QSqlQuery>

MysqlDatadb::MysqlDatadb(QObject* parent) : QObject(parent) {}

// Silent by design: callers do not look at the result and the window keeps working offline.
bool MysqlDatadb::updateDeviceInfo(QString hospital, QString phone, QString address,
                                   QString devicename)
{
    MysqlConnect* conn = MysqlConnect::getInstance();
    if (!conn->open())
        return false;
    m_sqlDatabase = conn->database();

    const QString sql = QStringLiteral("UPDATE deviceinfomation SET hospital =:hospital,phone=:phone,"
                                       "adress=:adress WHERE devicename = :devicename");
    QSqlQuery query(m_sqlDatabase);
    return conn->exec(query, sql, {hospital, phone, address, devicename});
}
