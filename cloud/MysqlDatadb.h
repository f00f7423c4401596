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
    // be reached or the statement fails. Logs nothing of its own. Details all empty change
    // nothing (true).
    bool updateDeviceInfo(QString hospital, QString phone, QString address, QString devicename) override;
    // The active register entry of the device, compared case-sensitively.
    bool findDevice(const QString& devicename, QVector<DeviceEntry>* out) override;
    bool findReport(const QString& machineid, int offset, QVector<PanelChkRecord>* out) override;
    bool findReportEx(const QString& machineid, int& maxId, QVector<PanelChkRecord>* out) override;
    // Fetches page by page (kStreamPageRows rows, by id) on a connection and thread of its own,
    // the next page travelling while `take` stores the last one; memory stays bounded. Each
    // row's check time comes as stored text (checkTime) and chkdatetime stays null.
    bool streamReports(const QString& machineid, int afterId, int offset, const ReportBatch& take) override;

    // Most rows one fetch by offset returns.
    static constexpr int kOffsetFetchLimit = 100000;
    // Rows of one page of streamReports.
    static constexpr int kStreamPageRows = 2000;

private:
    bool fetchReports(const char* caller, const QString& sql, const QVariantList& values,
                      QVector<PanelChkRecord>* out);
    // The fetching side of streamReports, on `db`: hands each page to `push` (false: stop).
    static bool fetchPages(QSqlDatabase& db, const QString& machineid, int afterId, int offset,
                           const std::function<bool(QVector<PanelChkRecord>&&)>& push);
    static PanelChkRecord recordFromRow(const QSqlQuery& query, int summaryColumn, int timeTextColumn,
                                        bool withDateTime);

    QSqlDatabase m_sqlDatabase;
};
