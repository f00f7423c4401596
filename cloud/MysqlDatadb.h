#pragma once
#include "CloudReportSource.h"

#include <QObject>
#include <QSqlDatabase>

class QSqlQuery;

// Data class of the cloud report database. It opens nothing when constructed; each operation
// takes the remote connection (MysqlConnect) when it runs and binds every value it sends.
class MysqlDatadb : public QObject, public CloudReportSource
{
    Q_OBJECT
public:
    explicit MysqlDatadb(QObject* parent = nullptr);

    // Stores the clinic's name, phone and address for the device; false when the server cannot
    // be reached or the statement fails. Logs nothing of its own.
    bool updateDeviceInfo(QString hospital, QString phone, QString address, QString devicename) override;
    // The active register entry of the device, compared case-sensitively.
    bool findDevice(const QString& devicename, QVector<DeviceEntry>* out) override;
    bool findReport(const QString& machineid, int offset, QVector<PanelChkRecord>* out) override;
    bool findReportEx(const QString& machineid, int& maxId, QVector<PanelChkRecord>* out) override;

    // Most rows one fetch by offset returns.
    static constexpr int kOffsetFetchLimit = 100000;

private:
    bool fetchReports(const char* caller, const QString& sql, const QVariantList& values,
                      QVector<PanelChkRecord>* out);
    static PanelChkRecord recordFromRow(const QSqlQuery& query, int summaryColumn);

    QSqlDatabase m_sqlDatabase;
};
