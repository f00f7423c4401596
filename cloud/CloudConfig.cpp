#include "CloudConfig.h"
#include "SystemSettings.h"

#include <QSettings>

namespace {

int readPort(const QSettings& ini, const QString& key, int fallback)
{
    bool ok = false;
    const int port = ini.value(key).toInt(&ok);
    return ok && port > 0 && port < 65536 ? port : fallback;
}

}

QString CloudConfig::sectionOf(const QString& region)
{
    return region == QLatin1String("cn") ? QStringLiteral("cn") : QStringLiteral("overseas");
}

CloudConfig CloudConfig::forRegion(const QString& region)
{
    CloudConfig c;
    c.domestic = region == QLatin1String("cn");

    QSettings ini(fileName(), QSettings::IniFormat);
    ini.setIniCodec("UTF8");
    ini.beginGroup(sectionOf(region));
    c.httpHost = ini.value("httpHost", c.httpHost).toString();
    c.mysqlHost = ini.value("mysqlHost", c.mysqlHost).toString();
    c.mysqlPort = readPort(ini, "mysqlPort", c.mysqlPort);
    c.mysqlDatabase = ini.value("mysqlDatabase", c.mysqlDatabase).toString();
    c.mysqlUser = ini.value("mysqlUser", c.mysqlUser).toString();
    c.mysqlPassword = ini.value("mysqlPassword", c.mysqlPassword).toString();
    c.amqpHost = ini.value("amqpHost", c.amqpHost).toString();
    c.amqpPort = readPort(ini, "amqpPort", c.amqpPort);
    c.amqpVhost = ini.value("amqpVhost", c.amqpVhost).toString();
    c.amqpUser = ini.value("amqpUser", c.amqpUser).toString();
    c.amqpPassword = ini.value("amqpPassword", c.amqpPassword).toString();
    c.aiUrl = ini.value("aiUrl", c.aiUrl).toString();
    ini.endGroup();
    return c;
}

CloudConfig CloudConfig::current()
{
    return forRegion(getDbsource());
}
