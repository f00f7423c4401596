#pragma once
#include "AiAnswerStream.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

class QMovie;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace Ui { class dlgAiResult; }

// The AI analysis of one result: asks the analysis server named in "./saveFile/cloud.ini"
// (key "aiUrl") and shows its answer as it arrives, or shows an answer kept from before.
class dlgAiResult : public QDialog
{
    Q_OBJECT
public:
    explicit dlgAiResult(QWidget* parent = nullptr);
    ~dlgAiResult() override;

    // Hides the waiting animation and adds the text at the end of the text area (plain text).
    void showText(const QString& text);
    // Posts the analysis request of one result and returns at once.
    void startAiReq(int panelIndex, int panelId, int panelLot, const QString& testResults);

    // The answer once the server sent all of it; empty otherwise, so nothing partial is kept.
    QString completeAnswer() const;
    bool isWaiting() const { return m_outcome == Running; }
    // The message shown when the analysis failed; empty otherwise.
    QString statusText() const;

    // The answer text shown so far.
    QString m_aiText;
    // Longest silence of the server, in milliseconds, before the request is given up.
    int m_timeoutMs = 60000;

public slots:
    void slot_AiReq();
    void slot_readyReadAi();
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void slot_finishedAi();
    void slot_silence();
    void on_pushButton_close_clicked();

private:
    enum Outcome { Idle, Running, Done, Failed };

    void takeAnswer(const QByteArray& bytes);
    bool settle();
    void succeed();
    void fail(const QString& message);
    void dropReply();
    void stopWaiting();

    Ui::dlgAiResult* ui;
    QMovie* m_movie;
    QNetworkAccessManager* m_manager;
    QNetworkReply* m_reply = nullptr;
    QTimer* m_silence;
    QByteArray m_body;
    AiAnswerStream m_stream;
    Outcome m_outcome = Idle;
};
