#include "Upgrade.h"
#include "ui_Upgrade.h"

#include "httpBusiness.h"

#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>

Upgrade::Upgrade(QWidget* parent)
    : baseDlg(parent), ui(new Ui::Upgrade), m_manager(new QNetworkAccessManager(this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(m_manager, &QNetworkAccessManager::finished, this, &Upgrade::replyFinished);
    connect(ui->pushButton_close, &QPushButton::clicked, this, &QDialog::accept);
    showState();
}

Upgrade::~Upgrade()
{
    delete ui;
}

void Upgrade::setCurrentVersion(const QString& version)
{
    m_current = version;
    showState();
}

void Upgrade::retranslate()
{
    ui->retranslateUi(this);
    showState();
}

void Upgrade::checkForUpdate()
{
    m_waiting = true;
    m_failed = false;
    showState();
    m_manager->get(httpBusiness::updateRequest());
}

void Upgrade::on_pushButton_check_clicked()
{
    checkForUpdate();
}

void Upgrade::on_pushButton_download_clicked()
{
    if (m_download.isValid())
        QDesktopServices::openUrl(m_download);
}

void Upgrade::replyFinished(QNetworkReply* reply)
{
    m_waiting = false;
    m_failed = true;
    if (reply->error() == QNetworkReply::NoError) {
        const QJsonDocument doc = QJsonDocument::fromJson(reply->readAll());
        if (doc.isObject()) {
            const QJsonObject o = doc.object();
            m_latest = o.value(QStringLiteral("LatestVerison")).toVariant().toString();
            m_description = o.value(QStringLiteral("Description")).toString();
            // Only a web page is opened, whatever the description names.
            const QUrl url(o.value(QStringLiteral("DownloadUrl")).toString());
            const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
            m_download = web ? url : QUrl();
            m_failed = m_latest.isEmpty();
        }
    }
    reply->deleteLater();
    showState();
}

void Upgrade::showState()
{
    ui->label_currentValue->setText(m_current);
    ui->label_latestValue->setText(m_latest.isEmpty() ? QStringLiteral("-") : m_latest);
    ui->textBrowser->setPlainText(m_description);
    const bool newer = !m_latest.isEmpty() && m_latest != m_current;
    ui->pushButton_download->setEnabled(newer && m_download.isValid());
    if (m_waiting)
        ui->label_state->setText(tr("正在检查更新..."));
    else if (m_failed)
        ui->label_state->setText(tr("无法获取更新信息，请检查网络状态！"));
    else if (m_latest.isEmpty())
        ui->label_state->clear();
    else if (newer)
        ui->label_state->setText(tr("发现新版本：%1").arg(m_latest));
    else
        ui->label_state->setText(tr("当前已是最新版本"));
}
