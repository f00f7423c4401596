#include "dlgAiResult.h"
#include "ui_dlgAiResult.h"

#include "CloudConfig.h"

#include <QDebug>
#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMovie>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTextCursor>
#include <QTimer>
#include <QUrl>

dlgAiResult::dlgAiResult(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::dlgAiResult)
    , m_movie(new QMovie(QStringLiteral(":/images/loading.gif"), QByteArray(), this))
    , m_manager(new QNetworkAccessManager(this))
    , m_silence(new QTimer(this))
{
    ui->setupUi(this);
    ui->label_loading->setMovie(m_movie);
    m_movie->start();
    ui->label_status->hide();
    m_silence->setSingleShot(true);
    connect(m_silence, &QTimer::timeout, this, &dlgAiResult::slot_silence);
}

dlgAiResult::~dlgAiResult()
{
    dropReply();
    delete ui;
}

void dlgAiResult::showText(const QString& text)
{
    stopWaiting();
    QTextCursor cursor(ui->plainTextEdit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

void dlgAiResult::startAiReq(int panelIndex, int panelId, int panelLot, const QString& testResults)
{
    QJsonObject request;
    request.insert(QStringLiteral("panelIndex"), panelIndex);
    request.insert(QStringLiteral("panelId"), panelId);
    request.insert(QStringLiteral("panelLot"), panelLot);
    request.insert(QStringLiteral("testResults"), testResults);
    m_body = QJsonDocument(request).toJson(QJsonDocument::Compact);
    slot_AiReq();
}

QString dlgAiResult::completeAnswer() const
{
    return m_outcome == Done ? m_aiText : QString();
}

QString dlgAiResult::statusText() const
{
    return m_outcome == Failed ? ui->label_status->text() : QString();
}

// Posts the request; the answer is read as it arrives, so the window stays responsive.
void dlgAiResult::slot_AiReq()
{
    dropReply();
    m_aiText.clear();
    m_stream = AiAnswerStream();
    m_outcome = Running;
    ui->label_status->hide();
    ui->widget_waiting->show();
    m_movie->start();

    const QString address = CloudConfig::current().aiUrl;
    const QUrl url(address);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        || url.host().isEmpty()) {
        fail(tr("AI分析服务器地址无效：%1").arg(address));
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json; charset=utf-8"));
    request.setRawHeader("Accept", "application/x-ndjson");
    m_reply = m_manager->post(request, m_body);
    connect(m_reply, &QNetworkReply::readyRead, this, &dlgAiResult::slot_readyReadAi);
    connect(m_reply, &QNetworkReply::finished, this, &dlgAiResult::slot_finishedAi);
    m_silence->start(m_timeoutMs);
}

void dlgAiResult::slot_readyReadAi()
{
    if (!m_reply || m_outcome != Running)
        return;
    m_silence->start(m_timeoutMs);
    // Only a 200 answer carries the analysis; another status is reported when it ends.
    if (m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200) {
        m_reply->readAll();
        return;
    }
    takeAnswer(m_reply->readAll());
    if (m_outcome != Running)
        dropReply();
}

void dlgAiResult::slot_finishedAi()
{
    QNetworkReply* reply = m_reply;
    if (!reply || m_outcome != Running)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    const QByteArray rest = status == 200 ? reply->readAll() : QByteArray();
    dropReply();

    if (status == 200) {
        takeAnswer(rest);
        if (m_outcome != Running)
            return;
        const QString last = m_stream.finish();
        if (!last.isEmpty()) {
            m_aiText += last;
            showText(last);
        }
        if (settle())
            return;
        if (m_aiText.isEmpty() && error != QNetworkReply::NoError)
            fail(tr("无法连接AI分析服务器：%1").arg(errorText));
        else
            fail(tr("AI分析的回答不完整，结果未保存"));
        return;
    }
    if (status > 0) {
        fail(tr("AI分析服务器报告错误：%1").arg(QStringLiteral("HTTP %1 %2").arg(status).arg(reason).trimmed()));
        return;
    }
    fail(tr("无法连接AI分析服务器：%1").arg(errorText));
}

void dlgAiResult::slot_silence()
{
    if (m_outcome != Running)
        return;
    dropReply();
    fail(tr("AI分析服务器没有及时回答，结果未保存"));
}

void dlgAiResult::on_pushButton_close_clicked()
{
    reject();
}

// Closing the dialog gives up a request still running; nothing of it is kept.
void dlgAiResult::reject()
{
    if (m_outcome == Running) {
        dropReply();
        m_outcome = Failed;
    }
    QDialog::reject();
}

void dlgAiResult::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void dlgAiResult::takeAnswer(const QByteArray& bytes)
{
    const QString piece = m_stream.feed(bytes);
    if (!piece.isEmpty()) {
        m_aiText += piece;
        showText(piece);
    }
    settle();
}

// Ends the request when the answer ended; false while it is still being read.
bool dlgAiResult::settle()
{
    switch (m_stream.state()) {
    case AiAnswerStream::Reading:
        return false;
    case AiAnswerStream::Complete:
        succeed();
        break;
    case AiAnswerStream::ServerError:
        fail(tr("AI分析服务器报告错误：%1").arg(m_stream.errorText()));
        break;
    case AiAnswerStream::Malformed:
        fail(tr("AI分析服务器的回答无法识别，结果未保存"));
        break;
    }
    return true;
}

void dlgAiResult::succeed()
{
    m_silence->stop();
    if (m_aiText.trimmed().isEmpty()) {
        fail(tr("AI分析服务器没有给出结果"));
        return;
    }
    m_outcome = Done;
    stopWaiting();
}

void dlgAiResult::fail(const QString& message)
{
    m_silence->stop();
    m_outcome = Failed;
    stopWaiting();
    qDebug() << "dlgAiResult:" << message;
    ui->label_status->setText(message);
    ui->label_status->show();
}

void dlgAiResult::dropReply()
{
    m_silence->stop();
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
}

void dlgAiResult::stopWaiting()
{
    m_movie->stop();
    ui->widget_waiting->hide();
}
