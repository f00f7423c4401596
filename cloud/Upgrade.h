#pragma once
#include "baseDlg.h"

#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace Ui {
class Upgrade;
}

// Software information: the running version beside the latest one the cloud describes, with
// a link to the download page when they differ.
class Upgrade : public baseDlg
{
    Q_OBJECT
public:
    explicit Upgrade(QWidget* parent = nullptr);
    ~Upgrade() override;

    void setCurrentVersion(const QString& version);
    void retranslate() override;

    // Asks the cloud for the update description.
    void checkForUpdate();

private slots:
    void on_pushButton_check_clicked();
    void on_pushButton_download_clicked();

private:
    void replyFinished(QNetworkReply* reply);
    void showState();

    Ui::Upgrade* ui;
    QNetworkAccessManager* m_manager;
    QString m_current;
    QString m_latest;
    QString m_description;
    QUrl m_download;
    bool m_failed = false;
    bool m_waiting = false;
};
