#include "MysqlConnect.h"
#include "CloudConfig.h"

#include <QDebug>
#include <QSqlError>

MysqlConnect* MysqlConnect::getInstance()
{
    static MysqlConnect* instance = new MysqlConnect;
    return instance;
}

QSqlDatabase MysqlConnect::database() const
{
    return QSqlDatabase::database(connectionName(), false);
}

void MysqlConnect::close()
{
    QSqlDatabase db = database();
    if (db.isValid())
        db.close();
}

bool MysqlConnect::open()
{
    const CloudConfig cfg = CloudConfig::current();
    const QString target = QStringLiteral("%1|%2|%3|%4|%5")
                               .arg(cfg.mysqlHost)
                               .arg(cfg.mysqlPort)
                               .arg(cfg.mysqlDatabase, cfg.mysqlUser, cfg.mysqlPassword);

    QSqlDatabase db = database();
    if (!db.isValid()) {
        if (!QSqlDatabase::isDriverAvailable("QMYSQL")) {
            qDebug() << "MysqlConnect::open QMYSQL driver not available";
            return false;
        }
        db = QSqlDatabase::addDatabase("QMYSQL", connectionName());
    }
    if (db.isOpen() && target == m_target)
        return true;

    db.close();
    m_target = target;
    return openOn(db, cfg);
}

bool MysqlConnect::openOn(QSqlDatabase& db, const CloudConfig& cfg)
{
    db.setHostName(cfg.mysqlHost);
    db.setPort(cfg.mysqlPort);
    db.setDatabaseName(cfg.mysqlDatabase);
    db.setUserName(cfg.mysqlUser);
    db.setPassword(cfg.mysqlPassword);
    // An unreachable server must not hold the window for long.
    db.setConnectOptions(QStringLiteral(
        "MYSQL_OPT_CONNECT_TIMEOUT=2;MYSQL_OPT_READ_TIMEOUT=15;MYSQL_OPT_WRITE_TIMEOUT=15"));
    if (!db.open()) {
        qDebug() << "MysqlConnect::open" << cfg.mysqlHost << cfg.mysqlPort
                 << "error:" << db.lastError().text();
        return false;
    }
    // The driver settles for 3-byte "utf8" with some client libraries: characters beyond U+FFFF
    // would arrive as "?" and writes holding one would fail.
    QSqlQuery names(db);
    if (!names.exec(QStringLiteral("SET NAMES utf8mb4"))) {
        qWarning() << "MysqlConnect::open no 4-byte UTF-8:" << names.lastError().text();
        db.close();
        return false;
    }
    return true;
}

namespace {

bool linkLost(const QSqlError& error)
{
    // Server gone away, lost connection, disconnected for inactivity.
    static const QStringList codes{"2006", "2013", "4031"};
    return error.type() == QSqlError::ConnectionError || codes.contains(error.nativeErrorCode());
}

bool runOnce(QSqlQuery& query, const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    query = QSqlQuery(db);
    if (!query.prepare(sql))
        return false;
    for (const QVariant& v : values)
        query.addBindValue(v);
    return query.exec();
}

}

bool MysqlConnect::exec(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    if (runOnce(query, database(), sql, values))
        return true;
    if (!linkLost(query.lastError()))
        return false;
    qDebug() << "MysqlConnect::exec link lost, reconnecting:" << query.lastError().text();
    close();
    if (!open())
        return false;
    if (runOnce(query, database(), sql, values))
        return true;
    if (linkLost(query.lastError()))
        close();
    return false;
}
