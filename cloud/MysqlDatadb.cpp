#include "MysqlDatadb.h"
#include "MysqlConnect.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

MysqlDatadb::MysqlDatadb(QObject* parent) : QObject(parent) {}

bool MysqlDatadb::updateDeviceInfo(QString hospital, QString phone, QString address,
                                   QString devicename)
{
    MysqlConnect* conn = MysqlConnect::getInstance();
    if (!conn->open()) {
        qDebug() << "MysqlDatadb::updateDeviceInfo cannot open the cloud database";
        return false;
    }
    m_sqlDatabase = conn->database();

    const QString sql = QStringLiteral("UPDATE deviceinfomation SET hospital =:hospital,phone=:phone,"
                                       "adress=:adress WHERE devicename = :devicename");
    QSqlQuery query(m_sqlDatabase);
    if (!conn->exec(query, sql, {hospital, phone, address, devicename})) {
        qDebug() << "MysqlDatadb::updateDeviceInfo sql:" << sql
                 << " error:" << query.lastError().text();
        return false;
    }
    return true;
}
