#include "configAccess.h"

#include "SqlUtil.h"
#include "dataAccess.h"

#include <QDebug>
#include <QSqlQuery>
#include <QVariant>

namespace {
const QString kConfigRw = QStringLiteral("config_rw");
const QString kConfig = QStringLiteral("config");
} // namespace

configAccess* configAccess::getInstance()
{
    static configAccess* instance = new configAccess;
    return instance;
}

bool configAccess::openConfigRw(const char* caller)
{
    if (dataAccess::getInstance()->open(kConfigRw, QStringLiteral("config_rw.db"),
                                        QStringLiteral(":/DB/Chinese/config_rw.db")))
        return true;
    qDebug() << caller << "DB_CONFIG_RW.open";
    return false;
}

bool configAccess::openConfig(const char* caller)
{
    if (dataAccess::getInstance()->open(kConfig, QStringLiteral("config.db"),
                                        QStringLiteral(":/DB/Chinese/config.db")))
        return true;
    qDebug() << caller << "DB_CONFIG.open";
    return false;
}

QString configAccess::readConfigRwText(const char* caller, const char* sql, const QString& key)
{
    if (!openConfigRw(caller))
        return QString();
    QSqlQuery query(dataAccess::getInstance()->database(kConfigRw));
    query.prepare(QLatin1String(sql));
    query.addBindValue(key);
    if (!query.exec()) {
        logSqlError(caller, query);
        return QString();
    }
    return query.next() ? query.value(0).toString() : QString();
}

bool configAccess::execConfigRw(const char* caller, const char* sql, const QVariantList& values)
{
    if (!openConfigRw(caller))
        return false;
    QSqlQuery query(dataAccess::getInstance()->database(kConfigRw));
    query.prepare(QLatin1String(sql));
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec()) {
        logSqlError(caller, query);
        return false;
    }
    return true;
}

QString configAccess::getConfig(const QString& key)
{
    return readConfigRwText("configAccess::getConfig", "select valueStr from config where keyName=?", key);
}

bool configAccess::setConfig(const QString& key, const QString& value)
{
    return execConfigRw("configAccess::setConfig",
                        "INSERT INTO config (keyName, valueStr, notes) values (?, ?, ?) "
                        "ON CONFLICT(keyName) DO UPDATE SET valueStr = excluded.valueStr;",
                        {key, value, QString(QLatin1String(""))});
}

QString configAccess::getPasswd(const QString& name)
{
    return readConfigRwText("configAccess::getPasswd", "select passwd from users where name=?", name);
}

bool configAccess::setPasswd(const QString& name, const QString& passwd)
{
    return execConfigRw("configAccess::setPasswd",
                        "INSERT INTO users (name, passwd) values (?, ?) "
                        "ON CONFLICT(name) DO UPDATE SET passwd = excluded.passwd;",
                        {name, passwd});
}

bool configAccess::clearRecordConfig()
{
    if (!openConfigRw("configAccess::clearRecordConfig"))
        return false;
    QSqlQuery query(dataAccess::getInstance()->database(kConfigRw));
    // substr from the right: exact and case-sensitive, unlike LIKE.
    if (!query.exec(QStringLiteral("DELETE FROM config WHERE substr(keyName, -9) = '_NETMAXID'"))) {
        logSqlError("configAccess::clearRecordConfig", query);
        return false;
    }
    return true;
}

QVector<double> configAccess::getQcLimits(const QString& projectName)
{
    if (!m_qcLoaded) {
        if (!openConfig("configAccess::getQcLimits"))
            return {};
        QSqlQuery query(dataAccess::getInstance()->database(kConfig));
        if (!query.exec(QStringLiteral("select projectName, downLimit, upLimit from QC"))) {
            logSqlError("configAccess::getQcLimits", query);
            return {};
        }
        while (query.next())
            m_qcLimits.insert(query.value(0).toString(), {query.value(1).toDouble(), query.value(2).toDouble()});
        m_qcLoaded = true;
    }
    return m_qcLimits.value(projectName);
}

QStringList configAccess::getProjectNames()
{
    QStringList names;
    if (!openConfig("configAccess::getProjectNames"))
        return names;
    QSqlQuery query(dataAccess::getInstance()->database(kConfig));
    if (!query.exec(QStringLiteral("select projectName from projectInfo order by sortIndex, id"))) {
        logSqlError("configAccess::getProjectNames", query);
        return names;
    }
    while (query.next())
        names << query.value(0).toString();
    return names;
}

bool configAccess::getReferenceRanges(const QString& indicators, QVector<ReferenceRange>* out)
{
    if (!out || !openConfig("configAccess::getReferenceRanges"))
        return false;
    QSqlQuery query(dataAccess::getInstance()->database(kConfig));
    QString sql = QStringLiteral("select gender, indicators, ageRange, unit, down, up from referencesRange");
    if (!indicators.isEmpty())
        sql += QStringLiteral(" where indicators = ?");
    sql += QStringLiteral(" order by id");
    query.prepare(sql);
    if (!indicators.isEmpty())
        query.addBindValue(indicators);
    if (!query.exec()) {
        logSqlError("configAccess::getReferenceRanges", query);
        return false;
    }
    while (query.next()) {
        ReferenceRange r;
        r.gender = query.value(0).toString();
        r.indicators = query.value(1).toString();
        r.ageRange = query.value(2).toString();
        r.unit = query.value(3).toString();
        r.down = query.value(4).toDouble();
        r.up = query.value(5).toDouble();
        out->append(r);
    }
    return true;
}

void configAccess::closeConfigDb()
{
    dataAccess::getInstance()->remove(kConfig);
    m_qcLimits.clear();
    m_qcLoaded = false;
}
