#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>
#include <QString>

class CloudConfig;

// The process-wide connection to the cloud report database (MySQL). It points at the server of
// the stored cloud region ("./saveFile/cloud.ini") each time it is opened, so a region change
// takes effect at the next use.
class MysqlConnect
{
public:
    static MysqlConnect* getInstance();
    static QString connectionName() { return QStringLiteral("cloud_mysql"); }

    // Opens the connection when it is not open (or points elsewhere now); false, with a log
    // line, when the server cannot be reached. Gives up within a few seconds.
    bool open();
    // The named connection (open or not).
    QSqlDatabase database() const;
    void close();

    // Opens `db`, a QMYSQL connection of the calling thread, on the server of `cfg` with the
    // settings of every cloud link (short time-outs, 4-byte UTF-8). False, logged, on failure.
    static bool openOn(QSqlDatabase& db, const CloudConfig& cfg);

    // Prepares and runs one statement with its bound values on the open connection. A link the
    // server dropped (idle timeout, restart) is opened again and the statement run once more.
    // On failure query.lastError() tells why.
    bool exec(QSqlQuery& query, const QString& sql, const QVariantList& values);

private:
    MysqlConnect() = default;
    QString m_target;
};
