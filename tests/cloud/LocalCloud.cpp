#include "LocalCloud.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtDebug>

bool LocalCloud::available()
{
    return QFile::exists(dir() + "/ports") && QFile::exists(dir() + "/cloud.ini");
}

QString LocalCloud::dir()
{
    return qEnvironmentVariable("CHEMDESK_LOCAL_CLOUD_DIR");
}

bool LocalCloud::run(const QStringList& args, QString* output, int timeoutMs)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LOCAL_CLOUD_DIR", dir());
    env.remove("LOCAL_CLOUD_MYSQL_PORT");
    env.remove("LOCAL_CLOUD_AMQP_PORT");
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("CHEMDESK_LOCAL_CLOUD_TOOL"), args);
    const bool finished = p.waitForFinished(timeoutMs);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (output)
        *output = out;
    if (!finished || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning().noquote() << "local-cloud" << args.join(' ') << "failed:" << out << err;
        return false;
    }
    return true;
}

bool LocalCloud::addDevice(const QString& name, const QString& password)
{
    return run({"device", name, password});
}

bool LocalCloud::addReports(const QString& device, int count, const QStringList& options)
{
    return run(QStringList{"add", device, QString::number(count)} + options);
}

QStringList LocalCloud::sql(const QString& statement)
{
    QString out;
    if (!run({"sql", statement}, &out))
        return {};
    QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeFirst(); // column names
    return lines;
}

bool LocalCloud::installIni()
{
    QDir().mkpath("saveFile");
    QFile::remove("saveFile/cloud.ini");
    return QFile::copy(dir() + "/cloud.ini", "saveFile/cloud.ini");
}

QList<QJsonObject> LocalCloud::httpRequests()
{
    QList<QJsonObject> out;
    QFile f(dir() + "/http-requests.log");
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.isEmpty())
            out.append(QJsonDocument::fromJson(line).object());
    return out;
}

QStringList LocalCloud::registeredQueues(const QString& device)
{
    QStringList out;
    QFile f(dir() + "/registrations.tsv");
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList parts = line.split('\t');
        if (parts.size() == 2 && parts[0] == device && !out.contains(parts[1]))
            out.append(parts[1]);
    }
    return out;
}
