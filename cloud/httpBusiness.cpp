#include "httpBusiness.h"

#include "CloudConfig.h"
#include "SystemSettings.h"
#include "UuidHolder.h"
#include "configAccess.h"

#include <QDebug>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>

namespace {
const char* kUserAgent = "RT-Thread ART";

QUrl cloudUrl(const QString& host, int port, const QString& path)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(path);
    return url;
}

// Form value: everything that would end or split the value is escaped; the braces of the
// client id stay as they are.
QByteArray formValue(const QString& value)
{
    return QUrl::toPercentEncoding(value, "{}");
}
}

int httpBusiness::regionPort(const QString& region)
{
    return region == QLatin1String("cn") ? 8080 : 8089;
}

QNetworkRequest httpBusiness::registrationRequest(const QString& device, QByteArray* body)
{
    const QString region = getDbsource();
    const CloudConfig cfg = CloudConfig::forRegion(region);
    QNetworkRequest request(cloudUrl(cfg.httpHost, regionPort(region), QStringLiteral("/qvtr/rabbit/syc")));
    *body = "machine_id=" + formValue(device) + "&uuid=" + formValue(UuidHolder::getInstance()->uuid());
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(kUserAgent));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, body->size());
    return request;
}

QNetworkRequest httpBusiness::updateRequest()
{
    const CloudConfig cfg = CloudConfig::forRegion(QStringLiteral("cn"));
    QNetworkRequest request(cloudUrl(cfg.httpHost, 8090, QStringLiteral("/qt/software_update.json")));
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(kUserAgent));
    return request;
}

bool httpBusiness::isConfigDb(const QByteArray& data)
{
    if (!data.startsWith(QByteArray("SQLite format 3\0", 16)))
        return false;
    QTemporaryFile file(QStringLiteral("config.db.check.XXXXXX"));
    if (!file.open() || file.write(data) != data.size() || !file.flush())
        return false;
    bool ok = false;
    const QString conn = QStringLiteral("config_download_check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(file.fileName());
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("PRAGMA quick_check")) && q.next()
                 && q.value(0).toString() == QLatin1String("ok");
            for (const char* table : {"QC", "projectInfo", "referencesRange"}) {
                QSqlQuery t(db);
                ok = ok && t.exec(QStringLiteral("select count(*) from \"%1\"").arg(QLatin1String(table)));
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(conn);
    return ok;
}

bool httpBusiness::downloadConfigDb(int timeoutMs)
{
    QEventLoop loop;
    bool ended = false;
    bool replaced = false;
    startConfigDbDownload(&loop, [&](bool r) {
        ended = true;
        replaced = r;
        loop.quit();
    }, timeoutMs);
    if (!ended)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return replaced;
}

void httpBusiness::startConfigDbDownload(QObject* context, std::function<void(bool)> done, int timeoutMs)
{
    const QString region = getDbsource();
    const CloudConfig cfg = CloudConfig::forRegion(region);
    QNetworkRequest request(cloudUrl(cfg.httpHost, regionPort(region), QStringLiteral("/data/config.db")));
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(kUserAgent));
    auto* manager = new QNetworkAccessManager(context);
    QNetworkReply* reply = manager->get(request);
    auto* timer = new QTimer(manager);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, manager, [manager, reply, done = std::move(done)] {
        const bool replaced = keepConfigDb(reply);
        reply->deleteLater();
        manager->deleteLater();
        if (done)
            done(replaced);
    });
    timer->start(timeoutMs);
}

bool httpBusiness::keepConfigDb(QNetworkReply* reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray data = reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    const QString error = reply->errorString();
    const bool failed = reply->error() != QNetworkReply::NoError || status != 200;
    if (failed) {
        qDebug() << "httpBusiness::downloadConfigDb failed:" << status << error;
        return false;
    }
    if (!isConfigDb(data)) {
        qDebug() << "httpBusiness::downloadConfigDb the download is no configuration database, kept the old one";
        return false;
    }
    // Readers open the file again on their next use (and read the QC limits afresh).
    configAccess::getInstance()->closeConfigDb();
    QSaveFile out(QStringLiteral("config.db"));
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit()) {
        qDebug() << "httpBusiness::downloadConfigDb cannot write config.db:" << out.errorString();
        return false;
    }
    return true;
}
