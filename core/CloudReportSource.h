#pragma once
#include "DeviceEntry.h"
#include "PanelChkRecord.h"

#include <QString>
#include <QVector>
#include <functional>

// What the network import reads from the cloud: the device register and the report rows.
// The cloud link implements it over the remote report database.
class CloudReportSource
{
public:
    virtual ~CloudReportSource() = default;

    // Stores the clinic's details on the cloud's record of the device.
    virtual bool updateDeviceInfo(QString hospital, QString phone, QString address,
                                  QString devicename) = 0;
    // Appends the active register entry of the device (exact name), at most one. False when
    // the register could not be read.
    virtual bool findDevice(const QString& devicename, QVector<DeviceEntry>* out) = 0;
    // Appends up to 100000 report rows of the device from the row offset on, in cloud id
    // order. Each record's id is its cloud id. False when the rows could not be read.
    virtual bool findReport(const QString& machineid, int offset, QVector<PanelChkRecord>* out) = 0;
    // Appends every report row of the device whose cloud id is above `maxId`, in id order.
    virtual bool findReportEx(const QString& machineid, int& maxId, QVector<PanelChkRecord>* out) = 0;

    // Takes one batch of fetched rows; false stops the fetch.
    using ReportBatch = std::function<bool(QVector<PanelChkRecord>&)>;
    // The rows findReportEx (afterId >= 0) or findReport (afterId < 0, from `offset` on) gives,
    // handed to `take` in id order, a batch at a time as they arrive. False when the rows could
    // not all be read or `take` stopped the fetch.
    virtual bool streamReports(const QString& machineid, int afterId, int offset, const ReportBatch& take)
    {
        QVector<PanelChkRecord> rows;
        const bool read = afterId >= 0 ? findReportEx(machineid, afterId, &rows) : findReport(machineid, offset, &rows);
        return read && (rows.isEmpty() || take(rows));
    }
};
