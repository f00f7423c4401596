// Network replies: the update description and the cloud registration; the network import.
#include "Index.h"
#include "ui_Index.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>


void Index::replyFinished(QNetworkReply* reply)
{
    if (!reply)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        qDebug() << "Index::replyFinished" << reply->errorString();
        reply->deleteLater();
        return;
    }
    const QByteArray body = reply->readAll();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error == QJsonParseError::NoError && doc.isObject()) {
        const QString latest = doc.object().value(QStringLiteral("LatestVerison")).toVariant().toString();
        if (!latest.isEmpty() && latest != m_version)
            qDebug() << "Index::replyFinished new version:" << latest << "running:" << m_version;
    } else {
        qDebug() << "Index::replyFinished update description unreadable";
    }
    reply->deleteLater();
}

void Index::rabbitsycFinished(QNetworkReply* reply)
{
    if (!reply)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status == 200) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(reply->readAll(), &error);
        if (error.error == QJsonParseError::NoError && doc.isObject()) {
            const QString msg = doc.object().value(QStringLiteral("msg")).toString();
            qDebug() << "--------http状态码200，成功创建交换机和队列:" << msg << "--------";
            // Subscribing to the queue comes with the notification listener.
        }
    }
    reply->deleteLater();
}

void Index::on_dataButton_clicked()
{
    // The network import comes with the cloud piece.
}

void Index::reciveReport_slot()
{
    qDebug() << "--------自动获取网络数据--------";
}
