#pragma once
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The local cloud (tools/local-cloud) that the test run started once, reached through its
// command and its folder (CHEMDESK_LOCAL_CLOUD_DIR).
class LocalCloud
{
public:
    // Whether the test run started the local cloud.
    static bool available();
    static QString dir();

    // Runs one command of the tool; false (with the output logged) when it fails.
    static bool run(const QStringList& args, QString* output = nullptr, int timeoutMs = 120000);
    static bool addDevice(const QString& name, const QString& password);
    // Adds reports of the device; extra tool options (e.g. "--no-notice", "--hostile").
    static bool addReports(const QString& device, int count, const QStringList& options = {});
    // Runs a statement on the cloud database; the output in tab-separated lines.
    static QStringList sql(const QString& statement);
    // Copies the tool's cloud.ini to ./saveFile/cloud.ini of the working folder.
    static bool installIni();

    // Requests the HTTP service received, oldest first.
    static QList<QJsonObject> httpRequests();
    // Queues registered for the device.
    static QStringList registeredQueues(const QString& device);
};
