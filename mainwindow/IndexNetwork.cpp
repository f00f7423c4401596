// Network replies: the update description and the cloud registration; the network import.
#include "Index.h"
#include "ui_Index.h"

#include "MyMessageBox.h"
#include "Rabbitmq.h"
#include "SystemSettings.h"
#include "dbHelper.h"
#include "dlgLoading.h"
#include "httpBusiness.h"
#include "wgtQcReport.h"

#include <QCoreApplication>
#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
const QString kModeFile = QStringLiteral("./saveFile/database.ini");
}

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
            qDebug().noquote() << "--------http状态码200，成功创建交换机和队列:" + msg + "--------";
            if (!msg.isEmpty())
                Rabbitmq::getInstance()->declareQueue(msg);
        }
    } else {
        qDebug() << "Index::rabbitsycFinished registration failed:" << status << reply->errorString();
    }
    reply->deleteLater();
}

// Registers this program with the cloud for the device's notices. One manager serves every
// registration of the window.
void Index::registerWithCloud(const QString& device)
{
    if (!m_sycManager) {
        m_sycManager = new QNetworkAccessManager(this);
        connect(m_sycManager, &QNetworkAccessManager::finished, this, &Index::rabbitsycFinished);
    }
    QByteArray body;
    const QNetworkRequest request = httpBusiness::registrationRequest(device, &body);
    m_sycManager->post(request, body);
}

// The acquisition mode in the top bar, in the current language.
void Index::showModeLabel()
{
    if (dbHelper::currentFileName() == QLatin1String("database.db3"))
        ui->modelabel->setText(tr("当前获取数据模式为 网络模式..."));
    else
        ui->modelabel->setText(tr("当前获取数据模式为 串口模式..."));
}

void Index::on_dataButton_clicked()
{
    writeIniValues(kModeFile, QStringLiteral("systemCfg"), {{QStringLiteral("get"), 3}});
    dbHelper::getInstance()->close();
    dbHelper::getInstance()->openDatabase();
    showModeLabel();

    NetworkImport::Clinic clinic;
    clinic.hospital = getHospitalValue(QStringLiteral("hospital"));
    clinic.address = getHospitalValue(QStringLiteral("address"));
    clinic.phone = getHospitalValue(QStringLiteral("phone"));

    dlgLoading* busy = dlgLoading::getInstance();
    busy->startLoading(this);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const NetworkImport::Outcome outcome =
        m_networkImport.importAll(clinic, [this](const QString& device) { registerWithCloud(device); });
    busy->stopLoading();
    qDebug() << "Index::on_dataButton_clicked stored" << outcome.stored << "rows";

    switch (outcome.status) {
    case NetworkImport::Status::NoAccounts:
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("请先在账号管理页面录入账号信息！"), 1, 2, true);
        break;
    case NetworkImport::Status::Offline:
        MyMessageBox::showMyMessageBox(this, tr("获取失败"), tr("未连接到网络，请检查网络状态!"), 1, 0, true);
        break;
    case NetworkImport::Status::AccountRejected:
        MyMessageBox::showMyMessageBox(this, tr("数据获取失败"),
                                       tr("设备：%1，账号或密码已更改，请重新录入正确的设备账号信息！").arg(outcome.device),
                                       0, 2, true);
        break;
    case NetworkImport::Status::StoreFailed:
        MyMessageBox::showMyMessageBox(this, tr("保存失败"),
                                       tr("设备：%1 的数据未能保存到本地数据库，未保存任何数据，请稍后重试！").arg(outcome.device),
                                       1, 2, true);
        break;
    case NetworkImport::Status::Busy:
        break;
    case NetworkImport::Status::Done:
        MyMessageBox::showMyMessageBox(this, tr("成功"), outcome.stored ? tr("数据已获取完毕！") : tr("暂无数据！"), 0,
                                       2, true);
        break;
    }
    refreshTable();
    refreshQcTab();
    runPendingAutoImport();
}

void Index::reciveReport_slot()
{
    qDebug() << "--------自动获取网络数据--------";
    if (readIniValue(kModeFile, QStringLiteral("systemCfg"), QStringLiteral("get")).toString() != QLatin1String("3"))
        return;
    if (m_networkImport.isBusy()) {
        // A manual import is running (its message box spins the event loop): fetch afterwards.
        m_autoImportPending = true;
        return;
    }
    const NetworkImport::Outcome outcome = m_networkImport.importNotified();
    if (outcome.stored > 0) {
        refreshTable();
        refreshQcTab();
    }
}

void Index::runPendingAutoImport()
{
    if (!m_autoImportPending)
        return;
    m_autoImportPending = false;
    reciveReport_slot();
}
