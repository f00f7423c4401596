#pragma once
#include <QByteArray>
#include <QNetworkRequest>
#include <QString>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QObject;

// The plain-HTTP calls to the cloud server of the stored region.
class httpBusiness
{
public:
    // Port of the registration and configuration server of the region key.
    static int regionPort(const QString& region);
    // The registration request for a device and its form body ("machine_id=...&uuid=...").
    static QNetworkRequest registrationRequest(const QString& device, QByteArray* body);
    // The update description request (domestic server, port 8090).
    static QNetworkRequest updateRequest();

    // Downloads "/data/config.db" and replaces "config.db" in the working folder with it, only
    // when the download is complete and reads as a configuration database. Waits at most
    // `timeoutMs`. Returns whether the file was replaced; a failure keeps the old file.
    static bool downloadConfigDb(int timeoutMs = 8000);
    // The same download in the background: returns at once; when the download ends (at most
    // `timeoutMs` later) "config.db" is replaced or kept as above, in the calling thread's event
    // loop between two events, so that no reader of the file is cut short, and then `done` runs
    // with whether it was replaced. The download ends with `context` when that goes first.
    static void startConfigDbDownload(QObject* context, std::function<void(bool replaced)> done = {},
                                      int timeoutMs = 8000);
    // Whether `data` is a readable configuration database (tables QC, projectInfo and
    // referencesRange).
    static bool isConfigDb(const QByteArray& data);

private:
    // Replaces "config.db" with what the finished reply holds when it is complete and valid.
    static bool keepConfigDb(QNetworkReply* reply);
};
